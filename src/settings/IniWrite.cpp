#include "IniText.h"

#include <QMap>
#include <QStringList>

#include <cstring>

namespace {

bool isHexDigit(QChar c) {
    return (c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'f') || (c >= u'A' && c <= u'F');
}

// Letters, digits, '_', '-' and '.' as they are; "/" as "\"; anything else as
// "%XX", or "%UXXXX" above 0xFF.
void appendIdent(QByteArray& out, QStringView ident) {
    for (const QChar c : ident) {
        const char16_t u = c.unicode();
        if (u == '/')
            out += '\\';
        else if ((u < 0x80 && c.isLetterOrNumber()) || u == '_' || u == '-' || u == '.')
            out += char(u);
        else if (u <= 0xFF)
            out += '%' + QByteArray::number(u, 16).toUpper().rightJustified(2, '0');
        else
            out += "%U" + QByteArray::number(u, 16).toUpper().rightJustified(4, '0');
    }
}

// One stored text: control characters, quotes and backslashes escaped, the
// rest in UTF-8 (typed values, all ASCII, escape what is above 0x7E), and the
// whole in quotes when it holds ';', ',' or '=' or begins or ends with a blank.
void appendText(QByteArray& out, const QString& text) {
    const bool typed = text.startsWith(QLatin1String("@ByteArray(")) ||
                       text.startsWith(QLatin1String("@Variant(")) ||
                       text.startsWith(QLatin1String("@DateTime("));
    const qsizetype start = out.size();
    bool quotes = false;
    bool escapeDigit = false; // a hex digit after a numeric escape would join it
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        const char16_t u = c.unicode();
        quotes = quotes || u == ';' || u == ',' || u == '=';
        if (escapeDigit && isHexDigit(c)) {
            out += "\\x" + QByteArray::number(u, 16);
            continue;
        }
        escapeDigit = false;
        static const char kNamed[] = "\a\b\f\n\r\t\v";
        static const char kLetters[] = "abfnrtv";
        if (const char* named = u != 0 && u < 0x20 ? strchr(kNamed, char(u)) : nullptr) {
            out += '\\';
            out += kLetters[named - kNamed];
        } else if (u == 0) {
            out += "\\0";
            escapeDigit = true;
        } else if (u == '"' || u == '\\') {
            out += '\\';
            out += char(u);
        } else if (u < 0x20 || (u >= 0x7F && typed)) {
            out += "\\x" + QByteArray::number(u, 16);
            escapeDigit = true;
        } else if (u < 0x80) {
            out += char(u);
        } else if (c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            out += QStringView(text).mid(i++, 2).toUtf8();
        } else {
            out += QStringView(text).mid(i, 1).toUtf8();
        }
    }
    if (quotes || (out.size() > start && (out[start] == ' ' || out.back() == ' '))) {
        out.insert(start, '"');
        out += '"';
    }
}

// Text that would read back as something else is marked: a leading "@" is
// doubled, and text holding a NUL is stored as "@String(...)".
QString markedText(QString text) {
    if (text.contains(QChar(0)))
        return QLatin1String("@String(") + text + u')';
    if (text.startsWith(u'@'))
        text.prepend(u'@');
    return text;
}

void appendValue(QByteArray& out, const QVariant& value) {
    if (value.metaType() == QMetaType::fromType<QStringList>()) {
        const QStringList items = value.toStringList();
        for (qsizetype i = 0; i < items.size(); ++i) {
            out += i == 0 ? "" : ", ";
            appendText(out, items[i]);
        }
    } else if (value.metaType() == QMetaType::fromType<ForeignValue>()) {
        appendText(out, value.value<ForeignValue>().text);
    } else {
        appendText(out, markedText(value.toString()));
    }
}

} // namespace

QByteArray writeIniText(const QSettings::SettingsMap& values) {
    // Section by section in name order, the file's head first as [General].
    QMap<QString, QSettings::SettingsMap> sections;
    for (auto it = values.begin(); it != values.end(); ++it) {
        const qsizetype slash = it.key().indexOf(u'/');
        sections[slash < 0 ? QString() : it.key().left(slash)].insert(it.key().mid(slash + 1),
                                                                      it.value());
    }
    QByteArray out;
    for (auto s = sections.begin(); s != sections.end(); ++s) {
        out += s == sections.begin() ? "[" : "\n[";
        if (s.key().isEmpty())
            out += "General";
        else if (s.key().compare(QLatin1String("general"), Qt::CaseInsensitive) == 0)
            out += "%General";
        else
            appendIdent(out, s.key());
        out += "]\n";
        for (auto v = s->begin(); v != s->end(); ++v) {
            appendIdent(out, v.key());
            out += '=';
            appendValue(out, v.value());
            out += '\n';
        }
    }
    return out;
}
