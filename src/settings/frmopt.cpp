#include "frmopt.h"

TFormOptions* FormOptions = nullptr;
