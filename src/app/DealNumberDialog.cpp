#include "DealNumberDialog.h"

#include "DialogFlags.h"
#include "DialogPlacement.h"
#include "Random.h"
#include "Texts.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

DealNumberDialog::DealNumberDialog(QWidget* owner)
    : QDialog(owner, fixedDialogFlags(DialogFrame::Dialog)), edit(new QLineEdit(this)),
      problem(new QLabel(this)) {
    setWindowTitle(langtext(253));
    auto* layout = new QVBoxLayout(this);
    auto* label = new QLabel(langtext(254), this);
    label->setBuddy(edit);
    layout->addWidget(label);
    // Typing is kept to digits; pasted text and an empty field still reach
    // the check on OK, which says what a number must be.
    edit->setValidator(new QRegularExpressionValidator(QRegularExpression("[0-9 ]{0,12}"), edit));
    layout->addWidget(edit);
    problem->setWordWrap(true);
    problem->setStyleSheet(QStringLiteral("color: #a00000"));
    problem->setText(langtext(255));
    problem->setVisible(false);
    layout->addWidget(problem);
    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(langtext(191), QDialogButtonBox::AcceptRole)->setDefault(true);
    buttons->addButton(langtext(192), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &DealNumberDialog::confirm);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    // The message fits under the field on two lines, so the dialog keeps its
    // width when the message comes.
    edit->setMinimumWidth(fontMetrics().horizontalAdvance(langtext(255)) * 6 / 10);
    problem->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

std::optional<quint32> DealNumberDialog::ask(quint32 current) {
    chosen.reset();
    edit->setText(QString::number(current));
    edit->selectAll();
    problem->setVisible(false);
    adjustSize();
    if (parentWidget())
        placeOverMainWindow(*this, parentWidget()->frameGeometry());
    exec();
    return chosen;
}

void DealNumberDialog::confirm() {
    chosen = parseDealNumber(edit->text());
    if (!chosen) {
        problem->setVisible(true);
        edit->setFocus();
        edit->selectAll();
        return;
    }
    accept();
}
