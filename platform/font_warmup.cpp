#include "platform/font_warmup.h"

#ifdef LUMACAP_HAVE_FONTCONFIG
#include <fontconfig/fontconfig.h>
#endif

namespace platform {

FontWarmUp::FontWarmUp() {
#ifdef LUMACAP_HAVE_FONTCONFIG
    // FcInit builds fontconfig's shared default configuration (dozens of XML files and the
    // cache files) once; the font database calls it again later and then finds the work done.
    thread_ = std::thread([] { FcInit(); });
#endif
}

FontWarmUp::~FontWarmUp() {
    finish();
}

void FontWarmUp::finish() {
    if (thread_.joinable()) {
        thread_.join();
    }
}

}  // namespace platform
