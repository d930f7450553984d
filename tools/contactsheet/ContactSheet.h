#pragma once

#include <QImage>

class TBankForm;

// One PNG-ready sheet: every store picture of `normal` (ratio 1) and of
// `sharp` (ratio 2) at its device size, each labelled with its store name,
// plus the hand cursor and the program icon. Drawn on the table green so the
// rounded corners show.
QImage renderContactSheet(const TBankForm& normal, const TBankForm& sharp);
