#pragma once
// main() of the benchmarks that open windows: offscreen, silent, never blocking.
#include "ui/Meldungen.h"
#include "ui/Module1.h"

#include <QApplication>
#include <benchmark/benchmark.h>

namespace benchliste {

inline int FensterBenchmarks(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    // No sound and no message box may wait for a user.
    lerno::Module1::SetzeSoundBeobachter([](int) {});
    lerno::SetzeMeldungsBeobachter([](const QString&, const QString&) {});
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

} // namespace benchliste
