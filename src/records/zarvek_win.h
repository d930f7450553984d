#pragma once

#include "BevelPanel.h"
#include "WinnersTables.h"

#include <QDialog>

#include <array>

class QFrame;
class QTabBar;

// The winners tables dialog: one page per table, chosen with the tab strip,
// five ranks under a header row. A click on the caption panel offers to
// clear the page's table. Created at start-up and hidden until a won game or
// the Winners command shows it; any key closes it.
class TFormwin : public QDialog {
    Q_OBJECT
public:
    explicit TFormwin(QWidget* parent = nullptr);

    // Opens the dialog modally on `page` (1..3, the table index + 1), over the
    // owner's rectangle, its own texts in `lang`; returns when it closes.
    void showpage(int lang, int page, int ownerTop, int ownerLeft, int ownerHeight, int ownerWidth);
    // Builds the rows on the first call; on every call reloads the tables
    // from the store and shows the current page.
    void firstcreate();
    // Adds a won game to `table` (0..2) as the table is stored now, and stores
    // the whole table at once; a result no longer among the best five is left out.
    void newwinner(int table, qint32 score, qint32 time, const QString& name,
                   qint32 deal = kNoDeal);
    // Fills the rows from table page - 1; a page outside 1..3 changes nothing.
    void showscore(int page);
    // Asks, then empties the selected tab's table on the page and in the store.
    void clearscore();
    // Centres the dialog over the owner, pulled 4 pixels inside the screen
    // when it would run over an edge.
    void centerform(int ownerTop, int ownerLeft, int ownerHeight, int ownerWidth);
    // Where centerform puts a dialog of `dialog` (frame included) size.
    static QPoint centerPosition(const QRect& owner, QSize dialog, QSize screen);

    QFrame* Bevel1;
    BevelPanel* Panelcapt; // the caption panel; a click offers to clear the table
    QTabBar* Tabrez;       // one tab per table

    // Row 1 is the header, rows 2..6 show ranks 1..5.
    BevelPanel* nameRow(int row) const { return names[size_t(row)]; }
    BevelPanel* valueRow(int row) const { return values[size_t(row)]; }
    const WinnersTables& tables() const { return slots; }

public Q_SLOTS:
    void TabrezChange(int newTab);
    void PanelcaptClick();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void buildRows();
    // Text n in the dialog's language.
    QString text(int n) const;

    WinnersTables slots;
    int dialogLanguage = 2;
    int page = 1;
    static constexpr int kRows = 6;
    std::array<BevelPanel*, kRows + 1> names{}; // slot 0 unused
    std::array<BevelPanel*, kRows + 1> values{};
};

extern TFormwin* Formwin;
