#include "CardDrag.h"

#include "PictureControl.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPropertyAnimation>

#include <utility>

namespace {

constexpr int kGlideMs = 150;

} // namespace

CardDrag::CardDrag(QWidget* panel, CanDrag canDrag, Dropped dropped, Home home, Settled settled)
    : QObject(panel), panel(panel), canDrag(std::move(canDrag)), dropped(std::move(dropped)),
      home(std::move(home)), settled(std::move(settled)) {}

void CardDrag::watch(PictureControl* card) {
    card->installEventFilter(this);
}

bool CardDrag::eventFilter(QObject* watched, QEvent* event) {
    auto* card = qobject_cast<PictureControl*>(watched);
    if (!card)
        return false;
    const QEvent::Type type = event->type();
    if (type != QEvent::MouseButtonPress && type != QEvent::MouseButtonDblClick &&
        type != QEvent::MouseMove && type != QEvent::MouseButtonRelease)
        return false;
    const auto* mouse = static_cast<QMouseEvent*>(event);
    switch (type) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick: // a quick second press is a press too
        if (glide)
            finish(); // a card still gliding back lands at once
        if (mouse->button() == Qt::LeftButton && !active) {
            pressedOn = card;
            held = false;
            pressAt = card->mapTo(panel, mouse->position().toPoint());
            grabOffset = mouse->position().toPoint();
        }
        return false; // the card's own click tracking sees the press
    case QEvent::MouseMove: {
        if (held && !active)
            return true; // called off while held: it stays put until let go
        if (pressedOn != card || !(mouse->buttons() & Qt::LeftButton))
            return false;
        const QPoint at = card->mapTo(panel, mouse->position().toPoint());
        if (!active) {
            if ((at - pressAt).manhattanLength() < QApplication::startDragDistance() ||
                !canDrag(card->tag()))
                return false;
            active = true;
            held = true;
            activeCard = card->tag();
            dragged = card;
        }
        if (!glide) {
            card->raise();
            card->move(at - grabOffset);
        }
        return true;
    }
    case QEvent::MouseButtonRelease: {
        if (mouse->button() != Qt::LeftButton || pressedOn != card)
            return false;
        pressedOn = nullptr;
        if (!std::exchange(held, false))
            return false; // a click: the card reports it
        if (!active)
            return true; // called off while held
        if (glide)
            return true;
        // The topmost card beneath the dragged one is the one dropped on.
        const QPoint at = card->mapTo(panel, mouse->position().toPoint());
        card->hide();
        const auto* under = qobject_cast<PictureControl*>(panel->childAt(at));
        card->show();
        if (dropped(activeCard, under ? under->tag() : 0))
            finish();
        else
            glideBack();
        return true;
    }
    default:
        return false;
    }
}

void CardDrag::glideBack() {
    if (!dragged) {
        finish();
        return;
    }
    glide = new QPropertyAnimation(dragged.data(), "pos", this);
    glide->setDuration(kGlideMs);
    glide->setEndValue(home(activeCard));
    glide->setEasingCurve(QEasingCurve::OutCubic);
    connect(glide, &QPropertyAnimation::finished, this, &CardDrag::finish);
    glide->start();
}

void CardDrag::cancel() {
    if (active)
        finish();
}

void CardDrag::finish() {
    if (glide) {
        glide->stop();
        glide->deleteLater();
        glide = nullptr;
    }
    active = false;
    activeCard = 0;
    dragged = nullptr;
    settled();
}
