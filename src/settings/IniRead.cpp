#include "IniText.h"

#include <QStringList>

#include <algorithm>

namespace {

bool isBlank(QChar c) {
    return c == u' ' || c == u'\t';
}

// Only blanks and tabs: a name may end in a no-break space, and keeps it.
QStringView trimmed(QStringView s) {
    while (!s.isEmpty() && isBlank(s.front()))
        s = s.sliced(1);
    while (!s.isEmpty() && isBlank(s.back()))
        s.chop(1);
    return s;
}

int hexDigit(QChar c) {
    const char16_t u = c.unicode();
    if (u >= '0' && u <= '9')
        return u - '0';
    if (u >= 'a' && u <= 'f')
        return u - 'a' + 10;
    if (u >= 'A' && u <= 'F')
        return u - 'A' + 10;
    return -1;
}

int octDigit(QChar c) {
    return c >= u'0' && c <= u'7' ? c.unicode() - '0' : -1;
}

// The characters an ident or a section name is written with; anything else
// in one is damage, such as a piece of a binary block that happens to hold '='.
bool isIdentText(QStringView s) {
    return !s.isEmpty() && std::all_of(s.begin(), s.end(), [](QChar c) {
        return (c.isLetterOrNumber() && c.unicode() < 0x80) || c == u'_' || c == u'-' ||
               c == u'.' || c == u'%' || c == u'\\';
    });
}

// "\" stands for "/", "%XX" and "%UXXXX" for any other character.
QString unescapedIdent(QStringView s) {
    QString out;
    for (qsizetype i = 0; i < s.size(); ++i) {
        if (s[i] == u'\\') {
            out += u'/';
            continue;
        }
        const qsizetype digits = i + 1 < s.size() && s[i + 1] == u'U' ? 4 : 2;
        const qsizetype first = i + 1 + (digits == 4 ? 1 : 0);
        bool ok = false;
        const ushort code =
            s[i] == u'%' && first + digits <= s.size() ? s.mid(first, digits).toUShort(&ok, 16) : 0;
        if (ok) {
            out += QChar(code);
            i = first + digits - 1;
        } else {
            out += s[i];
        }
    }
    return out;
}

void chopBlanks(QString& s, qsizetype limit) {
    while (s.size() > limit && isBlank(s.back()))
        s.chop(1);
}

// A value's text with its escapes and quotes resolved. Blanks around an
// unquoted item are not part of it; a comma outside quotes makes a list.
// `list` then holds the items, and the result is true.
bool unescapedValue(QStringView s, QString& text, QStringList& list) {
    bool isList = false, inQuotes = false, quoted = false;
    qsizetype i = 0;
    const auto skipBlanks = [&] {
        while (i < s.size() && isBlank(s[i]))
            ++i;
    };
    skipBlanks();
    qsizetype chopLimit = 0; // escaped characters and quoted text stay
    while (i < s.size()) {
        const QChar c = s[i];
        if (c == u'\\') {
            if (++i == s.size())
                break;
            const QChar e = s[i++];
            static const char16_t named[][2] = {{'a', '\a'}, {'b', '\b'},  {'f', '\f'}, {'n', '\n'},
                                                {'r', '\r'}, {'t', '\t'},  {'v', '\v'}, {'"', '"'},
                                                {'?', '?'},  {'\'', '\''}, {'\\', '\\'}};
            const auto* hit = std::find_if(std::begin(named), std::end(named),
                                           [e](const char16_t* n) { return n[0] == e; });
            if (hit != std::end(named)) {
                text += QChar((*hit)[1]);
            } else if ((e == u'x' && i < s.size() && hexDigit(s[i]) >= 0) || octDigit(e) >= 0) {
                const bool hex = e == u'x';
                char16_t code = hex ? 0 : char16_t(octDigit(e));
                for (int d; i < s.size() && (d = hex ? hexDigit(s[i]) : octDigit(s[i])) >= 0; ++i)
                    code = char16_t(code * (hex ? 16 : 8) + d);
                text += QChar(code);
            } // any other character after a backslash is dropped
            chopLimit = text.size();
        } else if (c == u'"') {
            ++i;
            quoted = true;
            inQuotes = !inQuotes;
            if (!inQuotes) {
                skipBlanks();
                chopLimit = text.size();
            }
        } else if (c == u',' && !inQuotes) {
            if (!quoted)
                chopBlanks(text, chopLimit);
            isList = true;
            list.append(text);
            text.clear();
            quoted = false;
            ++i;
            skipBlanks();
            chopLimit = 0;
        } else {
            qsizetype j = i + 1;
            while (j < s.size() && s[j] != u'\\' && s[j] != u'"' && s[j] != u',')
                ++j;
            text += s.mid(i, j - i);
            i = j;
        }
    }
    if (!quoted)
        chopBlanks(text, chopLimit);
    if (isList)
        list.append(text);
    return isList;
}

// A stored text as a value: "@@" stands for a leading "@", "@String(...)"
// for text holding a NUL, and the other "@Type(...)" forms for typed objects.
QVariant storedValue(const QString& s) {
    if (s.startsWith(u'@') && s.endsWith(u')')) {
        if (s.startsWith(QLatin1String("@String(")))
            return s.mid(8, s.size() - 9);
        for (const char* type : {"@ByteArray(", "@Variant(", "@DateTime(", "@Invalid(", "@Rect(",
                                 "@Size(", "@Point("}) {
            if (s.startsWith(QLatin1String(type)))
                return QVariant::fromValue(ForeignValue{s});
        }
    }
    return s.startsWith(QLatin1String("@@")) ? s.mid(1) : s;
}

// Where the ident ends and the value begins ('=' outside quotes), and where a
// ';' outside quotes starts a comment. -1 for `equals` when the line cannot
// be read: no '=', or a quote or an escape left open at the end of the line.
struct LineSplit {
    qsizetype equals = -1;
    qsizetype end = 0;
};

LineSplit splitLine(QStringView line) {
    LineSplit split{-1, line.size()};
    bool inQuotes = false;
    for (qsizetype i = 0; i < line.size(); ++i) {
        const QChar c = line[i];
        if (c == u'\\') {
            if (++i == line.size())
                return {};
        } else if (c == u'"') {
            inQuotes = !inQuotes;
        } else if (c == u'=' && !inQuotes && split.equals < 0) {
            split.equals = i;
        } else if (c == u';' && !inQuotes) {
            split.end = i;
            return split;
        }
    }
    return inQuotes ? LineSplit{} : split;
}

bool hasControlBytes(QByteArrayView line) {
    return std::any_of(line.begin(), line.end(),
                       [](char c) { return uchar(c) < 0x20 && c != '\t'; });
}

} // namespace

