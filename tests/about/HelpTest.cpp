// The help books: the right book for each language, topics for the dialogs'
// help contexts, every link of every page resolving, and the main window's
// Help and About commands.
#include "About01.h"
#include "HelpPages.h"
#include "HelpWindow.h"
#include "WindowFixture.h"
#include "resources.h"

#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QScrollBar>
#include <QToolButton>

#include <map>
#include <set>

namespace {

std::set<QString> captures(const QString& html, const char* pattern) {
    std::set<QString> found;
    for (const QRegularExpressionMatch& m : QRegularExpression(pattern).globalMatch(html))
        found.insert(m.captured(1));
    return found;
}

// Every page of the help by resource path: its anchors, its links, and
// whether it has a title.
struct Page {
    std::set<QString> anchors, links;
    bool titled;
};
std::map<QString, Page> helpPages() {
    initZarvekResources();
    std::map<QString, Page> pages;
    QDirIterator it(":/help", {"*.html"}, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        QFile file(it.next());
        EXPECT_TRUE(file.open(QIODevice::ReadOnly));
        const QString html = QString::fromUtf8(file.readAll());
        pages[file.fileName()] = {captures(html, R"re(<a\s+name="([^"]+)")re"),
                                  captures(html, R"re(href="([^"]*)")re"),
                                  !captures(html, "<title>([^<]+)</title>").empty()};
    }
    return pages;
}

} // namespace

// Walked from its contents, each book's links and dialog topics stay inside it
// and land on anchors that exist, every page is reached and titled, and both
// books have the same pages and anchors.
TEST(Help, BothBooksAreWholeAlikeAndReachableFromTheirContents) {
    const auto pages = helpPages();
    std::map<QString, std::set<QString>> shapes; // book -> pages, as "rules.html#anchors..."
    for (const QString& book : {QStringLiteral("Zarvek(eng)"), QStringLiteral("Zarvek(rus)")}) {
        const QString contents = HelpWindow::contentsPage(book + ".hlp");
        std::set<QString> seen{contents};
        std::vector<QString> queue{contents};
        auto follow = [&](const QString& page, const QString& link) {
            const QString file = link.section(u'#', 0, 0), anchor = link.section(u'#', 1);
            const QString target =
                file.isEmpty() ? page : QDir::cleanPath(QFileInfo(page).path() + u'/' + file);
            const auto found = pages.find(target);
            ASSERT_TRUE(found != pages.end() && target.contains(book) && !link.contains(u':'))
                << (page + ": " + link).toStdString() << " leaves the book";
            EXPECT_TRUE(anchor.isEmpty() || found->second.anchors.count(anchor))
                << (page + ": " + link).toStdString();
            if (seen.insert(target).second)
                queue.push_back(target);
        };
        for (int context : HelpWindow::contexts())
            follow(contents, HelpWindow::topicLink(book + ".hlp", context));
        while (!queue.empty()) {
            const QString page = queue.back();
            queue.pop_back();
            for (const QString& link : pages.at(page).links)
                follow(page, link);
        }
        for (const auto& [path, page] : pages) {
            if (!path.contains(book))
                continue;
            EXPECT_TRUE(seen.count(path) && page.titled)
                << path.toStdString() << " unreachable or untitled";
            QString shape = QFileInfo(path).fileName().remove(book);
            for (const QString& a : page.anchors)
                shape += u'#' + a;
            shapes[book].insert(shape);
        }
    }
    EXPECT_EQ(shapes["Zarvek(eng)"], shapes["Zarvek(rus)"]);
}

TEST(Help, OpensTheBookOfTheLanguageAtItsContentsOrAtADialogsTopic) {
    const std::tuple<int, QString, QString> rows[] = {
        {1, ":/help/Zarvek(rus).html", "Содержание"},
        {2, ":/help/Zarvek(eng).html", "Contents"},
    };
    HelpWindow help;
    for (const auto& [lang, contents, button] : rows) {
        language = std::uint8_t(lang);
        help.showContents(langtext(1));
        EXPECT_EQ(help.shownPage(), contents);
        EXPECT_EQ(help.contentsButton()->text(), button);
        EXPECT_FALSE(help.backButton()->isEnabled()) << "back into the other language's book";
        EXPECT_TRUE(help.isVisible());
        help.showTopic(langtext(1), 301);
        EXPECT_EQ(help.shownPage(), QString(contents).replace(".html", "/backs.html"));
        help.showTopic(langtext(1), 102);
        EXPECT_TRUE(help.shownPage().endsWith("/options.html#parameters"));
        help.showTopic(langtext(1), 999); // no such topic: the contents
        EXPECT_EQ(help.shownPage(), contents);
    }
    language = 2;
}

// Each opening starts afresh at its page, even when that page is already on
// view: scrolled to the top, with no Back or Forward left from earlier reading.
TEST(Help, EveryOpeningStartsAtItsPageWithoutHistory) {
    HelpWindow help;
    help.resize(300, 200); // the contents then need scrolling
    QScrollBar* bar = help.pageView()->verticalScrollBar();
    for (int context : {0, 401}) { // the contents, then a dialog's topic
        // Read on from the contents and back, and scrolled down.
        help.showContents(langtext(1));
        const QString contents = help.shownPage();
        ASSERT_TRUE(clickFirstLink(help.pageView()));
        EXPECT_NE(help.shownPage(), contents);
        help.backButton()->click();
        EXPECT_EQ(help.shownPage(), contents);
        EXPECT_TRUE(help.forwardButton()->isEnabled());
        ASSERT_GT(bar->maximum(), 0);
        bar->setValue(bar->maximum());
        help.close();

        context ? help.showTopic(langtext(1), context) : help.showContents(langtext(1));
        EXPECT_EQ(help.shownPage() == contents, context == 0);
        EXPECT_FALSE(help.backButton()->isEnabled()) << context;
        EXPECT_FALSE(help.forwardButton()->isEnabled()) << context;
        EXPECT_EQ(bar->value(), 0) << context;
    }
}

TEST_F(WindowTest, F12OpensTheAboutDialogOnceTheSplashHasGoneAndHelpTheBook) {
    // The splash, once the table has been drawn.
    EXPECT_TRUE(QTest::qWaitFor([] { return aboutform->isVisible(); }));
    EXPECT_FALSE(aboutform->framed());
    aboutform->TimerstopTimer();
    // The splash never keeps the keys from the table.
    ASSERT_TRUE(QTest::qWaitForWindowActive(Form1));

    bool framed = false;
    Qt::WindowFlags flags;
    onModal<Taboutform>([&framed, &flags](Taboutform* about) {
        framed = about->framed();
        flags = about->windowFlags();
        about->accept();
    });
    key(Qt::Key_F12);
    EXPECT_TRUE(framed);
    // A fixed dialog above the table, closed from its title bar and nothing else
    // (the window menu comes with the close button).
    EXPECT_EQ(flags, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                         Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                         Qt::MSWindowsFixedSizeDialogHint | Qt::WindowStaysOnTopHint);
    EXPECT_FALSE(aboutform->isVisible());

    Form1->N13->trigger();
    auto* help = Form1->findChild<HelpWindow*>();
    ASSERT_NE(help, nullptr);
    EXPECT_EQ(help->shownPage(), ":/help/Zarvek(eng).html");
    EXPECT_EQ(help->windowTitle(), "Help — Zarvek"); // the page's own title
}
