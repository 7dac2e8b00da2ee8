// The settlement of who is the running copy as the small starter makes it: the display's part of
// the file names, and the text that carries the settlement into the program proper.
#include <gtest/gtest.h>

#include <QByteArray>

#include "app/instance_handoff.h"
#include "platform/runtime_folder.h"

namespace {

// Sets DISPLAY and WAYLAND_DISPLAY for one case and puts them back after it.
class Displays {
public:
    Displays(const char* x11, const char* wayland)
        : x11_(qgetenv("DISPLAY")), wayland_(qgetenv("WAYLAND_DISPLAY")) {
        set("DISPLAY", x11);
        set("WAYLAND_DISPLAY", wayland);
    }
    ~Displays() {
        qputenv("DISPLAY", x11_);
        qputenv("WAYLAND_DISPLAY", wayland_);
    }

private:
    static void set(const char* name, const char* value) {
        if (value) {
            qputenv(name, value);
        } else {
            qunsetenv(name);
        }
    }
    QByteArray x11_, wayland_;
};

}  // namespace

TEST(InstanceSettlement, DisplayKeyPartsDisplaysAndIgnoresTheScreenNumber) {
    const struct {
        const char* x11;
        const char* wayland;
        std::string key;
    } cases[] = {
        {":0", nullptr, "x11-0"},
        {":0.0", nullptr, "x11-0"},
        {":10.1", "wayland-0", "x11-10"},  // the X display wins
        {"localhost:10.0", nullptr, "x11-localhost-10"},
        {"host/unix:3", nullptr, "x11-host-unix-3"},
        {":1.x", nullptr, "x11-1.x"},  // not a screen number
        {nullptr, "wayland-1", "wayland-wayland-1"},
        {"", "", "none"},
    };
    for (const auto& c : cases) {
        const Displays displays(c.x11, c.wayland);
        EXPECT_EQ(platform::displayKey(), c.key) << (c.x11 ? c.x11 : "(none)");
    }
}

TEST(InstanceSettlement, HandOffTextRoundTripsAndRefusesAnythingElse) {
    const auto back = instance_handoff::parse(instance_handoff::text({7, "/run/u/a b.socket"}));
    ASSERT_TRUE(back);
    EXPECT_EQ(back->lockDescriptor, 7);
    EXPECT_EQ(back->socket, "/run/u/a b.socket");  // spaces in the path survive
    for (const char* bad :
         {instance_handoff::kAlone, "", "first", "first 3", "first 3 ", "first -3 /s",
          "first +3 /s", "first x /s", "first 99999999999 /s", "firsts 3 /s"}) {
        EXPECT_FALSE(instance_handoff::parse(bad)) << bad;
    }
}
