#include "About01.h"

#include "AboutArt.h"
#include "AboutWidgets.h"
#include "DialogFlags.h"
#include "DialogPlacement.h"

#include <QApplication>
#include <QHideEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QWindow>

Taboutform* aboutform = nullptr;

namespace {

// Where the form puts each component, relative to its parent.
constexpr QRect kBevelabout(0, 0, 273, 145);
constexpr QRect kPanelabout(4, 4, 265, 113);
constexpr QRect kPanel1(8, 8, 73, 73);
constexpr QRect kImage1(5, 5, 64, 64);
constexpr QRect kImageNameR(112, 8, 115, 22);
constexpr QRect kImageNameE(88, 8, 168, 22);
constexpr QRect kImNamR(36, 88, 178, 21);
constexpr QRect kImNamE(40, 88, 175, 21);
constexpr QRect kLabelfor(84, 38, 177, 23);
constexpr QRect kLabelver(84, 56, 177, 21);
constexpr QRect kBitBtn1(4, 232, 265, 21);
constexpr QRect kPanelSecret(4, 152, 265, 45);
// As wide as the panel allows, where the form's label grew with its text.
constexpr QRect kLabelnewv(4, 0, 257, 15);
constexpr QRect kEdit1(4, 20, 257, 19);
constexpr int kPanel1BorderWidth = 1;
constexpr int kPanel1BevelWidth = 2;

// Where new versions are announced. A reserved name: the game has no site of
// its own yet, and a made-up real-looking address could belong to anyone.
const char* const kNewVersionsAddress = "https://velmoran.example/zarvek/";

constexpr Qt::WindowFlags kDialogFlags =
    fixedDialogFlags(DialogFrame::Dialog) | Qt::WindowStaysOnTopHint;
// The splash is only to be looked at: a window that no window system
// activates, so the keys stay with the table while it shows.
constexpr Qt::WindowFlags kSplashFlags =
    Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint;

QLabel* label(QWidget* parent, const QRect& at, int points, Qt::Alignment align) {
    auto* l = new QLabel(parent);
    l->setGeometry(at);
    QFont f = l->font();
    f.setPointSize(points);
    l->setFont(f);
    l->setAlignment(align);
    return l;
}

StretchedPicture* picture(QWidget* parent, const QRect& at, StretchedPicture::Source source) {
    auto* p = new StretchedPicture(std::move(source), parent);
    p->setGeometry(at);
    return p;
}

StretchedPicture::Source lettering(AboutPicture which, QSize size) {
    return [which, size](qreal ratio) { return renderAboutPicture(which, size, ratio); };
}

} // namespace

