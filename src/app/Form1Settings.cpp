// The main window's settings: reading them at the first showing, writing
// them on Exit, the options dialog, the language chooser and link removal.
#include "Form1.h"

#include "ErrorReport.h"
#include "FrameExtents.h"
#include "IniStore.h"
#include "SettingsStore.h"
#include "Texts.h"
#include "frmopt.h"
#include "selectlng.h"

#include <QGuiApplication>
#include <QMessageBox>
#include <QScreen>

namespace {

const QString kFormat = QStringLiteral("Format");

QSize screenSize() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->geometry().size() : QSize(1024, 768);
}

} // namespace

void TForm1::readwriteini(int mode) {
    if (mode == 0)
        readSettings();
    else if (mode == 1)
        writeSettings();
}

void TForm1::readSettings() {
    IniStore store;
    readFormat(store, options);
    language = readLanguage(store);
    const QSize screen = screenSize();
    setOuterGeometry(
        checkWindowPlacement(readWindowPlacement(store), screen.width(), screen.height()));
    settingsRead = true;
    options.frstHlp =
        static_cast<std::uint8_t>(store.readInteger(kFormat, QStringLiteral("FrstHlp"), 0));
    store.close();
    // The first runs ask for the language before anything is shown in one.
    if (options.frstHlp < 2)
        changelang();
    applySettings();
    loadmyres();
}

void TForm1::writeSettings() {
    IniStore store;
    writeFormat(store, options);
    writeWindowPlacement(store, frameGeometry());
    if (options.frstHlp < 2)
        ++options.frstHlp;
    store.writeInteger(kFormat, QStringLiteral("FrstHlp"), options.frstHlp);
    store.writeInteger(kFormat, QStringLiteral("Language"), language);
    store.close();
}

void TForm1::setOuterGeometry(const QRect& outer) {
    moveFrameTo(*this, outer.topLeft());
    resize(outer.size().shrunkBy(frameExtents(*this)));
    // Until the window system has framed the window its frame is a guess;
    // the size is set again once the real one is known.
    whenFramed(*this, [this, size = outer.size()](const QMargins& frame) {
        resize(size.shrunkBy(frame));
    });
}

void TForm1::changelang() {
    language = static_cast<std::uint8_t>(FormSelLang->pokaz(language));
    if (engine)
        engine->setLanguage(language);
    loadmyres();
}

void TForm1::menuoptClick() {
    FormOptions->setopt(frameGeometry(), options);
    if (FormOptions->ischang() == 1) {
        Settings chosen = options;
        int uninstallRequest = 0;
        FormOptions->getopt(chosen, uninstallRequest);
        // The table's behaviour changes at once, the rules only after the question.
        options.cursor = chosen.cursor;
        options.newCards = chosen.newCards;
        options.showPopUp = chosen.showPopUp;
        options.showDialog = chosen.showDialog;
        options.showHint = chosen.showHint;
        options.winnableOnly = chosen.winnableOnly;
        options.undo = chosen.undo;
        engine->setUndoAllowed(options.undo);
        engine->setNewCards(options.newCards);
        engine->setShowDialog(options.showDialog);
        if (uninstallRequest == 1)
            uninstall();
        setpopup();
        act([this] {
            engine->applyCursorOption(options.cursor ? kHandCursorNumber : kDefaultCursor);
        });
        if (chosen.scoreMode != options.scoreMode || chosen.drawThree != options.drawThree ||
            chosen.saveScore != options.saveScore) {
            act([&] {
                if (!engine->changeRules(chosen.scoreMode, chosen.drawThree, chosen.saveScore))
                    return;
                options.scoreMode = chosen.scoreMode;
                options.drawThree = chosen.drawThree;
                options.saveScore = chosen.saveScore;
            });
        }
    }
    if (FormOptions->newlang() == 1)
        changelang();
}

void TForm1::uninstall() {
    QMessageBox question(QMessageBox::Question, langtext(126),
                         langtext(124) + u'\n' + langtext(125), QMessageBox::Yes | QMessageBox::No,
                         this);
    question.setDefaultButton(QMessageBox::No);
    if (question.exec() != QMessageBox::Yes)
        return;
    if (!removeProgramKey()) {
        QMessageBox(QMessageBox::Critical, langtext(126), langtext(128), QMessageBox::Ok, this)
            .exec();
        return;
    }
    QMessageBox(QMessageBox::Information, langtext(126), langtext(127), QMessageBox::Ok, this)
        .exec();
    // Closing is not Exit: nothing is written, so the records stay removed.
    storeRemoved = true;
    close();
}
