// Test entry point: every test binary needs a QApplication, because the
// card art and the widgets need fonts and a platform (offscreen here, or
// the one ZARVEK_TEST_PLATFORM names).
#include <QApplication>
#include <QSettings>
#include <QTemporaryDir>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
    // Offscreen unless a test run asks for a real window system.
    const QByteArray platform = qgetenv("ZARVEK_TEST_PLATFORM");
    qputenv("QT_QPA_PLATFORM", platform.isEmpty() ? QByteArray("offscreen") : platform);
    QApplication app(argc, argv);
    // The per-user store of every test lives in a folder of its own, never
    // in the player's.
    QTemporaryDir config;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, config.path());
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
