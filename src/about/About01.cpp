#include "About01.h"

#include <QLabel>

Taboutform* aboutform = nullptr;

Taboutform::Taboutform(QWidget* parent)
    : QDialog(parent), Labelfor(new QLabel(this)), Labelver(new QLabel(this)),
      Labelnewv(new QLabel(this)) {}
