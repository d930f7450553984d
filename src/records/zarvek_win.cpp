#include "zarvek_win.h"

#include <QLabel>
#include <QTabBar>

TFormwin* Formwin = nullptr;

TFormwin::TFormwin(QWidget* parent)
    : QDialog(parent), Tabrez(new QTabBar(this)), Panelcapt(new QLabel(this)) {}
