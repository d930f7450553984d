#pragma once

#include <QDialog>

class QTextBrowser;
class QToolButton;

// The game's own help viewer. A help book is named like "Zarvek(eng).hlp"
// (text 1 of the language): its contents page is ":/help/Zarvek(eng).html"
// and its topic pages lie in the folder ":/help/Zarvek(eng)/". The viewer
// keeps a history, so Back and Forward work across the book.
class HelpWindow : public QDialog {
    Q_OBJECT
public:
    explicit HelpWindow(QWidget* parent = nullptr);

    // Shows the contents page of the book. Every opening starts afresh: no
    // Back or Forward into what was read before.
    void showContents(const QString& helpFile);
    // Shows the topic of a dialog's help context number (101, 102, 201, 301,
    // 401); a number the book has no topic for shows the contents.
    void showTopic(const QString& helpFile, int context);
    // The page on view as a resource path, with its anchor: ":/help/Zarvek(eng).html".
    QString shownPage() const;

    // The resource path of a book's contents page.
    static QString contentsPage(const QString& helpFile);
    // The page and anchor of a help context inside a book, relative to the
    // contents page ("Zarvek(eng)/options.html#game"); empty for an unknown number.
    static QString topicLink(const QString& helpFile, int context);
    // The help context numbers the books have topics for.
    static QList<int> contexts();

    // Makes the viewer a window of `owner`, staying where it is and showing if
    // it was. A modal dialog lets the player use only its own windows, and the
    // window system opens them above it.
    void setOwner(QWidget* owner);

    QToolButton* contentsButton() const { return contents; }
    QToolButton* backButton() const { return back; }
    QToolButton* forwardButton() const { return forward; }
    QTextBrowser* pageView() const { return browser; }

private:
    // Takes the book's button texts when it is not the book on view.
    void openBook(const QString& helpFile);
    // Shows a page (":/help/...", with its anchor) of the book on view.
    void open(const QString& page);
    // Before an opening: no larger than the screen, and wholly on it.
    void fitScreen();

    QTextBrowser* browser;
    QToolButton* contents;
    QToolButton* back;
    QToolButton* forward;
    QString book;
};
