#include "ContactSheet.h"

#include "Formbank.h"

#include <QFont>
#include <QPainter>

namespace {

constexpr int kColumns = 13;
constexpr int kGap = 10;
constexpr int kLabel = 16;
constexpr int kHeading = 28;

// Picture rows: four suits, the backs, then markers and cursor.
int rowCount() {
    return 4 + 1 + 1;
}

QImage unscaled(QImage img) {
    img.setDevicePixelRatio(1);
    return img;
}

class Sheet {
public:
    Sheet(QPainter& p, int top) : p(p), top(top) {}

    // Draws one section; returns the y below it.
    int section(const TBankForm& bank, const QString& heading) {
        const qreal r = bank.devicePixelRatio();
        cellW = int(TBankForm::kWidth * r) + kGap;
        cellH = int(TBankForm::kHeight * r) + kLabel + kGap;
        p.setPen(Qt::white);
        p.setFont(headingFont());
        p.drawText(QPoint(kGap, top + 20), heading);
        top += kHeading;
        const QStringList names = TBankForm::pictureNames();
        for (int i = 0; i < 52; ++i)
            cell(i / 13, i % 13, bank.picture(names[i]), names[i]);
        for (int n = 0; n < TBankForm::kBackCount; ++n)
            cell(4, n, bank.picture(names[52 + n]), names[52 + n]);
        for (int m = 0; m < 3; ++m)
            cell(5, m, bank.picture(names[64 + m]), names[64 + m]);
        cursorCell(bank, 5, 3);
        const int iconSize = int(64 * r);
        cell(5, 4, TBankForm::programIconImage(iconSize), QStringLiteral("icon %1").arg(iconSize));
        cell(5, 5, TBankForm::programIconImage(int(16 * r)), QStringLiteral("icon %1").arg(16 * r));
        top += rowCount() * cellH;
        return top;
    }

private:
    static QFont headingFont() {
        QFont f(QStringLiteral("DejaVu Sans"));
        f.setPixelSize(16);
        f.setBold(true);
        return f;
    }

    QPoint origin(int row, int col) const { return {kGap + col * cellW, top + row * cellH}; }

    void cell(int row, int col, const QImage& img, const QString& label) {
        const QPoint o = origin(row, col);
        p.drawImage(o, unscaled(img));
        QFont f(QStringLiteral("DejaVu Sans"));
        f.setPixelSize(10);
        p.setFont(f);
        p.setPen(Qt::white);
        p.drawText(QRect(o.x(), o.y() + img.height() + 1, cellW, kLabel), Qt::AlignLeft, label);
    }

    // The cursor on white and on the table, with red ticks above and beside
    // it pointing at the hot spot, so its place on the finger tip can be checked.
    void cursorCell(const TBankForm& bank, int row, int col) {
        const QImage hand = unscaled(bank.rukaImage());
        const QPoint o = origin(row, col);
        const QPoint hot = o + TBankForm::rukaHotSpot() * bank.devicePixelRatio();
        p.fillRect(QRect(o, hand.size()), Qt::white);
        p.drawImage(o, hand);
        p.drawImage(o + QPoint(0, hand.height() + 4), hand);
        p.setPen(Qt::red);
        p.drawLine(QPoint(hot.x(), o.y() - 5), QPoint(hot.x(), o.y() - 2));
        p.drawLine(QPoint(o.x() + hand.width() + 1, hot.y()),
                   QPoint(o.x() + hand.width() + 4, hot.y()));
        p.setPen(Qt::white);
        p.drawText(QRect(o.x(), o.y() + 2 * hand.height() + 6, cellW, kLabel), Qt::AlignLeft,
                   QStringLiteral("RUKA"));
    }

    QPainter& p;
    int top;
    int cellW = 0;
    int cellH = 0;
};

} // namespace

QImage renderContactSheet(const TBankForm& normal, const TBankForm& sharp) {
    const int width = kGap + kColumns * (TBankForm::kWidth * 2 + kGap);
    const int height = 2 * kHeading + rowCount() * (TBankForm::kHeight * 3 + 2 * (kLabel + kGap));
    QImage sheet(width, height, QImage::Format_RGB32);
    sheet.fill(QColor(0, 128, 0));
    QPainter p(&sheet);
    Sheet s(p, 0);
    s.section(normal, QStringLiteral("Store at 1x (logical size)"));
    s.section(sharp, QStringLiteral("Store at 2x (device pixels)"));
    return sheet;
}
