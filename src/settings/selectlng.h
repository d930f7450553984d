#pragma once

#include <QDialog>

class QFrame;
class QPlainTextEdit;
class QPushButton;
class RadioGroup;

// The language chooser: the instruction in every language, one entry per
// language of the text table, and OK. It has no Cancel: however it is closed,
// the highlighted language is the answer.
class TFormSelLang : public QDialog {
    Q_OBJECT
public:
    explicit TFormSelLang(QWidget* parent = nullptr);

    // Shows the chooser modally with `current` highlighted; returns the
    // language picked (1 Russian, 2 English, more when the table has them).
    int pokaz(int current);

    // How many languages the text table offers, 2 to 6.
    static int languageCount();

    QFrame* Bevel1;
    QPlainTextEdit* Memo1;   // the instruction lines
    RadioGroup* RadioGroup1; // one entry per language, two columns
    QPushButton* BtnOK;

public Q_SLOTS:
    void BtnOKClick();

protected:
    void showEvent(QShowEvent* event) override;

private:
    // Centred on the screen, counting the frame the window system adds.
    void centre(const QMargins& frame);
};

extern TFormSelLang* FormSelLang;
