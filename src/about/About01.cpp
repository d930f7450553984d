#include "About01.h"

Taboutform* aboutform = nullptr;
