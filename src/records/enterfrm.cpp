#include "enterfrm.h"

#include <QLabel>
#include <QLineEdit>

TFormEnter* FormEnter = nullptr;

TFormEnter::TFormEnter(QWidget* parent)
    : QDialog(parent), Panelcapt(new QLabel(this)), Edit1(new QLineEdit(this)) {}
