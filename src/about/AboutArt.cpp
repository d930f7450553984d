#include "AboutArt.h"

#include "Formbank.h"
#include "resources.h"

#include <QPainter>
#include <QSvgRenderer>
#include <QtMath>

namespace {

QString source(AboutPicture which) {
    switch (which) {
    case AboutPicture::NameR:
        return QStringLiteral(":/art/about/title-rus.svg");
    case AboutPicture::NameE:
        return QStringLiteral(":/art/about/title-eng.svg");
    case AboutPicture::NamR:
        return QStringLiteral(":/art/about/credit-rus.svg");
    case AboutPicture::NamE:
        return QStringLiteral(":/art/about/credit-eng.svg");
    }
    return {};
}

QSize devicePixels(QSize logical, qreal ratio) {
    return {qCeil(logical.width() * ratio), qCeil(logical.height() * ratio)};
}

} // namespace

QImage renderAboutPicture(AboutPicture which, QSize size, qreal ratio) {
    initZarvekResources();
    QSvgRenderer svg(source(which));
    QImage img(devicePixels(size, ratio), QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    svg.render(&p, QRectF(QPointF(0, 0), img.size()));
    p.end();
    img.setDevicePixelRatio(ratio);
    return img;
}

QImage renderAboutIcon(int size, qreal ratio) {
    QImage img = TBankForm::programIconImage(qCeil(size * ratio));
    img.setDevicePixelRatio(ratio);
    return img;
}

QIcon aboutWindowIcon() {
    return TBankForm::programIcon();
}
