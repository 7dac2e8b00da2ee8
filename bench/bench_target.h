#pragma once

#include <cstdio>
#include <cstdlib>
#include <string>

// One line per performance target: the ratio against its floor measured in the same run, the
// limit, and the absolute times beside it. Printed, and appended to the file named by
// LUMACAP_BENCH_TARGETS, where ./bench.sh collects the lines of every benchmark for its summary.
inline void reportTarget(const std::string& what, double ratio, double limit,
                         const std::string& against, const std::string& times) {
    char line[640];
    std::snprintf(line, sizeof line, "%-52s %6.2fx %-22s (<= %.1fx: %s)  %s", what.c_str(), ratio,
                  against.c_str(), limit, ratio <= limit ? "met" : "NOT MET", times.c_str());
    std::printf("TARGET %s\n", line);
    std::fflush(stdout);
    if (const char* file = std::getenv("LUMACAP_BENCH_TARGETS")) {
        if (FILE* out = std::fopen(file, "a")) {
            std::fprintf(out, "%s\n", line);
            std::fclose(out);
        }
    }
}

// "12.3 ms" for a time in seconds.
inline std::string ms(double seconds) {
    char text[32];
    std::snprintf(text, sizeof text, "%.1f ms", seconds * 1e3);
    return text;
}

// "1.23x" for a ratio.
inline std::string times(double ratio) {
    char text[32];
    std::snprintf(text, sizeof text, "%.2fx", ratio);
    return text;
}
