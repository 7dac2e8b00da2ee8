// The one main of every test program: a QApplication for the widgets, then GoogleTest.
#include <gtest/gtest.h>

#include <QApplication>
#include <cstring>
#include <memory>

#include "ui/look.h"

int main(int argc, char* argv[]) {
    ::testing::InitGoogleTest(&argc, argv);
    bool listing = false;
    for (int i = 1; i < argc; ++i) {
        listing = listing || std::strcmp(argv[i], "--gtest_list_tests") == 0;
    }
    std::unique_ptr<QApplication> app;
    if (!listing) {
        app = std::make_unique<QApplication>(argc, argv);
        QApplication::setQuitOnLastWindowClosed(false);
        applyLook();
    }
    return RUN_ALL_TESTS();
}
