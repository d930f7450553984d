#pragma once

#include "BevelPanel.h"
#include <QDialog>

class QFrame;
class QLineEdit;
class QPushButton;

// The winner name entry. Created at start-up and hidden until a qualifying
// win asks for a name. It has no Cancel: however it is closed, the caller
// takes the name as typed, so a later winner of the run is offered it again.
class TFormEnter : public QDialog {
    Q_OBJECT
public:
    explicit TFormEnter(QWidget* parent = nullptr);

    // Places the dialog over the owner's rectangle with the name selected, so
    // typing replaces it, and shows it modally; returns when it closes.
    void frmshow(int ownerTop, int ownerLeft, int ownerHeight, int ownerWidth);
    // The name as it stands in the edit, untrimmed, empty if it was emptied.
    QString getentername() const;

    QFrame* Bevel1;
    BevelPanel* Panelcapt; // the prompt
    QLineEdit* Edit1;      // the name, offered with the default name
    QPushButton* BitBtn1;  // OK

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

extern TFormEnter* FormEnter;
