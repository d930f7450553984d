#include "Formbank.h"

#include "LogicalPixels.h"
#include "resources.h"

#include <QPainter>
#include <QPainterPath>

TBankForm* BankForm = nullptr;

namespace {

const QColor kTable(0, 128, 0);

QImage blank(qreal ratio, const QColor& fill) {
    QImage img = makePicture(TBankForm::kWidth, TBankForm::kHeight, ratio);
    img.fill(fill);
    return img;
}

QString suitSymbol(int suit) {
    static const char16_t symbols[] = {u'\u2665', u'\u2666', u'\u2663', u'\u2660'};
    return QString(QChar(symbols[suit - 1]));
}

QString faceLabel(int faceNumber) {
    switch (faceNumber) {
    case 11:
        return QStringLiteral("J");
    case 12:
        return QStringLiteral("Q");
    case 13:
        return QStringLiteral("K");
    case 14:
        return QStringLiteral("A");
    default:
        return QString::number(faceNumber);
    }
}

QImage drawFace(int suit, int faceNumber, qreal ratio) {
    QImage img = blank(ratio, Qt::white);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setPen(QColor(60, 60, 60));
    p.drawRect(QRectF(0.5, 0.5, TBankForm::kWidth - 1, TBankForm::kHeight - 1));
    const QColor ink = suit <= 2 ? QColor(200, 0, 0) : Qt::black;
    p.setPen(ink);
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(13);
    f.setBold(true);
    p.setFont(f);
    p.drawText(QRectF(2, 2, 20, 14), Qt::AlignCenter, faceLabel(faceNumber));
    p.drawText(QRectF(2, 15, 20, 14), Qt::AlignCenter, suitSymbol(suit));
    f.setPixelSize(faceNumber >= 11 ? 30 : 34);
    p.setFont(f);
    const QString centre = faceNumber >= 11 && faceNumber <= 13
                               ? faceLabel(faceNumber) + suitSymbol(suit)
                               : suitSymbol(suit);
    p.drawText(QRectF(0, 20, TBankForm::kWidth, 56), Qt::AlignCenter, centre);
    return img;
}

QImage drawBack(int n, qreal ratio) {
    static const QColor colours[TBankForm::kBackCount] = {
        {30, 60, 160}, {200, 170, 30}, {40, 70, 170},  {20, 80, 40},  {40, 130, 60},  {120, 190, 230},
        {20, 40, 110}, {180, 90, 160}, {50, 90, 180},  {230, 200, 40}, {30, 30, 90}, {240, 200, 130}};
    QImage img = blank(ratio, Qt::white);
    QPainter p(&img);
    p.fillRect(QRectF(3, 3, TBankForm::kWidth - 6, TBankForm::kHeight - 6), colours[n - 1]);
    p.setPen(QPen(Qt::white, 1));
    for (int i = 0; i < n + 2; ++i)
        p.drawLine(QPointF(6 + i * 5, 6), QPointF(TBankForm::kWidth - 6, 90 - i * 6));
    return img;
}

QImage drawMarker(int which, qreal ratio) {
    if (which == 0) { // ImJoker: grey dots
        QImage img = blank(ratio, Qt::white);
        QPainter p(&img);
        for (int y = 1; y < TBankForm::kHeight; y += 3)
            for (int x = (y / 3) % 2; x < TBankForm::kWidth; x += 2)
                p.fillRect(QRectF(x, y, 1, 1), Qt::gray);
        return img;
    }
    QImage img = blank(ratio, kTable);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    if (which == 1) { // impusto: a bright green ring
        p.setPen(QPen(QColor(0, 255, 0), 5));
        p.drawEllipse(QPointF(35.5, 48), 22, 22);
    } else { // Imkrest: a red cross
        p.setPen(QPen(QColor(255, 0, 0), 6, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(15, 28), QPointF(56, 68));
        p.drawLine(QPointF(56, 28), QPointF(15, 68));
    }
    return img;
}

} // namespace

TBankForm::TBankForm(qreal devicePixelRatio) : ratio(devicePixelRatio) {
    initZarvekResources();
    pictures.reserve(kKrest + 1);
    for (int suit = 1; suit <= 4; ++suit)
        for (int face = 2; face <= 14; ++face)
            pictures.push_back(drawFace(suit, face, ratio));
    for (int n = 1; n <= kBackCount; ++n)
        pictures.push_back(drawBack(n, ratio));
    for (int m = 0; m < 3; ++m)
        pictures.push_back(drawMarker(m, ratio));
}

const QImage& TBankForm::imageOfMD(int suit, int rank) const {
    return pictures[(suit - 1) * 13 + (rank - 1)];
}

const QImage& TBankForm::back(int n) const { return pictures[kFaces + n - 1]; }

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
    return i < 0 ? ImJoker() : pictures[size_t(i)];
}

QImage TBankForm::rukaImage() const {
    QImage img(int(32 * ratio), int(32 * ratio), QImage::Format_ARGB32_Premultiplied);
    img.setDevicePixelRatio(ratio);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(Qt::white);
    QPainterPath hand;
    hand.addRoundedRect(QRectF(8, 5, 5, 14), 2.5, 2.5); // index finger, tip at (10, 6)
    hand.addRoundedRect(QRectF(6, 15, 16, 13), 4, 4);   // palm and folded fingers
    p.drawPath(hand.simplified());
    return img;
}
