#include "Smena.h"

#include "DialogFlags.h"
#include "DialogPlacement.h"
#include "Formbank.h"
#include "LogicalPixels.h"
#include "PictureControl.h"

#include <QFrame>
#include <QKeyEvent>
#include <QPainter>
#include <QPushButton>
#include <QShowEvent>

#include <algorithm>

TFormsmena* Formsmena = nullptr;

namespace {

constexpr int W = TBankForm::kWidth;
constexpr int H = TBankForm::kHeight;
constexpr int kPerRow = 6;
constexpr int kGap = 6;        // between thumbnails; the frame sits in half of it
constexpr int kBorder = 4;     // client edge to the first thumbnail
constexpr int kFrameSpace = 3; // frame line to thumbnail
constexpr int kMinButtonHeight = 25;

QPoint thumbnailPos(int k) {
    const int r = k <= kPerRow ? 1 : 2;
    const int c = k - kPerRow * (r - 1);
    return {(c - 1) * (W + kGap) + kBorder, (r - 1) * (H + kGap) + kBorder};
}

// The colour `amount` of the way from a to b.
QColor mix(const QColor& a, const QColor& b, double amount) {
    const auto channel = [amount](int from, int to) { return int(from + (to - from) * amount); };
    return QColor(channel(a.red(), b.red()), channel(a.green(), b.green()),
                  channel(a.blue(), b.blue()));
}

// The selection frame: a raised, etched box of three one-pixel rings that
// fills the gap between a thumbnail and its neighbours. Painted here rather
// than by QFrame because QFrame's shaded lines land half a pixel off at 2x,
// leaving a blurred, clipped outer ring; and the style's shades barely show
// on the dialog's grey, so they are mixed from the dialog's text colour.
class EtchedFrame : public QFrame {
public:
    explicit EtchedFrame(QWidget* parent) : QFrame(parent) {
        setFrameStyle(QFrame::Box | QFrame::Raised);
        setLineWidth(1);
        setMidLineWidth(1);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        const QColor window = palette().color(QPalette::Window);
        const QColor text = palette().color(QPalette::WindowText);
        const QColor light = palette().color(QPalette::Light);
        const QColor dark = mix(window, text, 0.65);
        QPainter p(this);
        QRect r = rect();
        ring(p, r, light, dark);
        r.adjust(1, 1, -1, -1);
        ring(p, r, mix(window, text, 0.35), mix(window, text, 0.35));
        r.adjust(1, 1, -1, -1);
        ring(p, r, dark, light);
    }

private:
    // A one-pixel ring: top and left edges in one colour, bottom and right in the other.
    static void ring(QPainter& p, const QRect& r, const QColor& topLeft,
                     const QColor& bottomRight) {
        p.fillRect(QRect(r.left(), r.top(), r.width() - 1, 1), topLeft);
        p.fillRect(QRect(r.left(), r.top(), 1, r.height() - 1), topLeft);
        p.fillRect(QRect(r.left(), r.bottom(), r.width(), 1), bottomRight);
        p.fillRect(QRect(r.right(), r.top(), 1, r.height()), bottomRight);
    }
};

bool isArrow(int key) {
    return key == Qt::Key_Left || key == Qt::Key_Right || key == Qt::Key_Up || key == Qt::Key_Down;
}

} // namespace

TFormsmena::TFormsmena(const TBankForm& bank, QWidget* parent)
    : QDialog(parent, fixedDialogFlags(DialogFrame::Dialog)), bank(bank) {
    setModal(true);
    setSizeGripEnabled(false);
    setWindowTitle(QStringLiteral("Change deck"));

    // Created first so it stacks beneath the thumbnails and buttons.
    Bevel1 = new EtchedFrame(this);
    Bevel1->setAttribute(Qt::WA_TransparentForMouseEvents);

    for (int n = 1; n <= kBacks; ++n) {
        auto* thumbnail = new PictureControl(n, this);
        connect(thumbnail, &PictureControl::clicked, this, &TFormsmena::clickdeck);
        images[size_t(n)] = thumbnail;
    }

    BitBtn1 = new QPushButton(QStringLiteral("OK"), this);
    BitBtn1->setDefault(true);
    connect(BitBtn1, &QPushButton::clicked, this, &TFormsmena::BitBtn1Click);
    BitBtn2 = new QPushButton(QStringLiteral("Cancel"), this);
    connect(BitBtn2, &QPushButton::clicked, this, &TFormsmena::BitBtn2Click);

    // A focused button would take the arrows to move the focus; the chooser
    // wants them for the selection, so it looks at them first.
    BitBtn1->installEventFilter(this);
    BitBtn2->installEventFilter(this);
}