Taboutform::Taboutform(QWidget* parent) : QDialog(parent, kDialogFlags) {
    QPalette silver = palette();
    for (QPalette::ColorRole role : {QPalette::Window, QPalette::Button, QPalette::Base})
        silver.setColor(role, QColor::fromRgb(kAboutSilver));
    setPalette(silver);
    // Metrics close to the narrow sans the form's sizes were made for, so
    // the English lines fit their labels.
    setFont(QFont(QStringLiteral("Liberation Sans"), 9));
    setSizeGripEnabled(false);

    Bevelabout = new BevelBox(this);
    Bevelabout->setGeometry(kBevelabout);
    Panelabout = new AboutPanel(BevelKind::Raised, BevelKind::Lowered, 1, this);
    Panelabout->setGeometry(kPanelabout);
    Panel1 = new AboutPanel(BevelKind::Raised, BevelKind::Lowered, kPanel1BevelWidth, Panelabout);
    Panel1->setGeometry(kPanel1);
    Panel1->setBorderWidth(kPanel1BorderWidth);
    Image1 = picture(Panel1, kImage1,
                     [](qreal ratio) { return renderAboutIcon(kImage1.width(), ratio); });
    connect(Image1, &StretchedPicture::doubleClicked, this, &Taboutform::Image1DblClick);
    ImageNameR =
        picture(Panelabout, kImageNameR, lettering(AboutPicture::NameR, kImageNameR.size()));
    ImageNameE =
        picture(Panelabout, kImageNameE, lettering(AboutPicture::NameE, kImageNameE.size()));
    ImNamR = picture(Panelabout, kImNamR, lettering(AboutPicture::NamR, kImNamR.size()));
    ImNamE = picture(Panelabout, kImNamE, lettering(AboutPicture::NamE, kImNamE.size()));
    Labelfor = label(Panelabout, kLabelfor, 8, Qt::AlignHCenter | Qt::AlignTop);
    Labelver = label(Panelabout, kLabelver, 9, Qt::AlignHCenter | Qt::AlignTop);

    BitBtn1 = new QPushButton(QStringLiteral("OK"), this);
    BitBtn1->setGeometry(kBitBtn1);
    BitBtn1->setDefault(true);
    connect(BitBtn1, &QPushButton::clicked, this, &Taboutform::BitBtn1Click);

    PanelSecret = new AboutPanel(BevelKind::Lowered, BevelKind::None, 1, this);
    PanelSecret->setGeometry(kPanelSecret);
    Labelnewv = label(PanelSecret, kLabelnewv, 9, Qt::AlignLeft | Qt::AlignTop);
    Edit1 = new QLineEdit(QString::fromLatin1(kNewVersionsAddress), PanelSecret);
    Edit1->setGeometry(kEdit1);
    Edit1->setFrame(false);
    Edit1->setReadOnly(true); // to be copied, not changed

    setFixedSize(kBevelabout.width(), kBitBtn1.bottom() + 5);

    Timerstop.setInterval(2000);
    TimerName.setInterval(50);
    Timerbutton.setInterval(10);
    Timerflyform.setInterval(1);
    Timerbutton.setTimerType(Qt::PreciseTimer);
    Timerflyform.setTimerType(Qt::PreciseTimer);
    connect(&Timerstop, &QTimer::timeout, this, &Taboutform::TimerstopTimer);
    connect(&TimerName, &QTimer::timeout, this, &Taboutform::TimerNameTimer);
    connect(&Timerbutton, &QTimer::timeout, this, &Taboutform::TimerbuttonTimer);
    connect(&Timerflyform, &QTimer::timeout, this, &Taboutform::TimerflyformTimer);
}

void Taboutform::vis(int language) {
    if (language != 1 && language != 2)
        return;
    const bool russian = language == 1;
    ImageNameR->setVisible(russian);
    ImNamR->setVisible(russian);
    ImageNameE->setVisible(!russian);
    ImNamE->setVisible(!russian);
}

void Taboutform::setFrame(bool dialog) {
    if (dialog == dialogFrame)
        return;
    // Changing the frame hides the window; that is not the user closing it,
    // so the splash timer must survive it.
    rearranging = true;
    setWindowFlags(dialog ? kDialogFlags : kSplashFlags);
    rearranging = false;
    dialogFrame = dialog;
}

void Taboutform::setClientHeight(int height) {
    setFixedSize(width(), height);
}

void Taboutform::firstshow(int language) {
    vis(language);
    setFrame(false);
    Bevelabout->move(Bevelabout->x(), 0);
    setFixedWidth(Bevelabout->width() + 2 * Bevelabout->x());
    Bevelabout->resize(Bevelabout->width(), Panelabout->height() + 8);
    // Just the framed title panel.
    setClientHeight(Bevelabout->height());
    if (const QScreen* screen = QApplication::primaryScreen()) {
        const QRect s = screen->geometry();
        move(s.x() + (s.width() - width()) / 2, s.y() + (s.height() - height()) / 2);
    }
    // The table comes first: the splash goes up once the main window has been
    // drawn, so it never holds up the start of the program.
    QWidget* owner = parentWidget() ? parentWidget()->window() : nullptr;
    const bool ownerOnScreen = owner && owner->windowHandle() && owner->windowHandle()->isExposed();
    if (owner && !ownerOnScreen) {
        splashPending = true;
        owner->installEventFilter(this);
        return;
    }
    showSplash();
}

