#pragma once

#include <QImage>
#include <QWidget>

#include <functional>

// The few controls of the About box that Qt has no exact match for: panels
// whose bevels and border are separate, animatable widths, a bevelled box,
// and a picture that stretches to whatever size it is given.

enum class BevelKind { None, Lowered, Raised };

// The greys of the About box, fixed so the embossed lettering always sits
// on the grey it was drawn for, whatever the desktop's colours.
inline constexpr QRgb kAboutSilver = 0xffc0c0c0;
inline constexpr QRgb kAboutHighlight = 0xffffffff;
inline constexpr QRgb kAboutShadow = 0xff808080;

// A panel drawn from the outside in: the outer bevel, a border of the panel's
// own grey, the inner bevel, then the face. A wider border pushes the inner
// bevel towards the middle, which is how the icon's frame grows from a point.
class AboutPanel : public QWidget {
public:
    AboutPanel(BevelKind outer, BevelKind inner, int bevelWidth, QWidget* parent);

    int borderWidth() const { return border; }
    void setBorderWidth(int width);
    int bevelWidth() const { return bevel; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    BevelKind outer;
    BevelKind inner;
    int bevel;
    int border = 0;
};

// A one-pixel raised box with nothing inside, drawn round the title panel.
class BevelBox : public QWidget {
public:
    explicit BevelBox(QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;
};

// A picture stretched to the widget's size (the growing icon), or shown at
// its own size when the two agree (the lettering). It is drawn from its
// source when first needed, at the screen's pixel ratio, so a picture that
// is never shown costs nothing. Reports double clicks.
class StretchedPicture : public QWidget {
    Q_OBJECT
public:
    // Draws the picture at `ratio` device pixels per logical pixel.
    using Source = std::function<QImage(qreal ratio)>;

    StretchedPicture(Source source, QWidget* parent);

    const QImage& picture() const;

Q_SIGNALS:
    void doubleClicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    Source source;
    mutable QImage image;
};
