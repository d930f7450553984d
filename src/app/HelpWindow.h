#pragma once

#include <QDialog>

class QTextBrowser;

// The game's own help viewer: shows the help page of the current language.
class HelpWindow : public QDialog {
    Q_OBJECT
public:
    explicit HelpWindow(QWidget* parent = nullptr);

    // Shows the contents of the help file named like "Zarvek(eng).hlp": the
    // page with the same name ending in .html among the program's resources.
    void showContents(const QString& helpFile);
    QString shownPage() const { return page; }

private:
    QTextBrowser* browser;
    QString page;
};
