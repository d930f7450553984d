#pragma once

#include "ShadowLabel.h"
#include <QDialog>
#include <QTimer>

class QFrame;

// What the banner's last line says.
inline constexpr int kBannerBest = 1;       // the result is one of the best
inline constexpr int kBannerVictory = 2;    // the game is won
inline constexpr int kBannerChosenDeal = 3; // won, but a chosen deal enters no table

// The victory banner: three shadowed lines, the last of them saying whether
// the result is one of the best and working as a button that closes the
// banner; the title bar spells a congratulation one letter at a time. Any key
// closes it too. Created at start-up and hidden until a game is won; its
// timers run only while it is shown.
class TFormVict : public QDialog {
    Q_OBJECT
public:
    explicit TFormVict(QWidget* parent = nullptr);

    // Shows the banner modally over the owner's rectangle, greeting in
    // `lang`. The kind is one of the kBanner values above; any other keeps
    // the line as it was. Returns when it closes.
    void pokaz(int lang, int kind, int ownerLeft, int ownerTop, int ownerWidth, int ownerHeight);

    // Raises the line's frame exactly while `globalPos` lies inside the line
    // (its edges excluded).
    void hovertest(QPoint globalPos);

    QFrame* Bevel1;
    QFrame* Bevel2;
    QFrame* Bevel3; // the result line's button frame, shown under the pointer
    ShadowLabel* RxLabel1;
    ShadowLabel* RxLabel2;
    ShadowLabel* RxLabel3; // the result line
    QTimer Timer1;         // title animation
    QTimer Timer2;         // pointer watch, where the platform tells where the pointer is

    // Whether Timer2 can follow the pointer by its screen position. Where it
    // cannot (Wayland tells no client where the pointer is), the line's own
    // enter, leave and move events do the same work.
    static bool pointerPositionKnown();

public Q_SLOTS:
    // Adds a letter to the title, or empties it after the last one.
    void Timer1Timer();
    void Timer2Timer();

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QString titleText;
    int titleCounter = 0;
    bool polling = pointerPositionKnown();
};

extern TFormVict* FormVict;
