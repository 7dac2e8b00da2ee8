#pragma once

#include <benchmark/benchmark.h>

#include <QApplication>

#include "ui/forms.h"

// The main of a benchmark that needs an application object (screens, the clipboard, windows)
// and the registry of windows, both made before any benchmark runs.
inline int runInApplication(int argc, char** argv) {
    QApplication app(argc, argv);
    Forms forms;
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
