#include "SettingsStore.h"

#include "IniStore.h"
#include "Texts.h"

namespace {

const QString kFormat = QStringLiteral("Format");
const QString kForm = QStringLiteral("Form");

int inRange(int value, int low, int high, int fallback) {
    return value < low || value > high ? fallback : value;
}

// Halving as the placement rules do it: toward zero.
int half(int value) {
    return static_cast<int>(value * 0.5);
}

} // namespace

void readFormat(IniStore& store, Settings& s) {
    const Settings defaults;
    s.scoreMode =
        inRange(store.readInteger(kFormat, QStringLiteral("Score"), defaults.scoreMode), 0, 2, 0);
    s.drawThree =
        inRange(store.readInteger(kFormat, QStringLiteral("Cards"), defaults.drawThree), 0, 1, 0);
    s.deck = inRange(store.readInteger(kFormat, QStringLiteral("Deck"), defaults.deck), 1, 12, 2);
    s.time = store.readBool(kFormat, QStringLiteral("Time"), true);
    s.cursor = store.readBool(kFormat, QStringLiteral("Cursor"), true);
    s.saveScore = store.readBool(kFormat, QStringLiteral("SaveScore"), true);
    s.newCards = store.readBool(kFormat, QStringLiteral("NewCards"), true);
    s.showPopUp = store.readBool(kFormat, QStringLiteral("ShowPopUp"), true);
    s.showDialog = store.readBool(kFormat, QStringLiteral("ShowDialog"), true);
    s.showHint = store.readBool(kFormat, QStringLiteral("ShowHint"), true);
    s.winnableOnly = store.readBool(kFormat, QStringLiteral("WinnableOnly"), false);
    s.undo = store.readBool(kFormat, QStringLiteral("Undo"), true);
}

void writeFormat(IniStore& store, const Settings& s) {
    store.writeInteger(kFormat, QStringLiteral("Score"), s.scoreMode);
    store.writeInteger(kFormat, QStringLiteral("Cards"), s.drawThree);
    store.writeInteger(kFormat, QStringLiteral("Deck"), s.deck);
    store.writeBool(kFormat, QStringLiteral("Time"), s.time);
    store.writeBool(kFormat, QStringLiteral("Cursor"), s.cursor);
    store.writeBool(kFormat, QStringLiteral("SaveScore"), s.saveScore);
    store.writeBool(kFormat, QStringLiteral("NewCards"), s.newCards);
    store.writeBool(kFormat, QStringLiteral("ShowPopUp"), s.showPopUp);
    store.writeBool(kFormat, QStringLiteral("ShowDialog"), s.showDialog);
    store.writeBool(kFormat, QStringLiteral("ShowHint"), s.showHint);
    store.writeBool(kFormat, QStringLiteral("WinnableOnly"), s.winnableOnly);
    store.writeBool(kFormat, QStringLiteral("Undo"), s.undo);
}

std::uint8_t readLanguage(IniStore& store) {
    const auto stored =
        static_cast<std::uint8_t>(store.readInteger(kFormat, QStringLiteral("Language"), 2));
    return languageHasTexts(stored) ? stored : 2;
}

QRect readWindowPlacement(IniStore& store) {
    const int left = store.readInteger(kForm, QStringLiteral("Left"), 5);
    const int top = store.readInteger(kForm, QStringLiteral("Top"), 20);
    const int height = store.readInteger(kForm, QStringLiteral("Height"), 440);
    const int width = store.readInteger(kForm, QStringLiteral("Width"), 630);
    return {left, top, width, height};
}

void writeWindowPlacement(IniStore& store, const QRect& outer) {
    store.writeInteger(kForm, QStringLiteral("Left"), outer.left());
    store.writeInteger(kForm, QStringLiteral("Top"), outer.top());
    store.writeInteger(kForm, QStringLiteral("Height"), outer.height());
    store.writeInteger(kForm, QStringLiteral("Width"), outer.width());
}

QRect checkWindowPlacement(QRect r, int screenWidth, int screenHeight) {
    if (r.width() < 150 || r.height() < 150 || r.width() > screenWidth || r.height() > screenHeight)
        r.setSize({630, 440});
    // A screen smaller than even that (a small one at 200 %) gets the window
    // shrunk to its size and wholly on it, status bar included.
    const bool narrow = r.width() > screenWidth;
    const bool low = r.height() > screenHeight;
    r.setSize(r.size().boundedTo({screenWidth, screenHeight}));
    int left = r.left();
    int top = r.top();
    if (narrow || left > screenWidth - 20 || left < 20 - r.width())
        left = half(screenWidth - r.width());
    if (low || top > screenHeight - 20 || top < 20 - r.height())
        top = half(screenHeight - r.height());
    r.moveTo(left, top);
    return r;
}

bool languageHasTexts(int n) {
    return n >= 1 && !stringResource(1000 * n + 1).isEmpty();
}
