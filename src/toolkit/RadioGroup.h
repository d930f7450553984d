#pragma once

#include <QGroupBox>
#include <QStringList>

#include <vector>

class QButtonGroup;
class QGridLayout;
class QRadioButton;

// A framed list of exclusive choices, filled from a list of texts and read as
// the index of the chosen item (-1 when none is). Refilling clears the choice.
class RadioGroup : public QGroupBox {
    Q_OBJECT
public:
    explicit RadioGroup(QWidget* parent = nullptr, int columns = 1);

    void setItems(const QStringList& texts);
    int itemIndex() const;
    void setItemIndex(int index);
    int count() const { return int(buttons.size()); }
    QRadioButton* item(int index) const { return buttons.at(size_t(index)); }
    QStringList items() const;

private:
    int columns;
    QGridLayout* grid;
    QButtonGroup* group;
    std::vector<QRadioButton*> buttons;
};
