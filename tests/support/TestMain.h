#pragma once

// What every test executable's entry point does, whichever application object
// it runs under: a platform (offscreen here, or the one ZARVEK_TEST_PLATFORM
// names for a run on a real window system), and a per-user store in a folder
// of its own, never in the player's.
#include <QByteArray>
#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

template <typename Application> int runTests(int argc, char** argv) {
    const QByteArray platform = qgetenv("ZARVEK_TEST_PLATFORM");
    qputenv("QT_QPA_PLATFORM", platform.isEmpty() ? QByteArray("offscreen") : platform);
    Application app(argc, argv);
    QTemporaryDir config;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, config.path());
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
