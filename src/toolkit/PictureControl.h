#pragma once

#include "ClickTracker.h"

#include <QImage>
#include <QWidget>

// A picture on a form that reports clicks: shows one QImage at the image's
// own device pixel ratio (so art rendered at 2x stays crisp on a 2x screen)
// and carries a number, its tag, that tells its handler which picture it is.
class PictureControl : public QWidget {
    Q_OBJECT
public:
    explicit PictureControl(int tag, QWidget* parent = nullptr);

    int tag() const { return number; }

    const QImage& picture() const { return image; }
    // Mutable access for painting on this control's own copy; repaint after.
    QImage& picture() { return image; }
    void setPicture(const QImage& img);

Q_SIGNALS:
    // A left button pressed and released over the picture.
    void clicked(PictureControl* control);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    int number;
    QImage image;
    ClickTracker tracker;
};
