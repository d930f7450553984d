#include "frmvict.h"

#include <QLabel>

TFormVict* FormVict = nullptr;

TFormVict::TFormVict(QWidget* parent)
    : QDialog(parent), RxLabel1(new QLabel(this)), RxLabel2(new QLabel(this)),
      RxLabel3(new QLabel(this)) {}
