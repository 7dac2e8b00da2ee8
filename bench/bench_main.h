#pragma once

#include <QApplication>

#include "qt_bench_main.h"
#include "ui/forms.h"

// The main of a benchmark that needs an application object (screens, the clipboard, windows)
// and the registry of windows, both made before any benchmark runs.
inline int runInApplication(int argc, char** argv) {
    QApplication app(argc, argv);
    Forms forms;
    return runBenchmarks(argc, argv);
}
