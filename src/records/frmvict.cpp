#include "frmvict.h"

TFormVict* FormVict = nullptr;
