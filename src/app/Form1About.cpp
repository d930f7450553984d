// The main window's Help and About commands.
#include "Form1.h"

#include "About01.h"
#include "HelpWindow.h"
#include "Texts.h"

HelpWindow& TForm1::helpWindow() {
    if (!help)
        help = new HelpWindow(this);
    return *help;
}

void TForm1::N13Click() {
    helpWindow().showContents(helpFile);
}

void TForm1::N11Click() {
    const QRect r = frameGeometry();
    aboutform->aboutshow(language, r.left(), r.top(), r.width(), r.height());
}
