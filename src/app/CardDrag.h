#pragma once

#include <QObject>
#include <QPoint>
#include <QPointer>

#include <functional>

class PictureControl;
class QPropertyAnimation;

// Dragging a card that could be clicked: past the platform's drag distance
// the card follows the pointer above all others; let go over another card,
// `dropped` decides. A drag that comes to nothing glides the card back. A
// press and release that moves less stays the card's plain click.
class CardDrag : public QObject {
    Q_OBJECT
public:
    using CanDrag = std::function<bool(int card)>;
    // True when the drop was taken (the scene then places every card).
    using Dropped = std::function<bool(int card, int target)>;
    // `home` gives where a card lies on the table when it is not dragged.
    using Home = std::function<QPoint(int card)>;
    // The drag is over: the window puts every card where the scene says.
    using Settled = std::function<void()>;

    CardDrag(QWidget* panel, CanDrag canDrag, Dropped dropped, Home home, Settled settled);

    // Watches a card's mouse events.
    void watch(PictureControl* card);
    // The card being dragged or gliding back, or 0.
    int card() const { return active ? activeCard : 0; }
    // Puts a dragged card straight back: Escape, a lost focus, a pause.
    void cancel();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void glideBack();
    void finish();

    QWidget* panel;
    CanDrag canDrag;
    Dropped dropped;
    Home home;
    Settled settled;
    QPointer<PictureControl> pressedOn;
    QPointer<PictureControl> dragged;
    QPoint pressAt;      // in panel coordinates
    QPoint grabOffset;   // from the card's corner to the pointer
    bool active = false; // dragging, or gliding back
    bool held = false;   // a drag began with this press: its release is no click
    int activeCard = 0;
    QPropertyAnimation* glide = nullptr;
};
