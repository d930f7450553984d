// The per-user store: how stored text reads, how a failed write ends, and
// what link removal leaves behind.
#include "IniStore.h"
#include "IniText.h"
#include "QtPrinters.h"
#include "SettingsStore.h"
#include "StoreError.h"
#include "StoreFiles.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <csignal>
#include <functional>
#include <sys/resource.h>
#include <tuple>

namespace {

class StoreTest : public ::testing::Test {
protected:
    void SetUp() override { writeStoreFile({}); }
    void TearDown() override { writeStoreFile({}); }
};

Settings readBack() {
    IniStore store;
    Settings s;
    readFormat(store, s);
    return s;
}

// The message of the store error `act` raises; empty when it raises none.
QString storeError(const std::function<void()>& act) {
    try {
        act();
    } catch (const StoreError& e) {
        return e.message();
    }
    return {};
}

} // namespace

TEST(StoredInteger, DecimalOrHexadecimalTextElseTheDefault) {
    const std::pair<const char*, int> rows[] = {
        {"12", 12}, {"-1", -1},  {"0x1F", 31},   {"0X1f", 31},       {"0xFFFFFFFF", -1},
        {"0x", 7},  {"0xZZ", 7}, {"abc", 7},     {"12abc", 7},       {"", 7},
        {"1.5", 7}, {"$1F", 7},  {"0x1F0", 496}, {"99999999999", 7},
    };
    for (const auto& [text, expected] : rows)
        EXPECT_EQ(parseStoredInteger(QString::fromLatin1(text), 7), expected) << text;
}

TEST_F(StoreTest, OptionsOutOfRangeFallBackAndBooleansAreAnyNonZero) {
    const std::pair<const char*, std::tuple<int, int, int>> rows[] = {
        {"Score=7\nCards=-1\nDeck=0\n", {0, 0, 2}},
        {"Score=2\nCards=1\nDeck=13\n", {2, 1, 2}},
        {"Deck=0xC\n", {0, 0, 12}},
    };
    for (const auto& [stored, expected] : rows) {
        writeStoreFile(QByteArray("[Format]\n") + stored);
        const Settings s = readBack();
        EXPECT_EQ(std::tuple(s.scoreMode, s.drawThree, s.deck), expected) << stored;
    }
    writeStoreFile("[Format]\nCursor=5\nSaveScore=0\nNewCards=junk\nShowDialog=0x0\n");
    const Settings s = readBack();
    EXPECT_EQ(std::tuple(s.cursor, s.saveScore, s.newCards, s.showDialog),
              std::tuple(true, false, true, false));
    {
        IniStore store;
        writeFormat(store, s);
        store.close();
    }
    EXPECT_EQ(storedValue("Format/Cursor"), "1") << "a boolean stored as 5 goes back as 1";
}

TEST_F(StoreTest, LanguageIsTheLowByteAndOneWithoutTextsReadsAsEnglish) {
    const std::pair<const char*, int> rows[] = {{"1", 1}, {"2", 2},  {"257", 1}, {"0", 2},
                                                {"7", 2}, {"-1", 2}, {"x", 2}};
    for (const auto& [stored, expected] : rows) {
        writeStoreFile(QByteArray("[Format]\nLanguage=") + stored + "\n");
        IniStore store;
        EXPECT_EQ(readLanguage(store), expected) << stored;
    }
}

// A list, bytes, a typed object holding text, and one that cannot be decoded.
TEST_F(StoreTest, AValueStoredWithAnotherTypeRaisesTheStoreErrorAndIsKept) {
    for (const char* stored :
         {"Score=1, 2", "Score=@ByteArray(1)", "Score=@Variant(\\0\\0\\0\\n\\0\\0\\0\\x4\\0x\\0y)",
          "Score=@Variant(zz)", "Score=@Invalid()"}) {
        writeStoreFile(QByteArray("[Format]\n") + stored + "\n");
        EXPECT_EQ(storeError([] { readBack(); }), "Invalid data type for 'Score'") << stored;
        {
            IniStore store;
            store.writeInteger("Format", "Deck", 3);
            store.close();
        }
        EXPECT_EQ(readStoreFile(), QByteArray("[Format]\nDeck=3\n") + stored + "\n");
    }
}

