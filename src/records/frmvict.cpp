#include "frmvict.h"

#include "DialogFlags.h"
#include "DialogPlacement.h"
#include "ShadowLabel.h"
#include "Texts.h"

#include <QCursor>
#include <QEnterEvent>
#include <QFrame>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>

TFormVict* FormVict = nullptr;

namespace {

const QColor kNavy(0, 0, 128);
const QColor kSilver(192, 192, 192);

QFrame* bevel(QWidget* parent, const QRect& at, QFrame::Shadow shadow) {
    auto* frame = new QFrame(parent);
    frame->setFrameStyle(QFrame::Panel | shadow);
    frame->setLineWidth(1);
    frame->setGeometry(at);
    frame->setAttribute(Qt::WA_TransparentForMouseEvents);
    return frame;
}

ShadowLabel* line(QWidget* parent, const QRect& at, int pixelSize) {
    auto* label = new ShadowLabel(parent);
    label->setGeometry(at);
    label->setAlignment(Qt::AlignCenter);
    // The banner's serif, metric-compatible with the face it was drawn for.
    QFont font(QStringLiteral("Liberation Serif"));
    font.setPixelSize(pixelSize);
    font.setBold(true);
    label->setFont(font);
    QPalette p = label->palette();
    p.setColor(QPalette::WindowText, kNavy);
    label->setPalette(p);
    return label;
}

} // namespace

TFormVict::TFormVict(QWidget* parent) : QDialog(parent, fixedDialogFlags(DialogFrame::Dialog)) {
    setModal(true);
    setFixedSize(353, 120);
    // Silver, with bevel shades to match.
    setPalette(QPalette(kSilver));
    setAutoFillBackground(true);

    Bevel1 = bevel(this, QRect(4, 4, 345, 113), QFrame::Sunken);
    Bevel2 = bevel(this, QRect(8, 8, 337, 73), QFrame::Raised);
    Bevel3 = bevel(this, QRect(8, 84, 337, 29), QFrame::Raised);
    Bevel3->hide();
    RxLabel1 = line(this, QRect(12, 8, 329, 41), 32);
    RxLabel2 = line(this, QRect(12, 40, 329, 41), 27);
    RxLabel3 = line(this, QRect(8, 84, 337, 29), 19);
    RxLabel3->installEventFilter(this);
    RxLabel3->setMouseTracking(!polling);

    Timer1.setInterval(300);
    connect(&Timer1, &QTimer::timeout, this, &TFormVict::Timer1Timer);
    Timer2.setInterval(10);
    connect(&Timer2, &QTimer::timeout, this, &TFormVict::Timer2Timer);
}

bool TFormVict::pointerPositionKnown() {
    const QString platform = QGuiApplication::platformName();
    return !platform.startsWith(QLatin1String("wayland")) &&
           platform != QLatin1String("offscreen") && platform != QLatin1String("minimal");
}

void TFormVict::pokaz(int lang, int kind, int ownerLeft, int ownerTop, int ownerWidth,
                      int ownerHeight) {
    titleText = stringResource(1000 * lang + 200);
    const int line = kind == kBannerBest         ? 203
                     : kind == kBannerVictory    ? 204
                     : kind == kBannerChosenDeal ? 257
                                                 : 0;
    if (line)
        RxLabel3->setText(stringResource(1000 * lang + line));
    placeOverMainWindow(*this, QRect(ownerLeft, ownerTop, ownerWidth, ownerHeight));
    exec();
}

void TFormVict::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    // A banner given back by the window system after minimising goes on
    // where it was; a new one starts from an empty title.
    if (!event->spontaneous()) {
        titleCounter = 0;
        setWindowTitle(titleText.left(titleCounter));
        Bevel3->setFrameShadow(QFrame::Raised);
        Bevel3->hide();
    }
    // The timers run only while the banner is up: an idle program must not wake.
    Timer1.start();
    if (polling)
        Timer2.start();
}

void TFormVict::hideEvent(QHideEvent* event) {
    Timer1.stop();
    Timer2.stop();
    QDialog::hideEvent(event);
}

void TFormVict::Timer1Timer() {
    if (++titleCounter > titleText.size())
        titleCounter = 0;
    setWindowTitle(titleText.left(titleCounter));
}

void TFormVict::Timer2Timer() {
    hovertest(QCursor::pos());
}

void TFormVict::hovertest(QPoint globalPos) {
    const QPoint p = RxLabel3->mapFromGlobal(globalPos);
    const bool over =
        p.x() > 0 && p.x() < RxLabel3->width() && p.y() > 0 && p.y() < RxLabel3->height();
    Bevel3->setVisible(over);
}

bool TFormVict::eventFilter(QObject* watched, QEvent* event) {
    if (watched != RxLabel3)
        return QDialog::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::Enter:
        if (!polling)
            hovertest(static_cast<QEnterEvent*>(event)->globalPosition().toPoint());
        break;
    case QEvent::Leave:
        if (!polling)
            Bevel3->hide();
        break;
    case QEvent::MouseMove:
        if (!polling)
            hovertest(static_cast<QMouseEvent*>(event)->globalPosition().toPoint());
        break;
    case QEvent::MouseButtonPress:
        Bevel3->setFrameShadow(QFrame::Sunken);
        return true;
    case QEvent::MouseButtonRelease:
        Bevel3->setFrameShadow(QFrame::Raised);
        // Let go over the line: a click on the button. Dragged off first: nothing.
        if (Bevel3->isVisible())
            accept();
        return true;
    default:
        break;
    }
    return QDialog::eventFilter(watched, event);
}

void TFormVict::keyPressEvent(QKeyEvent* event) {
    // A key still held from the game must not close the banner unseen.
    if (!event->isAutoRepeat())
        accept();
}
