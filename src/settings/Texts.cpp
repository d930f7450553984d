#include "Texts.h"

#include "resources.h"

#include <QFile>
#include <QHash>

std::uint8_t language = 2;

namespace {

// Parses the compiled-in table once: lines "id<TAB>\"text\"", '#' comments.
QHash<int, QString> loadTable() {
    initZarvekResources();
    QHash<int, QString> table;
    QFile file(QStringLiteral(":/strings.tsv"));
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return table;
    const QString all = QString::fromUtf8(file.readAll());
    for (const QString& line : all.split(u'\n')) {
        if (line.isEmpty() || line.startsWith(u'#'))
            continue;
        const qsizetype tab = line.indexOf(u'\t');
        if (tab < 0)
            continue;
        bool ok = false;
        const int id = line.left(tab).toInt(&ok);
        QString text = line.mid(tab + 1);
        if (!ok || text.size() < 2 || !text.startsWith(u'"') || !text.endsWith(u'"'))
            continue;
        table.insert(id, text.mid(1, text.size() - 2));
    }
    return table;
}

} // namespace

QString stringResource(int id) {
    static const QHash<int, QString> table = loadTable();
    return table.value(id);
}

QString langtext(int language, int n) {
    return stringResource(1000 * language + n);
}

QString langtext(int n) {
    return langtext(language, n);
}
