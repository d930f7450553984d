#include "Formbank.h"

#include "ArtKit.h"
#include "BackArt.h"
#include "FaceArt.h"
#include "MarkerArt.h"
#include "resources.h"

#include <QIcon>
#include <QIconEngine>
#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>

#include <algorithm>

TBankForm* BankForm = nullptr;

namespace {

// The store keeps a copy of each painted picture rather than the picture
// itself: an image that was painted on holds its paint engine, with the
// engine's brush and clip buffers, for as long as it lives, a few kilobytes
// for each of the 67 pictures that are never painted on again.
QImage kept(const QImage& painted) {
    return painted.copy();
}

} // namespace

TBankForm::TBankForm(qreal devicePixelRatio)
    : ratio(devicePixelRatio), pictures(size_t(kKrest + 1)) {
    pictures[kJoker] = kept(paintJokerPicture(ratio));
    pictures[kPusto] = kept(paintPustoPicture(ratio));
    pictures[kKrest] = kept(paintKrestPicture(ratio));
}

void TBankForm::paintCards() const {
    if (facesPainted)
        return;
    facesPainted = true;
    const ArtKit art(ratio);
    size_t i = 0;
    for (int suit = 1; suit <= 4; ++suit)
        for (int face = 2; face <= 14; ++face)
            pictures[i++] = kept(paintFacePicture(art, suit, face));
}

const QImage& TBankForm::imageOfMD(int suit, int rank) const {
    paintCards();
    return pictures[size_t((suit - 1) * 13 + (rank - 1))];
}

const QImage& TBankForm::back(int n) const {
    QImage& picture = pictures[size_t(kFaces + n - 1)];
    if (picture.isNull())
        picture = kept(paintBackPicture(ArtKit(ratio), n));
    return picture;
}

QStringList TBankForm::pictureNames() {
    QStringList names;
    for (int suit = 1; suit <= 4; ++suit)
        for (int face = 2; face <= 14; ++face)
            names << QStringLiteral("Imcard%1%2").arg(suit).arg(face);
    for (int n = 1; n <= kBackCount; ++n)
        names << QStringLiteral("ImRub%1").arg(n);
    names << QStringLiteral("ImJoker") << QStringLiteral("impusto") << QStringLiteral("Imkrest");
    return names;
}

const QImage& TBankForm::picture(const QString& name) const {
    static const QStringList names = pictureNames();
    const qsizetype i = names.indexOf(name);
    if (i < 0)
        return ImJoker();
    if (i < kFaces)
        paintCards();
    else if (i < kJoker)
        return back(int(i - kFaces + 1));
    return pictures[size_t(i)];
}

QImage TBankForm::rukaImage() const {
    return paintRukaPicture(ratio);
}

namespace {

QImage renderIcon(QSvgRenderer& svg, int size) {
    QImage img(size, size, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    svg.render(&p, QRectF(0, 0, size, size));
    return img;
}

QString iconSource() {
    initZarvekResources();
    return QStringLiteral(":/art/program-icon.svg");
}

constexpr int kIconSizes[] = {16, 24, 32, 48, 64, 128, 256};

// The program icon painted from its SVG whenever a size is asked for. The
// window system copies a window's icon once, when it is set; pictures kept
// in the icon besides would hold a third of a megabyte, mostly in the two
// largest sizes, for nothing.
class ProgramIconEngine : public QIconEngine {
public:
    void paint(QPainter* painter, const QRect& rect, QIcon::Mode, QIcon::State) override {
        QSvgRenderer(iconSource()).render(painter, QRectF(rect));
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode, QIcon::State) override {
        if (size.isEmpty())
            return {};
        QSvgRenderer svg(iconSource());
        return QPixmap::fromImage(renderIcon(svg, std::min(size.width(), size.height())));
    }
    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override {
        QList<QSize> sizes;
        for (int size : kIconSizes)
            sizes << QSize(size, size);
        return sizes;
    }
    QIconEngine* clone() const override { return new ProgramIconEngine; }
    QString key() const override { return QStringLiteral("ZarvekProgramIcon"); }
};

} // namespace

QImage TBankForm::programIconImage(int size) {
    QSvgRenderer svg(iconSource());
    return renderIcon(svg, size);
}

QIcon TBankForm::programIcon() {
    return QIcon(new ProgramIconEngine);
}
