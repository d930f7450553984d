// Measures what the performance budget speaks of: the time from start to the
// painted table, against a bare window of the same size with 52 picture
// labels and a one-second timer, and the CPU time of a deal.
//
//   startup_time [bare]     run once with and once without "bare"
#include "Form1.h"
#include "ScratchStore.h"
#include "Windows.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QTest>

#include <cstdio>
#include <ctime>

namespace {

// Notes the moment a widget is first painted.
class FirstPaint : public QObject {
public:
    QElapsedTimer* clock = nullptr;
    double at = -1;
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::Paint && at < 0)
            at = clock->nsecsElapsed() / 1e6;
        return false;
    }
};

double cpuMs() {
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

} // namespace

int main(int argc, char** argv) {
    QElapsedTimer wall;
    wall.start();
    QApplication app(argc, argv);
    const bool bare = argc > 1 && QByteArray(argv[1]) == "bare";
    if (bare) {
        QWidget window;
        window.resize(630, 440);
        QPixmap card(71, 96);
        card.fill(Qt::white);
        for (int i = 0; i < 52; ++i) {
            auto* label = new QLabel(&window);
            label->setPixmap(card);
            label->move(10 + (i % 13) * 40, 10 + (i / 13) * 60);
        }
        if (argc > 2) // with a line of text, which loads the fonts
            (new QLabel(QStringLiteral("Time = 0"), &window))->move(10, 400);
        QTimer timer;
        timer.start(1000);
        std::printf("application ready after %.1f ms\n", wall.nsecsElapsed() / 1e6);
        FirstPaint painted;
        painted.clock = &wall;
        window.installEventFilter(&painted);
        window.show();
        while (painted.at < 0)
            QApplication::processEvents();
        std::printf("bare window painted after %.1f ms\n", painted.at);
        return 0;
    }
    const ScratchStore store; // the language chooser would stop the clock
    const double beforeWindows = wall.nsecsElapsed() / 1e6;
    createWindows();
    std::printf("application ready after %.1f ms, windows created after %.1f ms\n", beforeWindows,
                wall.nsecsElapsed() / 1e6);
    FirstPaint painted;
    painted.clock = &wall;
    Form1->PanelMain->installEventFilter(&painted);
    Form1->show();
    while (painted.at < 0)
        QApplication::processEvents();
    std::printf("table painted after %.1f ms\n", painted.at);
    (void)QTest::qWaitForWindowExposed(Form1);
    QApplication::processEvents();
    std::printf("cards painted after %.1f ms\n", wall.nsecsElapsed() / 1e6);

    Form1->game().setShowDialog(false);
    Form1->N21Click(); // the first deal creates the 52 pictures
    QApplication::processEvents();
    const int deals = 50;
    const double start = cpuMs();
    for (int i = 0; i < deals; ++i) {
        Form1->N21Click();
        QApplication::processEvents();
    }
    std::printf("one deal, painted: %.3f ms CPU\n", (cpuMs() - start) / deals);
    const double engineStart = cpuMs();
    for (int i = 0; i < deals; ++i)
        Form1->game().newgame();
    std::printf("one deal, rules only: %.3f ms CPU\n", (cpuMs() - engineStart) / deals);
    const double clickStart = cpuMs();
    for (int i = 0; i < deals; ++i) {
        Form1->PanelMainClick();
        QApplication::processEvents();
    }
    std::printf("one card turned, painted: %.3f ms CPU\n", (cpuMs() - clickStart) / deals);
    destroyWindows();
    return 0;
}
