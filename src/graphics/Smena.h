#pragma once

#include <QDialog>
#include <QRect>

#include <array>

class PictureControl;
class QFrame;
class QPushButton;
class TBankForm;

// The card-back chooser: the twelve back designs in two rows of six, a frame
// around the chosen one, OK and Cancel. The main window opens it with
// firstrub and reads the answer with whatrub; the arrow keys move the frame
// even while a button has the focus.
class TFormsmena : public QDialog {
    Q_OBJECT
public:
    static constexpr int kBacks = 12;

    explicit TFormsmena(const TBankForm& bank, QWidget* parent = nullptr);

    // The main window sets the caption and these texts for the chosen language.
    QPushButton* BitBtn1; // OK
    QPushButton* BitBtn2; // Cancel
    // The selection frame around the chosen thumbnail.
    QFrame* Bevel1;

    // Thumbnail n = 1..12, showing back design n.
    PictureControl* image(int n) const { return images[size_t(n)]; }

    // Opens the dialog modally over the main window's rectangle with
    // currentBack chosen; returns when it closes.
    void firstrub(int mainLeft, int mainTop, int mainWidth, int mainHeight, int currentBack);
    // The back chosen in the last firstrub, 1..12, or -1 if it was cancelled.
    int whatrub() const { return selected; }

    // Lays out the dialog and places it over the main window; runs on every show.
    void FormShow();
    // Puts the selection frame around thumbnail n.
    void stayramka(int n);
    // Moves the selection for an arrow key, wrapping within a row and
    // between the rows; false for any other key.
    bool FormKeyDown(int key);

public Q_SLOTS:
    void clickdeck(PictureControl* thumbnail);
    void BitBtn1Click();
    void BitBtn2Click();

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void roundCorners(PictureControl& thumbnail);

    const TBankForm& bank;
    std::array<PictureControl*, kBacks + 1> images{}; // slot 0 unused
    int selected = 1;
    int initial = 1;
    QRect mainWindow;
};

// The one chooser of the run.
extern TFormsmena* Formsmena;