void TFormsmena::firstrub(int mainLeft, int mainTop, int mainWidth, int mainHeight,
                          int currentBack) {
    mainWindow = QRect(mainLeft, mainTop, mainWidth, mainHeight);
    initial = currentBack;
    selected = currentBack;
    exec();
}

void TFormsmena::FormShow() {
    for (int k = 1; k <= kBacks; ++k) {
        images[size_t(k)]->setGeometry(QRect(thumbnailPos(k), QSize(W, H)));
        images[size_t(k)]->setPicture(bank.back(k)); // a shallow copy until its corners are painted
        roundCorners(*images[size_t(k)]);
    }

    const QRect first = images[1]->geometry();
    const QRect sixth = images[kPerRow]->geometry();
    const int buttonTop = 2 * H + 18;
    const int buttonWidth = 3 * W;
    const int buttonHeight = std::max(kMinButtonHeight, BitBtn1->sizeHint().height());
    BitBtn1->setGeometry(first.left() + kGap, buttonTop, buttonWidth, buttonHeight);
    BitBtn2->setGeometry(sixth.left() + sixth.width() - kGap - buttonWidth, buttonTop, buttonWidth,
                         buttonHeight);
    setFixedSize(kPerRow * W + 40, buttonTop + buttonHeight + 6);

    Bevel1->resize(W + 2 * kFrameSpace, H + 2 * kFrameSpace);
    stayramka(initial);
    BitBtn1->setFocus();

    placeOverMainWindow(*this, mainWindow);
}

void TFormsmena::roundCorners(PictureControl& thumbnail) {
    // The corners take the dialog's colour, so the card looks rounded against
    // the dialog rather than against the table.
    paintCardCorners(thumbnail.picture(), palette().color(backgroundRole()));
    thumbnail.update();
}

void TFormsmena::stayramka(int n) {
    if (n < 1 || n > kBacks)
        return;
    Bevel1->move(images[size_t(n)]->pos() - QPoint(kFrameSpace, kFrameSpace));
}

void TFormsmena::clickdeck(PictureControl* thumbnail) {
    selected = thumbnail->tag();
    stayramka(selected);
}

void TFormsmena::BitBtn1Click() {
    accept();
}

void TFormsmena::BitBtn2Click() {
    selected = -1;
    reject();
}

bool TFormsmena::FormKeyDown(int key) {
    int s = selected;
    switch (key) {
    case Qt::Key_Left:
        s = s == 1 ? 6 : s == 7 ? 12 : s - 1;
        break;
    case Qt::Key_Right:
        s = s == 6 ? 1 : s == 12 ? 7 : s + 1;
        break;
    case Qt::Key_Up:
    case Qt::Key_Down:
        s -= kPerRow;
        if (s < 1)
            s += kBacks;
        break;
    default:
        return false;
    }
    selected = s;
    stayramka(s);
    return true;
}

void TFormsmena::showEvent(QShowEvent* event) {
    // The layout and the placement must be done before the window appears;
    // the window system's own show event comes afterwards and changes nothing.
    if (!event->spontaneous())
        FormShow();
    QDialog::showEvent(event);
}

void TFormsmena::keyPressEvent(QKeyEvent* event) {
    if (event->matches(QKeySequence::Cancel)) {
        BitBtn2Click(); // Escape means Cancel, not just "close"
        return;
    }
    if (isArrow(event->key()) && FormKeyDown(event->key()))
        return;
    QDialog::keyPressEvent(event);
}

bool TFormsmena::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (isArrow(key->key()) && FormKeyDown(key->key()))
            return true;
    }
    return QDialog::eventFilter(watched, event);
}
