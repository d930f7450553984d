#include "zarvek_win.h"

TFormwin* Formwin = nullptr;
