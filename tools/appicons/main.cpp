// Renders the program icon for the desktop's icon theme. The pictures come
// from the same code that gives the window its icon, so the menu, the task
// switcher and the title bar always show the same art.
#include "Formbank.h"

#include <QDir>
#include <QImage>
#include <QTextStream>

int main(int argc, char** argv) {
    QTextStream err(stderr);
    if (argc < 4) {
        err << "usage: app_icons OUTDIR NAME SIZE...\n";
        return 2;
    }
    const QString outDir = QString::fromLocal8Bit(argv[1]);
    const QString name = QString::fromLocal8Bit(argv[2]);
    for (int i = 3; i < argc; ++i) {
        bool ok = false;
        const int size = QString::fromLocal8Bit(argv[i]).toInt(&ok);
        if (!ok || size <= 0) {
            err << "app_icons: bad size " << argv[i] << '\n';
            return 2;
        }
        const QString dir = QStringLiteral("%1/%2x%2/apps").arg(outDir).arg(size);
        const QString file = QStringLiteral("%1/%2.png").arg(dir, name);
        if (!QDir().mkpath(dir) || !TBankForm::programIconImage(size).save(file)) {
            err << "app_icons: cannot write " << file << '\n';
            return 1;
        }
    }
    return 0;
}
