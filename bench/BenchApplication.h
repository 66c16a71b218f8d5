#pragma once
// The one Qt application object of the benchmark program: the map benchmarks draw with Qt Gui
// and the conversation benchmarks run Qt's event loop, so whichever runs first makes it.
#include <QGuiApplication>

namespace orbivox {

inline void EnsureBenchApplication() {
    if (QCoreApplication::instance() == nullptr) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
            qputenv("QT_QPA_PLATFORM", "offscreen");
        }
        static int argc = 1;
        static char name[] = "orbivox_bench";
        static char* argv[] = {name, nullptr};
        new QGuiApplication(argc, argv);  // lives as long as the benchmark program
    }
}

}  // namespace orbivox
