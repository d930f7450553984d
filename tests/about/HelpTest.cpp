// The help books: the right book for each language, topics for the dialogs'
// help contexts, every link of every page resolving, and the main window's
// Help and About commands.
#include "../app/WindowFixture.h"
#include "About01.h"
#include "HelpWindow.h"
#include "resources.h"

#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <map>
#include <set>

#include <gtest/gtest.h>

// Failure messages name pages and links as text.
inline std::ostream& operator<<(std::ostream& os, const QString& s) {
    return os << s.toStdString();
}

namespace {

QString read(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}

std::vector<QString> captures(const QString& text, const char* pattern) {
    std::vector<QString> found;
    QRegularExpressionMatchIterator it =
        QRegularExpression(QString::fromLatin1(pattern)).globalMatch(text);
    while (it.hasNext())
        found.push_back(it.next().captured(1));
    return found;
}

// Every page of the help, by resource path, with its anchors and links.
struct Page {
    std::set<QString> anchors;
    std::vector<QString> links;
};
std::map<QString, Page> helpPages() {
    initZarvekResources();
    std::map<QString, Page> pages;
    QDirIterator it(QStringLiteral(":/help"), {QStringLiteral("*.html")}, QDir::Files,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        const QString html = read(path);
        Page& p = pages[path];
        for (const QString& a : captures(html, R"re(<a\s+name="([^"]+)")re"))
            p.anchors.insert(a);
        p.links = captures(html, R"re(href="([^"]*)")re");
    }
    return pages;
}

// A link as a resource path and anchor, resolved against the page it is on.
std::pair<QString, QString> resolve(const QString& page, const QString& link) {
    const qsizetype hash = link.indexOf(u'#');
    const QString file = hash < 0 ? link : link.left(hash);
    const QString anchor = hash < 0 ? QString() : link.mid(hash + 1);
    const QString target =
        file.isEmpty() ? page : QDir::cleanPath(QFileInfo(page).path() + u'/' + file);
    return {target, anchor};
}

} // namespace

TEST(Help, EveryLinkOfEveryPageLeadsToAPageAndAnchorOfTheSameBook) {
    const auto pages = helpPages();
    ASSERT_GE(pages.size(), 2u);
    for (const auto& [path, page] : pages) {
        const QString book = path.section(u'/', 2, 2).section(u'.', 0, 0); // "Zarvek(eng)"
        for (const QString& link : page.links) {
            EXPECT_FALSE(link.contains(u':')) << path << ": " << link << " leaves the book";
            const auto [target, anchor] = resolve(path, link);
            const auto found = pages.find(target);
            ASSERT_NE(found, pages.end()) << path << ": " << link;
            EXPECT_TRUE(target.contains(book)) << path << ": " << link << " crosses books";
            EXPECT_TRUE(anchor.isEmpty() || found->second.anchors.count(anchor))
                << path << ": " << link;
        }
        EXPECT_FALSE(captures(read(path), "<title>([^<]+)</title>").empty()) << path;
    }
}

TEST(Help, BothBooksHaveTheSamePagesAllReachableFromTheirContents) {
    const auto pages = helpPages();
    std::map<QString, std::set<QString>> reached; // book -> pages, as "rules.html#anchors..."
    for (const QString& book : {QStringLiteral("Zarvek(eng)"), QStringLiteral("Zarvek(rus)")}) {
        const QString contents = HelpWindow::contentsPage(book + QStringLiteral(".hlp"));
        std::set<QString> seen{contents};
        std::vector<QString> queue{contents};
        while (!queue.empty()) {
            const QString page = queue.back();
            queue.pop_back();
            for (const QString& link : pages.at(page).links) {
                const QString target = resolve(page, link).first;
                if (pages.count(target) && seen.insert(target).second)
                    queue.push_back(target);
            }
        }
        for (const auto& [path, page] : pages) {
            if (!path.contains(book))
                continue;
            EXPECT_TRUE(seen.count(path)) << path << " is not reachable";
            QString shape = QFileInfo(path).fileName().remove(book);
            for (const QString& a : page.anchors)
                shape += u'#' + a;
            reached[book].insert(shape);
        }
        // Each dialog's topic is linked from the contents page itself.
        const std::vector<QString>& contentsLinks = pages.at(contents).links;
        for (int context : HelpWindow::contexts()) {
            const QString link = HelpWindow::topicLink(book + QStringLiteral(".hlp"), context);
            EXPECT_NE(std::find(contentsLinks.begin(), contentsLinks.end(), link),
                      contentsLinks.end())
                << book << " " << context;
        }
    }
    EXPECT_EQ(reached[QStringLiteral("Zarvek(eng)")], reached[QStringLiteral("Zarvek(rus)")]);
}

TEST(Help, OpensTheBookOfTheLanguageAtItsContentsOrAtADialogsTopic) {
    struct Row {
        int language;
        const char* contents;
        const char* button;
        const char* backsTopic;
    };
    const Row rows[] = {
        {1, ":/help/Zarvek(rus).html", "Содержание", ":/help/Zarvek(rus)/backs.html"},
        {2, ":/help/Zarvek(eng).html", "Contents", ":/help/Zarvek(eng)/backs.html"},
    };
    HelpWindow help;
    for (const Row& r : rows) {
        language = std::uint8_t(r.language);
        help.showContents(langtext(1));
        EXPECT_EQ(help.shownPage(), r.contents);
        EXPECT_EQ(help.contentsButton()->text(), r.button);
        EXPECT_FALSE(help.backButton()->isEnabled()) << "back into the other language's book";
        EXPECT_TRUE(help.isVisible());
        help.showTopic(langtext(1), 301);
        EXPECT_EQ(help.shownPage(), r.backsTopic);
        EXPECT_TRUE(help.backButton()->isEnabled());
        help.showTopic(langtext(1), 102);
        EXPECT_TRUE(help.shownPage().endsWith(QStringLiteral("/options.html#parameters")));
        help.showTopic(langtext(1), 999); // no such topic: the contents
        EXPECT_EQ(help.shownPage(), r.contents);
    }
    language = 2;
}

TEST_F(WindowTest, F12OpensTheAboutDialogOverTheTableOnceTheSplashHasGone) {
    // The splash, once the table has been drawn.
    EXPECT_TRUE(QTest::qWaitFor([] { return aboutform->isVisible(); }));
    EXPECT_FALSE(aboutform->framed());
    aboutform->TimerstopTimer();
    // The splash never keeps the keys from the table.
    ASSERT_TRUE(QTest::qWaitForWindowActive(Form1));

    bool opened = false;
    QTimer::singleShot(0, [&] {
        opened = aboutform->isVisible() && aboutform->framed() && aboutform->isModal();
        aboutform->accept();
    });
    key(Qt::Key_F12);
    EXPECT_TRUE(opened);
    EXPECT_FALSE(aboutform->isVisible());
}
