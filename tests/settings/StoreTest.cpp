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

TEST_F(StoreTest, AValueStoredWithAnotherTypeRaisesTheStoreError) {
    for (const char* stored : {"Score=1, 2", "Score=@ByteArray(1)"}) {
        writeStoreFile(QByteArray("[Format]\n") + stored + "\n");
        EXPECT_EQ(storeError([] { readBack(); }), "Invalid data type for 'Score'") << stored;
    }
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
    // A cut file is not mended when the room for it is gone.
    const QByteArray damaged = clean + "[Winners]\nName1=" + QByteArray(90, 'x') + "\n[Win";
    for (const QByteArray& before : {clean, damaged}) {
        writeStoreFile(before);
        // The disk fills up: no file may grow past a few bytes.
        rlimit saved{};
        getrlimit(RLIMIT_FSIZE, &saved);
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit small = saved;
        small.rlim_cur = clean.size() + 60;
        setrlimit(RLIMIT_FSIZE, &small);
        const QString message = storeError([] {
            IniStore store;
            store.writeInteger("Format", "Score", 2);
            store.writeString("Winners", "Name1", QString(500, u'x'));
            store.close();
        });
        // Read straight from the disk: any use of the store would retry the batch.
        EXPECT_EQ(readStoreFile(), before);
        setrlimit(RLIMIT_FSIZE, &saved);
        EXPECT_EQ(message, "Failed to set data for 'Score'");
    }

    // The store's folder cannot be made: a file stands where it would be.
    QTemporaryDir blocked;
    QFile(blocked.filePath("file")).open(QIODevice::WriteOnly);
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, blocked.filePath("file/sub"));
    const QString message = storeError([] { IniStore().writeInteger("Format", "Score", 2); });
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                       QFileInfo(IniStore::makerFolder()).absolutePath());
    EXPECT_EQ(message, "Failed to create key Format");
}

TEST_F(StoreTest, RemovalTakesOurKeyAndTheMakerFolderOnlyWhenNothingElseIsInIt) {
    const QDir maker(IniStore::makerFolder());
    writeStoreFile("[Format]\nScore=1\n");
    EXPECT_TRUE(removeProgramKey());
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
