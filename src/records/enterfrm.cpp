#include "enterfrm.h"

#include "BevelPanel.h"
#include "DialogFlags.h"
#include "DialogPlacement.h"

#include <QFrame>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>

TFormEnter* FormEnter = nullptr;

namespace {

const QColor kMaroon(128, 0, 0);
const QColor kNavy(0, 0, 128);
const QColor kSilver(192, 192, 192);
constexpr int kMaxNameLength = 30;

} // namespace

TFormEnter::TFormEnter(QWidget* parent)
    : QDialog(parent, fixedDialogFlags(DialogFrame::ToolWindow)), Bevel1(new QFrame(this)),
      Panelcapt(new BevelPanel(BevelPanel::Bevel::None, BevelPanel::Bevel::Raised, 0, this)),
      Edit1(new QLineEdit(this)), BitBtn1(new QPushButton(QStringLiteral("OK"), this)) {
    setModal(true);
    setFixedSize(234, 83);
    Bevel1->setFrameStyle(QFrame::Box | QFrame::Sunken);
    Bevel1->setAttribute(Qt::WA_TransparentForMouseEvents);
    Bevel1->setGeometry(0, 4, 233, 53);

    Panelcapt->setGeometry(4, 8, 225, 21);
    Panelcapt->setAlignment(Qt::AlignCenter);
    Panelcapt->setTextColour(kMaroon);

    Edit1->setGeometry(4, 32, 224, 21);
    Edit1->setMaxLength(kMaxNameLength);
    QPalette edit = Edit1->palette();
    edit.setColor(QPalette::Base, kSilver);
    edit.setColor(QPalette::Text, kNavy);
    Edit1->setPalette(edit);

    BitBtn1->setGeometry(4, 60, 225, 21);
    QPalette button = BitBtn1->palette();
    button.setColor(QPalette::ButtonText, kMaroon);
    BitBtn1->setPalette(button);
    // Enter reaches the dialog from the edit as from the dialog itself.
    BitBtn1->setAutoDefault(false);
    connect(BitBtn1, &QPushButton::clicked, this, &QDialog::accept);
}

void TFormEnter::frmshow(int ownerTop, int ownerLeft, int ownerHeight, int ownerWidth) {
    placeOverMainWindow(*this, QRect(ownerLeft, ownerTop, ownerWidth, ownerHeight));
    Edit1->selectAll();
    Edit1->setFocus();
    exec();
}

QString TFormEnter::getentername() const {
    return Edit1->text();
}

void TFormEnter::keyPressEvent(QKeyEvent* event) {
    // Without a Cancel there is nothing for Escape to undo.
    if (event->key() == Qt::Key_Escape)
        return;
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        // Enter still held from closing the banner must not confirm the
        // offered name before the winner has seen it.
        if (!event->isAutoRepeat())
            accept();
        return;
    }
    QDialog::keyPressEvent(event);
}
