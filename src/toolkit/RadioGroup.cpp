#include "RadioGroup.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QRadioButton>

RadioGroup::RadioGroup(QWidget* parent, int columns)
    : QGroupBox(parent), columns(columns), grid(new QGridLayout(this)),
      group(new QButtonGroup(this)) {
    grid->setContentsMargins(6, 2, 6, 2);
    grid->setVerticalSpacing(0);
}

void RadioGroup::setItems(const QStringList& texts) {
    for (QRadioButton* old : buttons) {
        group->removeButton(old);
        delete old;
    }
    buttons.clear();
    for (int i = 0; i < texts.size(); ++i) {
        auto* button = new QRadioButton(texts[i], this);
        grid->addWidget(button, i / columns, i % columns);
        group->addButton(button, i);
        buttons.push_back(button);
    }
}

int RadioGroup::itemIndex() const {
    return group->checkedId();
}

void RadioGroup::setItemIndex(int index) {
    if (index >= 0 && index < count()) {
        buttons[size_t(index)]->setChecked(true);
        return;
    }
    // An exclusive group will not let its last checked button go by itself.
    if (QAbstractButton* checked = group->checkedButton()) {
        group->setExclusive(false);
        checked->setChecked(false);
        group->setExclusive(true);
    }
}

QStringList RadioGroup::items() const {
    QStringList texts;
    for (const QRadioButton* b : buttons)
        texts << b->text();
    return texts;
}
