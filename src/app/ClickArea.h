#pragma once

#include "ClickTracker.h"

#include <QWidget>

// A plain surface that reports left clicks (press and release over it): the
// green playing panel and the bare window around it.
class ClickArea : public QWidget {
    Q_OBJECT
public:
    explicit ClickArea(QWidget* parent = nullptr);

Q_SIGNALS:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    ClickTracker tracker;
};
