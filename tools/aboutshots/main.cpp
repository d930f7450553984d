// Screenshots of the splash, the About dialog (mid-animation, at rest and
// uncovered) and the help window, in the real program with its window
// frames, for one language. Run it under a window manager, e.g.
//
//   xvfb-run -a sh -c 'openbox & sleep 1; about_shots OUTPUT_DIR 2'
//
// (language 1 Russian, 2 English; QT_SCALE_FACTOR=2 renders at 200 %).
#include "About01.h"
#include "Form1.h"
#include "HelpWindow.h"
#include "IniStore.h"
#include "ScratchStore.h"
#include "Texts.h"
#include "Windows.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QScreen>
#include <QTest>
#include <QTimer>

namespace {

QString outputDir;
QString suffix;

// The window as the screen shows it, frame and all, with a little room around.
void shoot(QWidget* window, const QString& name) {
    QApplication::processEvents();
    QTest::qWait(250); // let the window manager map and decorate it
    const QRect r = window->frameGeometry().adjusted(-8, -8, 8, 8);
    const QPixmap shot = window->screen()->grabWindow(0, r.x(), r.y(), r.width(), r.height());
    shot.save(QDir(outputDir).filePath(name + suffix + QStringLiteral(".png")));
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc < 3) {
        qWarning("usage: about_shots OUTPUT_DIR LANGUAGE");
        return 2;
    }
    outputDir = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(outputDir);
    const int lang = QByteArray(argv[2]).toInt();
    suffix = lang == 1 ? QStringLiteral("-rus") : QStringLiteral("-eng");

    const ScratchStore store(lang);

    createWindows();
    Form1->show();
    QTest::qWait(400);
    shoot(aboutform, QStringLiteral("splash"));
    // Wait for the splash to go, with the table behind it.
    (void)QTest::qWaitFor([] { return !aboutform->isVisible(); }, 3000);
    shoot(Form1, QStringLiteral("table-after-splash"));

    QTimer::singleShot(0, [] {
        // Halfway: 17 of the 34 steps of the title, the icon half grown.
        aboutform->TimerName.stop();
        for (int i = 0; i < 17; ++i)
            aboutform->TimerNameTimer();
        shoot(aboutform, QStringLiteral("about-mid"));
        aboutform->TimerName.start();
        (void)QTest::qWaitFor(
            [] { return !aboutform->TimerName.isActive() && !aboutform->Timerbutton.isActive(); },
            5000);
        QTest::qWait(300);
        shoot(aboutform, QStringLiteral("about-rest"));
        aboutform->Image1DblClick();
        (void)QTest::qWaitFor([] { return !aboutform->Timerflyform.isActive(); }, 5000);
        shoot(aboutform, QStringLiteral("about-uncovered"));
        aboutform->accept();
    });
    Form1->N11Click();

    Form1->N13Click();
    HelpWindow& help = Form1->helpWindow();
    shoot(&help, QStringLiteral("help-contents"));
    help.showTopic(langtext(1), 401);
    shoot(&help, QStringLiteral("help-winners"));
    help.showTopic(langtext(1), 101);
    shoot(&help, QStringLiteral("help-options"));
    destroyWindows();
    return 0;
}
