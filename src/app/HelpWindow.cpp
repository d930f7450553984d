#include "HelpWindow.h"

#include "FrameExtents.h"
#include "Placement.h"
#include "resources.h"

#include <QFile>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QRegularExpression>
#include <QScreen>
#include <QStyle>
#include <QTextBrowser>
#include <QToolButton>
#include <QUrl>
#include <QVBoxLayout>

namespace {

// Where the dialogs' help context numbers lead inside every book.
struct Topic {
    int context;
    const char* page;
};
constexpr Topic kTopics[] = {
    {101, "options.html#game"}, {102, "options.html#parameters"},
    {201, "about.html"},        {301, "backs.html"},
    {401, "winners.html"},
};

QString bookName(const QString& helpFile) {
    QString name = helpFile;
    if (name.endsWith(QStringLiteral(".hlp"), Qt::CaseInsensitive))
        name.chop(4);
    return name;
}

// ":/help/x.html#anchor" as the browser needs it to resolve the pages' relative links.
QUrl resourceUrl(const QString& path) {
    return QUrl(QStringLiteral("qrc") + path);
}

// A book names its own navigation buttons in its contents page, so the
// viewer speaks the book's language without texts of its own:
// <meta name="zarvek-buttons" content="Contents|Back|Forward">.
QStringList buttonTexts(const QString& contentsHtml) {
    static const QRegularExpression meta(
        QStringLiteral(R"re(<meta\s+name="zarvek-buttons"\s+content="([^"]*)")re"));
    const QRegularExpressionMatch m = meta.match(contentsHtml);
    const QStringList texts = m.hasMatch() ? m.captured(1).split(u'|') : QStringList();
    return texts.size() == 3 ? texts : QStringList{QString(), QString(), QString()};
}

QToolButton* navigationButton(QWidget* parent, QStyle::StandardPixmap icon) {
    auto* b = new QToolButton(parent);
    b->setIcon(parent->style()->standardIcon(icon));
    b->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    b->setAutoRaise(true);
    return b;
}

} // namespace

HelpWindow::HelpWindow(QWidget* parent)
    : QDialog(parent), browser(new QTextBrowser(this)),
      contents(navigationButton(this, QStyle::SP_DirHomeIcon)),
      back(navigationButton(this, QStyle::SP_ArrowBack)),
      forward(navigationButton(this, QStyle::SP_ArrowForward)) {
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    auto* buttons = new QHBoxLayout;
    buttons->setContentsMargins(4, 4, 4, 0);
    buttons->addWidget(contents);
    buttons->addWidget(back);
    buttons->addWidget(forward);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(buttons);
    layout->addWidget(browser);

    browser->setOpenExternalLinks(false);
    browser->document()->setDefaultStyleSheet(QStringLiteral(
        "h1 { color: #004080; font-size: x-large; } h2 { color: #004080; font-size: large; }"
        "th { background-color: #e0e8f0; } td, th { padding: 3px; }"));
    back->setEnabled(false);
    forward->setEnabled(false);
    connect(back, &QToolButton::clicked, browser, &QTextBrowser::backward);
    connect(forward, &QToolButton::clicked, browser, &QTextBrowser::forward);
    connect(browser, &QTextBrowser::backwardAvailable, back, &QWidget::setEnabled);
    connect(browser, &QTextBrowser::forwardAvailable, forward, &QWidget::setEnabled);
    connect(contents, &QToolButton::clicked, this,
            [this] { browser->setSource(resourceUrl(contentsPage(book))); });
    connect(browser, &QTextBrowser::sourceChanged, this,
            [this] { setWindowTitle(browser->documentTitle()); });
    resize(600, 620);
}

QString HelpWindow::contentsPage(const QString& helpFile) {
    return QStringLiteral(":/help/%1.html").arg(bookName(helpFile));
}

QString HelpWindow::topicLink(const QString& helpFile, int context) {
    for (const Topic& t : kTopics)
        if (t.context == context)
            return bookName(helpFile) + u'/' + QString::fromLatin1(t.page);
    return {};
}

QList<int> HelpWindow::contexts() {
    QList<int> numbers;
    for (const Topic& t : kTopics)
        numbers << t.context;
    return numbers;
}

void HelpWindow::openBook(const QString& helpFile) {
    initZarvekResources();
    const QString name = bookName(helpFile);
    if (name == book)
        return;
    book = name;
    QFile file(contentsPage(book));
    const QStringList texts =
        buttonTexts(file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString());
    contents->setText(texts[0]);
    back->setText(texts[1]);
    forward->setText(texts[2]);
    browser->clear();
}

void HelpWindow::open(const QString& page) {
    if (QFile::exists(page.section(u'#', 0, 0)))
        browser->setSource(resourceUrl(page));
    // The page may already have been on view, with the history it had then.
    browser->clearHistory();
    if (isHidden())
        fitScreen();
    show();
    raise();
    activateWindow();
}

void HelpWindow::fitScreen() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    // A small screen at a high scale holds less than the book's usual size;
    // the frame has to fit too.
    const QSize room = screen->availableGeometry().size();
    resize(size().boundedTo(room.shrunkBy(frameExtents(*this))));
    // Where the player left it, as far as the screen allows.
    const QRect outer = frameGeometry();
    if (testAttribute(Qt::WA_Moved))
        moveFrameTo(*this, keeponscreen(outer.left(), outer.top(), outer.width(), outer.height(), 0,
                                        room.width(), room.height()));
}

void HelpWindow::setOwner(QWidget* owner) {
    if (parentWidget() == owner)
        return;
    // Not hidden by the player, though perhaps along with a dialog that owned it.
    const bool shown = !isHidden();
    const QRect place = geometry();
    setParent(owner, windowFlags());
    // One that is not on the screen is placed over its owner when it opens.
    if (shown) {
        setGeometry(place);
        show();
    }
}

void HelpWindow::showContents(const QString& helpFile) {
    openBook(helpFile);
    open(contentsPage(book));
}

void HelpWindow::showTopic(const QString& helpFile, int context) {
    const QString link = topicLink(helpFile, context);
    if (link.isEmpty()) {
        showContents(helpFile);
        return;
    }
    openBook(helpFile);
    open(QStringLiteral(":/help/") + link);
}

QString HelpWindow::shownPage() const {
    const QUrl url = browser->source();
    if (url.isEmpty() || !QFile::exists(contentsPage(book)))
        return {}; // no book for this name
    return u':' + url.path() + (url.hasFragment() ? u'#' + url.fragment() : QString());
}