// What QSettings' own INI writer makes of a text is what the store writes,
// so files written before and after read alike; and it reads back as it was.
TEST(StoreText, WritesTheBytesQSettingsWritesAndReadsThemBack) {
    const QString names[] = {
        "Ann",
        "Иван",
        "a, b",
        "say \"hi\"",
        "  lead",
        "trail ",
        "",
        "@at",
        "@@two",
        "semi;colon=eq",
        QString("nul") + QChar(0) + "1x",
        QString("tab\tcr\rdel\x7f") + QChar(0x85) +
            "\x01"
            "9",
        "😀 \\ end",
        QString(QChar(0xA0)) + "nbsp" + QChar(0xA0),
        "@Variant(text)",
    };
    QSettings::SettingsMap values{
        {"Form/Left", "5"}, {"Top", "1"}, {"a b/c d", "v"}, {"General/x", "v"}};
    for (size_t i = 0; i < std::size(names); ++i)
        values.insert(QStringLiteral("Winners/Name%1").arg(i + 1), names[i]);
    QTemporaryDir dir;
    {
        QSettings ini(dir.filePath("t.ini"), QSettings::IniFormat);
        for (auto it = values.begin(); it != values.end(); ++it)
            ini.setValue(it.key(), it.value());
    }
    QFile file(dir.filePath("t.ini"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray written = file.readAll();
    EXPECT_EQ(QString(writeIniText(values)), QString(written));
    const IniReading back = readIniText(written);
    EXPECT_FALSE(back.damaged);
    EXPECT_EQ(back.values.keys(), values.keys());
    for (auto it = values.begin(); it != values.end(); ++it)
        EXPECT_EQ(back.values.value(it.key()), it.value()) << it.key().toStdString();
}

// Damage a crash, a cut copy or another program can leave. The line cannot be
// read; the file is kept as it was, copied aside once, and the rest reads.
TEST_F(StoreTest, ADamagedLineSetsTheFileAsideOnceAndTheRestStillReads) {
    const std::pair<const char*, QByteArray> rows[] = {
        {"control character", "Name2=B\x01o"},
        {"unterminated quote", "Name2=\"Bo"},
        {"trailing backslash", "Name2=Bo\\"},
        {"no value", "Nam"},
        {"cut header", "[Win"},
        {"ident of a binary block", "!(/6=DKRY"},
    };
    for (const auto& [name, damage] : rows) {
        SCOPED_TRACE(name);
        const QByteArray stored =
            "[Format]\nScore=1\n" + damage + "\nDeck=5\n[Winners]\nName1=Ann\n";
        writeStoreFile(stored);
        Settings s = readBack();
        EXPECT_EQ(std::pair(s.scoreMode, s.deck), std::pair(1, damage.startsWith('[') ? 2 : 5));
        EXPECT_EQ(readStoreFile(), stored) << "not rewritten on opening";
        const QStringList aside = takeSetAsideFiles();
        ASSERT_EQ(aside, setAsideFiles());
        ASSERT_EQ(aside.size(), 1);
        EXPECT_TRUE(aside[0].contains(".damaged-"));
        QFile copy(aside[0]);
        ASSERT_TRUE(copy.open(QIODevice::ReadOnly));
        EXPECT_EQ(copy.readAll(), stored);

        // Opened again in this run, and in the next one: nothing more to tell.
        IniStore().readString("Winners", "Name1", {});
        writeStoreFile(stored);
        IniStore store;
        EXPECT_EQ(store.readString("Winners", "Name1", {}), "Ann");
        EXPECT_EQ(takeSetAsideFiles(), QStringList());
        store.writeInteger("Format", "Cards", 1);
        store.close();
        EXPECT_EQ(readStoreFile(), QByteArray("[Format]\nCards=1\n") +
                                       (damage.startsWith('[') ? "" : "Deck=5\n") +
                                       "Score=1\n\n[Winners]\nName1=Ann\n");
        EXPECT_EQ(setAsideFiles(), aside);
        writeStoreFile({});
    }
}

// A store file larger than any the program writes is not read: it is moved
// aside whole, and the options are the defaults.
TEST_F(StoreTest, AnOversizedFileIsMovedAsideUnread) {
    QByteArray stored = "[Format]\nScore=1\n[Winners]\n";
    for (int n = 0; stored.size() <= 2 * 1024 * 1024; ++n)
        stored += "Name" + QByteArray::number(n) + "=" + QByteArray(60, 'x') + "\n";
    writeStoreFile(stored);
    EXPECT_EQ(readBack().scoreMode, 0);
    EXPECT_FALSE(QFileInfo::exists(IniStore::programKeyFile()));
    const QStringList aside = takeSetAsideFiles();
    ASSERT_EQ(aside, setAsideFiles());
    ASSERT_EQ(aside.size(), 1);
    QFile moved(aside[0]);
    ASSERT_TRUE(moved.open(QIODevice::ReadOnly));
    EXPECT_EQ(moved.readAll(), stored);
    readBack();
    EXPECT_EQ(takeSetAsideFiles(), QStringList());
}

TEST(WindowPlacement, SizeAndPositionChecks) {
    const std::pair<QRect, QRect> rows[] = {
        {{5, 20, 630, 440}, {5, 20, 630, 440}},
        {{5, 20, 100, 440}, {5, 20, 630, 440}}, // too narrow
        {{5, 20, 630, 149}, {5, 20, 630, 440}}, // too low
        {{0, 0, 1025, 500}, {0, 0, 630, 440}},  // wider than the screen
        {{5000, 20, 630, 440}, {197, 20, 630, 440}},
        {{-610, -420, 630, 440}, {-610, -420, 630, 440}}, // 20 pixels still show
        {{-611, -421, 630, 440}, {197, 164, 630, 440}},
        {{1004, 748, 630, 440}, {1004, 748, 630, 440}}, // 20 pixels still show
        {{1005, 749, 630, 440}, {197, 164, 630, 440}},
        {{5, 20, 631, 441}, {5, 20, 631, 441}},
    };
    for (const auto& [stored, expected] : rows)
        EXPECT_EQ(checkWindowPlacement(stored, 1024, 768), expected) << stored.x();
    // A 1024 x 768 screen at 200 % and at 150 %: the window fits whole.
    EXPECT_EQ(checkWindowPlacement({5, 20, 630, 440}, 512, 384), QRect(0, 0, 512, 384));
    EXPECT_EQ(checkWindowPlacement({5, 20, 630, 440}, 682, 384), QRect(5, 0, 630, 384));
    EXPECT_EQ(checkWindowPlacement({5, 20, 630, 440}, 682, 512), QRect(5, 20, 630, 440));
}

TEST_F(StoreTest, AStoreThatCannotBeWrittenReportsAndKeepsWhatWasStored) {
    const QByteArray clean = "[Format]\nScore=1\n";
    const auto batch = [](IniStore& store) {
        store.writeInteger("Format", "Score", 2);
        store.writeString("Winners", "Name1", QString(500, u'x'));
    };
    const struct {
        const char* name;
        QByteArray before;
        std::function<void(IniStore&)> write;
    } rows[] = {
        // The new text would fit, but the damage cannot be set aside first.
        // First: a failed batch stays to be retried, and would fail the next row.
        {"no room for the copy", clean + "Name=\"" + QByteArray(300, 'x') + "\n",
         [](IniStore& store) { store.writeInteger("Format", "Score", 2); }},
        {"clean", clean, batch},
        {"cut", clean + "[Winners]\nName1=" + QByteArray(300, 'x') + "\n[Win", batch},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        writeStoreFile(row.before);
        // The disk fills up: the store's lock file still fits, the new text does not.
        rlimit saved{};
        getrlimit(RLIMIT_FSIZE, &saved);
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit small = saved;
        small.rlim_cur = 256;
        setrlimit(RLIMIT_FSIZE, &small);
        const QString message = storeError([&row] {
            IniStore store;
            row.write(store);
            store.close();
        });
        // Read straight from the disk: any use of the store would retry the batch.
        EXPECT_EQ(readStoreFile(), row.before);
        setrlimit(RLIMIT_FSIZE, &saved);
        EXPECT_EQ(message, "Failed to set data for 'Score'");
        EXPECT_EQ(setAsideFiles(), QStringList());
    }

    // The store's folder cannot be made: a file stands where it would be.
    QTemporaryDir blocked;
    QFile(blocked.filePath("file")).open(QIODevice::WriteOnly);
    const QString home = QFileInfo(IniStore::makerFolder()).absolutePath();
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, blocked.filePath("file/sub"));
    const QString message = storeError([] { IniStore().writeInteger("Format", "Score", 2); });
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, home);
    EXPECT_EQ(message, "Failed to create key Format");
}

