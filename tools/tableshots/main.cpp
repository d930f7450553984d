// Renders the real main window through scripted games to PNG files, so the
// table can be looked at in the situations a quick play-through rarely
// reaches: three-card fans, a redeal, pause, a pair and a King removed.
//
//   table_shots OUTPUT_DIR      (QT_SCALE_FACTOR=2 renders at 200 %)
#include "Form1.h"
#include "ScratchStore.h"
#include "Windows.h"

#include <QApplication>
#include <QDir>

namespace {

void save(const QString& dir, const QString& name) {
    QApplication::processEvents();
    Form1->grab().save(QDir(dir).filePath(name + QStringLiteral(".png")));
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc < 2) {
        qWarning("usage: table_shots OUTPUT_DIR");
        return 2;
    }
    const QString dir = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(dir);
    TForm1::timeOfDay = [] { return quint32(45296789); };
    const ScratchStore store;
    createWindows();
    Form1->show();
    Game& game = Form1->game();

    game.setScoreMode(smStandard);
    game.setDrawThree(1);
    game.setShowDialog(false);
    Form1->N21Click();
    save(dir, QStringLiteral("standard-deal"));
    for (int i = 0; i < 3; ++i)
        Form1->PanelMainClick();
    save(dir, QStringLiteral("three-card-fan"));
    for (int i = 0; i < 5; ++i)
        Form1->PanelMainClick();
    save(dir, QStringLiteral("stock-empty"));
    Form1->menurozd->trigger();
    save(dir, QStringLiteral("after-redeal"));
    Form1->PanelMainClick();
    Form1->menupause->trigger();
    save(dir, QStringLiteral("paused"));

    // The same deal again: 23 and 27 are a Four and a Nine, 24 a King.
    Form1->menupause->trigger();
    Form1->N21Click();
    Form1->ImageClick(Form1->cardImages[23]);
    Form1->ImageClick(Form1->cardImages[27]);
    save(dir, QStringLiteral("pair-removed"));
    Form1->ImageClick(Form1->cardImages[24]);
    save(dir, QStringLiteral("king-removed"));

    destroyWindows();
    return 0;
}
