#include "Windows.h"

#include "About01.h"
#include "Form1.h"
#include "Formbank.h"
#include "Smena.h"
#include "enterfrm.h"
#include "frmopt.h"
#include "frmvict.h"
#include "selectlng.h"
#include "zarvek_win.h"

#include <QGuiApplication>
#include <QScreen>

void createWindows() {
    Form1 = new TForm1;
    // Art is rendered for the screen it is shown on, so it stays crisp at 150 % and 200 %.
    BankForm = new TBankForm(QGuiApplication::primaryScreen()->devicePixelRatio());
    Formsmena = new TFormsmena(*BankForm, Form1);
    aboutform = new Taboutform(Form1);
    FormOptions = new TFormOptions(Form1);
    QObject::connect(FormOptions, &TFormOptions::helpRequested, Form1,
                     [] { Form1->helpOver(FormOptions); });
    Formwin = new TFormwin(Form1);
    FormEnter = new TFormEnter(Form1);
    FormVict = new TFormVict(Form1);
    FormSelLang = new TFormSelLang(Form1);
}

void destroyWindows() {
    delete Form1; // the dialogs are its children
    Form1 = nullptr;
    Formsmena = nullptr;
    aboutform = nullptr;
    FormOptions = nullptr;
    Formwin = nullptr;
    FormEnter = nullptr;
    FormVict = nullptr;
    FormSelLang = nullptr;
    delete BankForm;
    BankForm = nullptr;
}