TEST_F(StoreTest, RemovalTakesOurKeyAndTheMakerFolderOnlyWhenNothingElseIsInIt) {
    const QDir maker(IniStore::makerFolder());
    writeStoreFile("[Format]\nScore=1\nName=\"\n");
    IniStore().readString("Format", "Score", {}); // sets the file aside
    ASSERT_EQ(setAsideFiles().size(), 1);
    EXPECT_TRUE(removeProgramKey());
    EXPECT_FALSE(maker.exists()) << "the copy set aside went too";
    EXPECT_TRUE(removeProgramKey()) << "a key already gone counts as removed";

    writeStoreFile("[Format]\nScore=1\n");
    QFile other(maker.filePath("Other.conf"));
    ASSERT_TRUE(other.open(QIODevice::WriteOnly));
    other.close();
    EXPECT_TRUE(removeProgramKey());
    EXPECT_FALSE(QFileInfo::exists(IniStore::programKeyFile()));
    EXPECT_TRUE(other.exists());

    // Something in our key's place that cannot go: the removal fails.
    ASSERT_TRUE(QDir().mkpath(IniStore::programKeyFile() + "/held"));
    EXPECT_FALSE(removeProgramKey());
    QDir(IniStore::programKeyFile()).removeRecursively();
    other.remove();
}