void Taboutform::showSplash() {
    splashPending = false;
    show();
    Timerstop.start();
}

bool Taboutform::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Paint && splashPending && parentWidget() &&
        watched == parentWidget()->window()) {
        watched->removeEventFilter(this);
        // Queued, so the main window's children are drawn first.
        QTimer::singleShot(0, this, [this] {
            if (splashPending)
                showSplash();
        });
    }
    return QDialog::eventFilter(watched, event);
}

void Taboutform::aboutshow(int language, int mainLeft, int mainTop, int mainWidth, int mainHeight) {
    vis(language);
    const bool onScreen = isVisible();
    splashPending = false; // too late for a splash now
    setFrame(true);
    if (!windowIconSet) {
        windowIconSet = true;
        setWindowIcon(aboutWindowIcon());
    }
    setFixedWidth(Bevelabout->width() + 2 * Bevelabout->x());
    setClientHeight(Panelabout->height() + BitBtn1->height() + 16);
    Bevelabout->setGeometry(Bevelabout->x(), 4, Bevelabout->width(), Panelabout->height() + 8);
    Panelabout->move(4, 8);
    // The title waits above the panel, the icon is a point in its frame, and
    // OK lies just below the edge.
    const int aboveThePanel = -4 - ImageNameR->height();
    ImageNameR->move(ImageNameR->x(), aboveThePanel);
    ImageNameE->move(ImageNameE->x(), aboveThePanel);
    Panel1->setBorderWidth(32);
    Image1->setGeometry(36, 36, 0, 0);
    BitBtn1->move(BitBtn1->x(), height() + 1);
    BitBtn1->setFocus();
    TimerName.start();
    placeOverMainWindow(*this, QRect(mainLeft, mainTop, mainWidth, mainHeight));
    if (onScreen) {
        // The splash becomes the dialog where it stands; its own timer still ends it.
        show();
        raise();
        activateWindow();
        return;
    }
    exec();
}

void Taboutform::TimerstopTimer() {
    Timerstop.stop();
    close();
}

void Taboutform::TimerNameTimer() {
    for (StretchedPicture* title : {ImageNameR, ImageNameE})
        title->move(title->x(), title->y() + 1);
    if (Image1->width() <= 62) {
        Image1->setGeometry(Image1->x() - 1, Image1->y() - 1, Image1->width() + 2,
                            Image1->height() + 2);
        Panel1->setBorderWidth(Panel1->borderWidth() - 1);
    }
    if (ImageNameR->y() >= kImageNameR.y()) {
        TimerName.stop();
        Timerbutton.start();
    }
}

void Taboutform::TimerbuttonTimer() {
    BitBtn1->move(BitBtn1->x(), BitBtn1->y() - 1);
    if (BitBtn1->y() < Bevelabout->y() + Bevelabout->height() + 4)
        Timerbutton.stop();
}

void Taboutform::TimerflyformTimer() {
    setClientHeight(height() + 1);
    if (height() > Bevelabout->height() + BitBtn1->height() + PanelSecret->height() + 16) {
        Timerflyform.stop();
        Edit1->setFocus();
        Edit1->selectAll();
    }
}

void Taboutform::Image1DblClick() {
    if (dialogFrame)
        Timerflyform.start();
}

void Taboutform::BitBtn1Click() {
    accept();
}

void Taboutform::hideEvent(QHideEvent* event) {
    // Closed, not just unmapped with a minimised main window: nothing of the
    // dialog may wake the program any more.
    if (!rearranging && !event->spontaneous()) {
        Timerstop.stop();
        TimerName.stop();
        Timerbutton.stop();
        Timerflyform.stop();
    }
    QDialog::hideEvent(event);
}