IniReading readIniText(QByteArrayView text) {
    if (text.startsWith("\xEF\xBB\xBF"))
        text = text.sliced(3);
    IniReading reading;
    QString section;       // "" is the file's head, read as [General]
    bool inSection = true; // false after a header that could not be read
    qsizetype start = 0;
    while (start < text.size()) {
        qsizetype stop = start;
        while (stop < text.size() && text[stop] != '\n' && text[stop] != '\r')
            ++stop;
        const QByteArrayView bytes = text.sliced(start, stop - start);
        start = stop + 1;
        const QString decoded =
            bytes.isValidUtf8() ? QString::fromUtf8(bytes) : fromWindows1251(bytes);
        const QStringView line = trimmed(decoded);
        if (line.isEmpty() || line.startsWith(u';'))
            continue;
        const bool control = hasControlBytes(bytes);
        if (line.startsWith(u'[')) {
            const qsizetype close = line.indexOf(u']');
            const QStringView name = trimmed(line.mid(1, close - 1));
            inSection = !control && close > 0 && isIdentText(name);
            if (!inSection)
                reading.damaged = true;
            else if (name.compare(QLatin1String("general"), Qt::CaseInsensitive) == 0)
                section.clear();
            else if (name.compare(QLatin1String("%general"), Qt::CaseInsensitive) == 0)
                section = name.mid(1).toString() + u'/';
            else
                section = unescapedIdent(name) + u'/';
            continue;
        }
        const LineSplit split = splitLine(line);
        const QStringView ident = trimmed(line.left(split.equals));
        if (control || !inSection || split.equals < 0 || !isIdentText(ident)) {
            reading.damaged = true;
            continue;
        }
        QString value;
        QStringList items;
        const QStringView stored = line.mid(split.equals + 1, split.end - split.equals - 1);
        const QString key = section + unescapedIdent(ident);
        if (unescapedValue(stored, value, items))
            reading.values.insert(key, items);
        else
            reading.values.insert(key, storedValue(value));
    }
    return reading;
}
