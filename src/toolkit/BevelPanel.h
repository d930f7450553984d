#pragma once

#include "ClickTracker.h"

#include <QLabel>

// A panel of the old form designer: one line of text inside an outer and an
// inner one-pixel bevel, each raised, lowered or absent, with the border
// width between them, and a click reported like a button's.
class BevelPanel : public QLabel {
    Q_OBJECT
public:
    enum class Bevel { None, Raised, Lowered };

    BevelPanel(Bevel outer, Bevel inner, int borderWidth, QWidget* parent = nullptr);

    // The text colour, for panels that set their text apart.
    void setTextColour(const QColor& colour);

Q_SIGNALS:
    // The left button pressed and released over the panel.
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    Bevel outer;
    Bevel inner;
    int border;
    ClickTracker tracker;
};
