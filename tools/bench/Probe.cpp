// One start of the game, or of a bare window of the same size, measured from
// the inside: the time from exec to the first paint of the table, the
// resident and anonymous memory once it is painted, and how often the
// process wakes up while it idles, with or without a game running.
//
//   bench_probe game|bare [--clock] [--idle SECONDS]
// prints one line: paint_ms=… rss_kib=… anon_kib=… wakeups_per_s=…
#include "Form1.h"
#include "ScratchStore.h"
#include "Windows.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QStatusBar>
#include <QTimer>

#include <cstdio>

namespace {

// Notes the moment a widget is first painted.
class FirstPaint : public QObject {
public:
    explicit FirstPaint(const QElapsedTimer& clock) : clock(clock) {}
    double at = -1;
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::Paint && at < 0)
            at = clock.nsecsElapsed() / 1e6;
        return false;
    }

private:
    const QElapsedTimer& clock;
};

// A value of /proc/self/status in KiB.
long statusKib(const char* field) {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith(field))
            return line.mid(int(qstrlen(field))).trimmed().split(' ').first().toLong();
    return -1;
}

// Every time any thread of the process went to sleep and was woken.
long contextSwitches() {
    long total = 0;
    const QDir tasks(QStringLiteral("/proc/self/task"));
    for (const QString& task : tasks.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        QFile status(tasks.filePath(task + QStringLiteral("/status")));
        if (!status.open(QIODevice::ReadOnly))
            continue;
        for (const QByteArray& line : status.readAll().split('\n'))
            if (line.startsWith("voluntary_ctxt_switches:"))
                total += line.mid(24).trimmed().toLong();
    }
    return total;
}

// The same size and furniture as the table, without the game: menus, a
// three-panel status bar, 52 card pictures and a one-second timer.
QMainWindow* bareWindow(QTimer& timer) {
    auto* window = new QMainWindow;
    window->resize(630, 440);
    for (const char* title : {"&File ", "&Game", "Test"})
        window->menuBar()->addMenu(QString::fromLatin1(title))->addAction(QStringLiteral("Item"));
    auto* table = new QWidget;
    QPixmap card(71, 96);
    card.fill(Qt::white);
    for (int i = 0; i < 52; ++i) {
        auto* label = new QLabel(table);
        label->setPixmap(card);
        label->move(10 + (i % 13) * 40, 10 + (i / 13) * 60);
    }
    window->setCentralWidget(table);
    for (const char* text : {"Time = 0", "", "$ -150"})
        window->statusBar()->addWidget(new QLabel(QString::fromLatin1(text)));
    timer.start(1000);
    return window;
}

} // namespace

int main(int argc, char** argv) {
    QElapsedTimer wall;
    wall.start();
    QApplication app(argc, argv);
    const QStringList args = QApplication::arguments();
    const bool bare = args.value(1) == QStringLiteral("bare");
    const bool clock = args.contains(QStringLiteral("--clock"));
    const int idleAt = int(args.indexOf(QStringLiteral("--idle")));
    const double idleSeconds = idleAt > 0 ? args.value(idleAt + 1).toDouble() : 0;

    const ScratchStore store;
    FirstPaint painted(wall);
    QTimer bareTimer;
    QWidget* window = nullptr;
    if (bare) {
        window = bareWindow(bareTimer);
        window->installEventFilter(&painted);
    } else {
        createWindows();
        window = Form1;
        Form1->PanelMain->installEventFilter(&painted);
    }
    window->show();
    while (painted.at < 0)
        QApplication::processEvents();
    // Settle: the deferred work after the first paint (card art, splash) is done.
    QTimer::singleShot(3000, &app, &QApplication::quit);
    QApplication::exec();
    const long rss = statusKib("VmRSS:");
    const long anon = statusKib("RssAnon:");
    if (!bare && clock)
        Form1->N21Click();

    double wakeups = 0;
    if (idleSeconds > 0) {
        const long before = contextSwitches();
        QTimer::singleShot(int(idleSeconds * 1000), &app, &QApplication::quit);
        QApplication::exec();
        wakeups = (contextSwitches() - before - 1) / idleSeconds; // less the timer ending it
    }
    std::printf("paint_ms=%.1f rss_kib=%ld anon_kib=%ld wakeups_per_s=%.2f\n", painted.at, rss,
                anon, wakeups);
    if (!bare)
        destroyWindows();
    else
        delete window;
    return 0;
}
