// Measures what the performance budget speaks of: the time from start to the
// painted table, against a bare window of the same size with 52 picture
// labels and a one-second timer, and the CPU time of a deal.
//
//   startup_time [bare]     run once with and once without "bare"
#include "Form1.h"
#include "Windows.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QTest>

#include <cstdio>
#include <ctime>

namespace {

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
        QTimer timer;
        timer.start(1000);
        window.show();
        (void)QTest::qWaitForWindowExposed(&window);
        QApplication::processEvents();
        std::printf("bare window painted after %.1f ms\n", wall.nsecsElapsed() / 1e6);
        return 0;
    }
    createWindows();
    Form1->show();
    (void)QTest::qWaitForWindowExposed(Form1);
    QApplication::processEvents();
    std::printf("table painted after %.1f ms\n", wall.nsecsElapsed() / 1e6);

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
