#include "selectlng.h"

#include "DialogFlags.h"
#include "FrameExtents.h"
#include "RadioGroup.h"
#include "Texts.h"

#include <QFrame>
#include <QGuiApplication>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>

TFormSelLang* FormSelLang = nullptr;

namespace {

constexpr int kClientWidth = 286;
constexpr int kInnerWidth = 277;
constexpr int kEdge = 4;
constexpr int kGroupTop = 56;
constexpr int kButtonHeight = 21;
constexpr int kMaxLanguages = 6;

} // namespace

TFormSelLang::TFormSelLang(QWidget* parent)
    : QDialog(parent,
              // A thin title bar and no buttons on it: the chooser is left through OK.
              fixedDialogFlags(DialogFrame::ToolWindow, CloseButton::None)),
      Bevel1(new QFrame(this)), Memo1(new QPlainTextEdit(this)),
      RadioGroup1(new RadioGroup(this, 2)), BtnOK(new QPushButton(QStringLiteral("OK"), this)) {
    setModal(true);
    setWindowTitle(QStringLiteral("Select Language"));
    Bevel1->setFrameStyle(QFrame::Box | QFrame::Sunken);
    Bevel1->setAttribute(Qt::WA_TransparentForMouseEvents);

    // A read-only note in the dialog's own colour, not an edit box.
    Memo1->setReadOnly(true);
    Memo1->setFrameStyle(QFrame::NoFrame);
    Memo1->setFocusPolicy(Qt::NoFocus);
    Memo1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Memo1->setStyleSheet(QStringLiteral("QPlainTextEdit { background: transparent; }"));
    Memo1->setGeometry(kEdge, kEdge, kInnerWidth, 53);
    // Two instruction lines that wrap must fit in the memo's four rows.
    Memo1->document()->setDocumentMargin(2);
    QFont small = Memo1->font();
    small.setPointSizeF(small.pointSizeF() * 0.9);
    Memo1->setFont(small);

    BtnOK->setDefault(true);
    connect(BtnOK, &QPushButton::clicked, this, &TFormSelLang::BtnOKClick);
}

int TFormSelLang::languageCount() {
    // A language is there when its help file name is: text 1 of that language.
    int count = 2;
    while (count < kMaxLanguages && !stringResource(1000 * (count + 1) + 1).isEmpty())
        ++count;
    return count;
}

int TFormSelLang::pokaz(int current) {
    Memo1->clear();
    for (int id : {991, 992, 993})
        Memo1->appendPlainText(stringResource(id));
    Memo1->moveCursor(QTextCursor::Start); // the first instruction line on top
    RadioGroup1->setTitle(stringResource(994));

    const int count = languageCount();
    QStringList names;
    for (int n = 1; n <= count; ++n)
        names << stringResource(1000 * n);
    RadioGroup1->setItems(names);
    // One row of two entries per two languages.
    const int groupHeight = count >= 5 ? 80 : count >= 3 ? 60 : 40;
    RadioGroup1->setGeometry(kEdge, kGroupTop, kInnerWidth, groupHeight);
    BtnOK->setGeometry(kEdge, kGroupTop + groupHeight + 8, kInnerWidth, kButtonHeight);
    setFixedSize(kClientWidth, BtnOK->geometry().bottom() + 1 + 8);
    Bevel1->setGeometry(rect());

    RadioGroup1->setItemIndex((current >= 1 && current <= count ? current : 2) - 1);
    exec();
    return RadioGroup1->itemIndex() + 1;
}

void TFormSelLang::BtnOKClick() {
    accept();
}

void TFormSelLang::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    centre(frameExtents(*this));
    // Shown before any other window, the frame is only known once it is on screen.
    if (knownFrame(*this).isNull())
        whenFramed(*this, [this](const QMargins& frame) { centre(frame); });
    BtnOK->setFocus();
}

void TFormSelLang::centre(const QMargins& frame) {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QSize outer = size().grownBy(frame);
    const QRect s = screen->geometry();
    moveFrameTo(*this, {static_cast<int>((s.width() - outer.width()) * 0.5),
                        static_cast<int>((s.height() - outer.height()) * 0.5)});
}
