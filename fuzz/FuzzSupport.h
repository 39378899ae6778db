#pragma once

#include <QGuiApplication>

#include <cstdio>
#include <cstdlib>

// A property every input must keep; a broken one is a crash for the fuzzer, with the condition
// named so that the report says which.
#define FUZZ_CHECK(condition)                                                                      \
    do {                                                                                           \
        if (!(condition)) {                                                                        \
            std::fprintf(stderr, "%s:%d: broken: %s\n", __FILE__, __LINE__, #condition);           \
            std::abort();                                                                          \
        }                                                                                          \
    } while (false)

// Pictures need a GUI application for their format plugins, and no screen: one for the whole run,
// kept away from libFuzzer's own command line.
inline void startFuzzGui()
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "kriel-fuzz";
    static char* argv[] = {name, nullptr};
    static QGuiApplication app(argc, argv);
}
