#pragma once

#include <QDialog>

#include <optional>

class QLabel;
class QLineEdit;

// "Select deal...": asks for a deal's number. OK with anything but a number
// in range keeps the dialog open and says what a number must be.
class DealNumberDialog : public QDialog {
    Q_OBJECT
public:
    explicit DealNumberDialog(QWidget* owner);

    // Shows the dialog over the owner with `current` filled in; the number
    // confirmed with OK, or nothing for Cancel.
    std::optional<quint32> ask(quint32 current);

    QLineEdit* edit;
    QLabel* problem; // the message under the field, hidden while all is well

private:
    void confirm();
    std::optional<quint32> chosen;
};
