// Renders the whole image store to one PNG so the art can be reviewed at a
// glance, and reports how long building the store takes at 1x and 2x.
#include "ContactSheet.h"
#include "Formbank.h"

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QTextStream>

#include <algorithm>
#include <vector>

namespace {

// Milliseconds to build a store, best and median of `runs` (the first run also
// pays for loading fonts and parsing nothing twice: it is reported apart).
struct Timing {
    double first = 0, best = 0, median = 0;
};

Timing timeStore(qreal ratio, int runs) {
    std::vector<double> ms;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer t;
        t.start();
        const TBankForm bank(ratio);
        bank.paintCards(); // faces and backs are painted on first use
        for (int n = 1; n <= TBankForm::kBackCount; ++n)
            bank.back(n);
        ms.push_back(double(t.nsecsElapsed()) / 1e6);
    }
    Timing r;
    r.first = ms.front();
    std::sort(ms.begin(), ms.end());
    r.best = ms.front();
    r.median = ms[ms.size() / 2];
    return r;
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QTextStream out(stdout);
    const QStringList args = app.arguments();
    if (args.size() < 2) {
        QTextStream(stderr) << "usage: contact_sheet OUT.png [RUNS]\n";
        return 2;
    }
    const int runs = args.size() > 2 ? std::max(1, args[2].toInt()) : 9;
    for (qreal ratio : {1.0, 2.0}) {
        const Timing t = timeStore(ratio, runs);
        out << QStringLiteral("store at %1x: first %2 ms, best %3 ms, median %4 ms of %5\n")
                   .arg(ratio)
                   .arg(t.first, 0, 'f', 1)
                   .arg(t.best, 0, 'f', 1)
                   .arg(t.median, 0, 'f', 1)
                   .arg(runs);
    }
    const TBankForm normal(1.0), sharp(2.0);
    if (!renderContactSheet(normal, sharp).save(args[1])) {
        QTextStream(stderr) << "cannot write " << args[1] << "\n";
        return 1;
    }
    out << "wrote " << args[1] << "\n";
    return 0;
}
