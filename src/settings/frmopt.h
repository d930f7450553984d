#pragma once

#include "Settings.h"

#include <QDialog>
#include <QRect>

class QCheckBox;
class QFrame;
class QPushButton;
class QStackedWidget;
class QTabBar;
class RadioGroup;

// The options dialog: the game's rules on page "gamepage", the table's
// behaviour on page "optpage", the language and the removal of the stored
// records. It stores nothing; the Options command takes its values over.
class TFormOptions : public QDialog {
    Q_OBJECT
public:
    explicit TFormOptions(QWidget* parent = nullptr);

    // Fills the controls from `values`, places the dialog over the owner's
    // rectangle and shows it modally; returns when it closes.
    void setopt(const QRect& owner, const Settings& values);
    // 1 when the dialog's values are to be applied. Kept between openings.
    int ischang() const { return outcome; }
    // 1 when "Change language" closed the dialog.
    int newlang() const { return newLanguage; }
    // The eight options as the dialog shows them, and the removal request.
    void getopt(Settings& values, int& uninstall) const;

    // The help topic of the dialog, from the text table.
    int helpContext = 101;

    QFrame* Bevel1;
    QStackedWidget* Noteopt; // pages "gamepage" and "optpage"
    QTabBar* TabSet1;
    RadioGroup* RadioScore;
    RadioGroup* RadioShow;
    QCheckBox* Checkscore;
    QCheckBox* CheckUndo; // "Allow undo", under the score modes
    QPushButton* BitBtn1; // OK
    QPushButton* BitBtn3; // Cancel
    QPushButton* BitBtn2; // Help
    QCheckBox* CheckCur;
    QCheckBox* CheckOpNew;
    QCheckBox* CheckShowMenu;
    QCheckBox* CheckShowDialog;
    QCheckBox* CheckShowHint;
    QCheckBox* CheckWinnable; // "Deal only winnable games"
    QPushButton* BitBtn4;     // Change language
    QPushButton* BtnDop;      // uncovers BtnUninst
    QPushButton* BtnUninst;

Q_SIGNALS:
    // The Help button: the contents of the current help file.
    void helpRequested();

public Q_SLOTS:
    void TabSet1Change(int newTab);
    void BitBtn1Click();
    void BitBtn3Click();
    void BitBtn2Click();
    void BitBtn4Click();
    void BtnDopClick();
    void BtnUninstClick();

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void reject() override;

private:
    void buildGamePage(QWidget* page);
    void buildOptPage(QWidget* page);

    int outcome = 0;
    int uninstallRequest = 0;
    int newLanguage = 0;
    QRect ownerRect;
};

extern TFormOptions* FormOptions;
