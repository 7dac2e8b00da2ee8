// The one main of every test program: the program's application object, its look and its
// language for the widgets, then GoogleTest.
#include <gtest/gtest.h>

#include <cstring>
#include <memory>

#include "app/lumacap_application.h"
#include "ui/dialog_language.h"
#include "ui/look.h"

int main(int argc, char* argv[]) {
    ::testing::InitGoogleTest(&argc, argv);
    bool listing = false;
    for (int i = 1; i < argc; ++i) {
        listing = listing || std::strcmp(argv[i], "--gtest_list_tests") == 0;
    }
    std::unique_ptr<LumacapApplication> app;
    if (!listing) {
        app = std::make_unique<LumacapApplication>(argc, argv);
        QApplication::setQuitOnLastWindowClosed(false);
        applyLook();
        usePortugueseDialogs();
    }
    return RUN_ALL_TESTS();
}
