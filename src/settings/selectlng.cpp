#include "selectlng.h"

TFormSelLang* FormSelLang = nullptr;
