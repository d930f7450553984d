#pragma once

#include <QLabel>

// A label whose text casts a shadow: the text is painted first in grey,
// two pixels right and down, then in the label's own colour on top. The
// background stays transparent, so the label sits on any surface.
class ShadowLabel : public QLabel {
    Q_OBJECT
public:
    explicit ShadowLabel(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};
