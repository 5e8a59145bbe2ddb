#pragma once

#include "gui/HebrewMessageBox.h"
#include "platform/Settings.h"

#include <QApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <functional>

// The main of a benchmark that times windows: offscreen unless a display is asked
// for, settings and recovery copies in a folder of their own, no question shown. `done` runs before the
// application goes, for the windows the benchmarks kept.
inline int runWindowBenchmarks(int argc, char **argv, const std::function<void()> &done)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir settings;
    Settings::setIniPathForTesting(settings.filePath(QStringLiteral("Dalvana.ini")));
    // The recovery copies of what the benchmarks type, too.
    qputenv("XDG_STATE_HOME", settings.filePath(QStringLiteral("state")).toUtf8());
    HebrewMessageBox::setTestMode(true);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    done();
    return 0;
}
