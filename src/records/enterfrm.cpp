#include "enterfrm.h"

TFormEnter* FormEnter = nullptr;
