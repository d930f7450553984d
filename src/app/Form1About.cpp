// The main window's Help and About commands.
#include "Form1.h"

#include "About01.h"
#include "HelpWindow.h"
#include "Texts.h"

#include <QDialog>

HelpWindow& TForm1::helpWindow() {
    if (!help)
        help = new HelpWindow(this);
    return *help;
}

void TForm1::N13Click() {
    helpWindow().setOwner(this);
    helpWindow().showContents(helpFile);
}

void TForm1::helpOver(QDialog* dialog) {
    HelpWindow& h = helpWindow();
    h.setOwner(dialog);
    h.showContents(helpFile);
    // Left with a hidden owner it would be the window of no window, and the
    // next modal dialog of the table would block it.
    connect(
        dialog, &QDialog::finished, &h, [this, &h] { h.setOwner(this); }, Qt::SingleShotConnection);
}

void TForm1::N11Click() {
    const QRect r = frameGeometry();
    aboutform->aboutshow(language, r.left(), r.top(), r.width(), r.height());
}
