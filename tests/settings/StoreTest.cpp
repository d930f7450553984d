// The per-user store: how stored text reads, how a failed write ends, and
// what link removal leaves behind.
#include "IniStore.h"
#include "SettingsStore.h"
#include "StoreError.h"
#include "StoreFiles.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <csignal>
#include <sys/resource.h>

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

} // namespace

TEST(StoredInteger, DecimalOrHexadecimalTextElseTheDefault) {
    const struct {
        const char* text;
        int expected;
    } rows[] = {
        {"12", 12}, {"-1", -1},  {"0x1F", 31},   {"0X1f", 31},       {"0xFFFFFFFF", -1},
        {"0x", 7},  {"0xZZ", 7}, {"abc", 7},     {"12abc", 7},       {"", 7},
        {"1.5", 7}, {"$1F", 7},  {"0x1F0", 496}, {"99999999999", 7},
    };
    for (const auto& row : rows)
        EXPECT_EQ(parseStoredInteger(QString::fromLatin1(row.text), 7), row.expected) << row.text;
}

TEST_F(StoreTest, OptionsOutOfRangeFallBackAndBooleansAreAnyNonZero) {
    EXPECT_EQ(readBack().deck, 2) << "nothing stored";
    writeStoreFile("[Format]\nScore=7\nCards=-1\nDeck=0\nCursor=5\nSaveScore=0\n"
                   "NewCards=junk\nShowDialog=0x0\nLanguage=7\n");
    Settings s = readBack();
    EXPECT_EQ(s.scoreMode, 0);
    EXPECT_EQ(s.drawThree, 0);
    EXPECT_EQ(s.deck, 2);
    EXPECT_TRUE(s.cursor);
    EXPECT_FALSE(s.saveScore);
    EXPECT_TRUE(s.newCards) << "not a number: the default";
    EXPECT_FALSE(s.showDialog);
    writeStoreFile("[Format]\nScore=2\nCards=1\nDeck=13\n");
    s = readBack();
    EXPECT_EQ(s.scoreMode, 2);
    EXPECT_EQ(s.drawThree, 1);
    EXPECT_EQ(s.deck, 2);
    writeStoreFile("[Format]\nDeck=0xC\n");
    EXPECT_EQ(readBack().deck, 12);

    // A boolean stored as 5 goes back as "1".
    writeStoreFile("[Format]\nCursor=5\n");
    {
        IniStore store;
        writeFormat(store, readBack());
        store.close();
    }
    EXPECT_EQ(storedValue("Format/Cursor"), "1");
}

TEST_F(StoreTest, LanguageIsTheLowByteAndOneWithoutTextsReadsAsEnglish) {
    const struct {
        const char* stored;
        int expected;
    } rows[] = {{"1", 1}, {"2", 2}, {"257", 1}, {"0", 2}, {"7", 2}, {"-1", 2}, {"x", 2}};
    for (const auto& row : rows) {
        writeStoreFile(QByteArray("[Format]\nLanguage=") + row.stored + "\n");
        IniStore store;
        EXPECT_EQ(readLanguage(store), row.expected) << row.stored;
    }
}

TEST_F(StoreTest, AValueStoredWithAnotherTypeRaisesTheStoreError) {
    for (const char* stored : {"Score=1, 2", "Score=@ByteArray(1)"}) {
        writeStoreFile(QByteArray("[Format]\n") + stored + "\n");
        IniStore store;
        Settings s;
        try {
            readFormat(store, s);
            ADD_FAILURE() << stored << " was read";
        } catch (const StoreError& e) {
            EXPECT_EQ(e.message(), "Invalid data type for 'Score'");
        }
    }
}

TEST(WindowPlacement, SizeAndPositionChecks) {
    const struct {
        QRect stored;
        QRect expected;
    } rows[] = {
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
    for (const auto& row : rows)
        EXPECT_EQ(checkWindowPlacement(row.stored, 1024, 768), row.expected) << row.stored.x();
}

TEST_F(StoreTest, AStoreThatCannotBeWrittenReportsAndKeepsWhatWasStored) {
    {
        IniStore store;
        store.writeInteger("Format", "Score", 1);
        store.close();
    }
    const QByteArray clean = readStoreFile();
    ASSERT_FALSE(clean.isEmpty());
    // A cut file is not mended when the room for it is gone.
    const QByteArray damaged = clean + "[Winners]\nName1=" + QByteArray(90, 'x') + "\n[Win";
    for (const QByteArray& before : {clean, damaged}) {
        writeStoreFile(before);
        // Read straight from the disk: any use of the store would retry the batch.
        QFile file(IniStore::programKeyFile());

        // The disk fills up: no file may grow past a few bytes.
        rlimit saved{};
        getrlimit(RLIMIT_FSIZE, &saved);
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit small = saved;
        small.rlim_cur = clean.size() + 60;
        setrlimit(RLIMIT_FSIZE, &small);
        QString message;
        try {
            IniStore store;
            store.writeInteger("Format", "Score", 2);
            store.writeString("Winners", "Name1", QString(500, u'x'));
            store.close();
        } catch (const StoreError& e) {
            message = e.message();
        }
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        EXPECT_EQ(file.readAll(), before);
        setrlimit(RLIMIT_FSIZE, &saved);
        EXPECT_EQ(message, "Failed to set data for 'Score'");
    }

    // The store's folder cannot be made: a file stands where it would be.
    QTemporaryDir blocked;
    QFile(blocked.filePath("file")).open(QIODevice::WriteOnly);
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, blocked.filePath("file/sub"));
    QString message;
    try {
        IniStore store;
        store.writeInteger("Format", "Score", 2);
    } catch (const StoreError& e) {
        message = e.message();
    }
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                       QFileInfo(IniStore::makerFolder()).absolutePath());
    EXPECT_EQ(message, "Failed to create key Format");
}

TEST_F(StoreTest, RemovalTakesOurKeyAndTheMakerFolderOnlyWhenNothingElseIsInIt) {
    const QDir maker(IniStore::makerFolder());
    writeStoreFile("[Format]\nScore=1\n");
    EXPECT_TRUE(removeProgramKey());
    EXPECT_FALSE(QFileInfo::exists(IniStore::programKeyFile()));
    EXPECT_FALSE(maker.exists());
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
