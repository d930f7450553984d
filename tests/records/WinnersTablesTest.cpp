#include "WinnersTables.h"
#include "IniStore.h"
#include "StoreError.h"
#include "StoreFiles.h"

#include <gtest/gtest.h>

namespace {

// The tables as stored in `text`, loaded the way the dialog loads them.
WinnersTables loaded(const QByteArray& text) {
    writeStoreFile(text);
    WinnersTables tables;
    IniStore store;
    tables.load(store);
    store.close();
    return tables;
}

// One table as "name value" pairs, rank 1 first; an empty slot reads "-".
std::string ranks(const WinnersTables& t, int table) {
    std::string out;
    for (int r = 1; r <= kWinnerRanks; ++r) {
        const WinnerEntry& e = t.slot(kWinnerRanks * table + r);
        out += e.name.isEmpty() ? "-" : (e.name + u' ' + QString::number(e.value)).toStdString();
        out += r < kWinnerRanks ? ", " : "";
    }
    return out;
}

} // namespace

TEST(WinnersTablesTest, ANewEntryRisesAboveEveryEntryItBeatsOrEquals) {
    struct Row {
        const char* stored;
        int table;
        qint32 value;
        const char* after;
    } rows[] = {
        // The equal older entries above the new one trade places on the way.
        {"Name6=A\nScore6=100\nName7=B\nScore7=90\nName8=C\nScore8=90\nName9=D\nScore9=50\n", 1, 60,
         "A 100, C 90, B 90, N 60, D 50"},
        {"Name6=A\nScore6=100\nName7=B\nScore7=90\nName8=C\nScore8=80\nName9=D\nScore9=70\n"
         "Name10=E\nScore10=60\n",
         1, 90, "A 100, N 90, B 90, C 80, D 70"},
        {"Name11=A\nScore11=30\nName12=B\nScore12=45\nName13=C\nScore13=60\n", 2, 45,
         "A 30, N 45, B 45, C 60, -"},
        {"", 0, -140, "N -140, -, -, -, -"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.after);
        WinnersTables t = loaded(QByteArray("[Winners]\n") + row.stored);
        t.insert(row.table, row.value, QStringLiteral("N"));
        EXPECT_EQ(ranks(t, row.table), row.after);
    }
}

TEST(WinnersTablesTest, OnlyAResultBetterThanTheStoredFifthQualifies) {
    struct Row {
        const char* stored;
        int table;
        qint32 score, seconds;
        bool qualifies;
    } rows[] = {
        {"", 0, -999999, 5, true}, // an empty table takes any result
        {"", 2, -150, 999999, true},
        {"Name5=X\nScore5=50\n", 0, 50, 5, false}, // equalling the fifth is not enough
        {"Name5=X\nScore5=50\n", 0, 51, 5, true},
        {"Name10=X\nScore10=-20\n", 1, -20, 5, false},
        {"Name15=X\nScore15=100\n", 2, 500, 100, false}, // time: lower is better
        {"Name15=X\nScore15=100\n", 2, -500, 99, true},
        {"Score5=50\n", 0, -60, 5, true}, // a value without a name is an empty slot
        {"Name5=X\nScore5=0x1F\n", 0, 31, 5, false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.stored);
        writeStoreFile(QByteArray("[Winners]\n") + row.stored);
        EXPECT_EQ(qualifies(row.table, row.score, row.seconds), row.qualifies) << row.table;
    }
}

// A name another program wrote in the Windows Cyrillic code page reads as the
// letters it meant, and goes back into the file as UTF-8 at the next write.
TEST(WinnersTablesTest, ANameInTheCyrillicCodePageReadsAndIsKept) {
    const QByteArray stored = "[Winners]\nName1=\xC8\xE2\xE0\xED\nScore1=50\n";
    const WinnersTables t = loaded(stored);
    EXPECT_EQ(ranks(t, 0), "Иван 50, -, -, -, -");
    EXPECT_EQ(readStoreFile(), stored) << "not rewritten on opening";
    EXPECT_EQ(takeSetAsideFiles(), QStringList()) << "nothing lost, nothing to tell";
    IniStore store;
    t.write(store, 2);
    store.close();
    EXPECT_TRUE(readStoreFile().contains("\nName1=Иван\nName11=\n"));
}

TEST(WinnersTablesTest, AWinnerStoredAsATypedValueRaisesTheStoreError) {
    const std::pair<const char*, const char*> rows[] = {
        {"Name5=@Variant(\\0\\0\\0\\n\\0\\0\\0\\x4\\0x\\0y)\n", "Name5"},
        {"Name5=X\nScore5=@Variant(zz)\n", "Score5"},
    };
    for (const auto& [stored, ident] : rows) {
        writeStoreFile(QByteArray("[Winners]\n") + stored);
        try {
            qualifies(0, 1, 1);
            ADD_FAILURE() << stored;
        } catch (const StoreError& e) {
            EXPECT_EQ(e.message().toStdString(),
                      "Invalid data type for '" + std::string(ident) + "'");
        }
    }
}

// How the dialog reads the tables is its own test; a table is written whole,
// empty slots included, and the others are left alone.
TEST(WinnersTablesTest, WritingATableWritesAllItsSlotsAndNoOthers) {
    writeStoreFile("[Winners]\nName1=Keep\nScore1=5\n");
    WinnersTables fresh;
    fresh.insert(2, 42, QString());
    fresh.insert(1, 60, QStringLiteral("Ann"));
    IniStore store;
    fresh.write(store, 1);
    fresh.write(store, 2);
    store.close();
    const std::pair<const char*, const char*> stored[] = {
        {"Winners/Name1", "Keep"}, {"Winners/Score1", "5"},   {"Winners/Name6", "Ann"},
        {"Winners/Score6", "60"},  {"Winners/Name10", ""},    {"Winners/Score10", "-1000000"},
        {"Winners/Name11", ""},    {"Winners/Score11", "42"}, {"Winners/Score15", "1000000"},
    };
    for (const auto& [key, value] : stored)
        EXPECT_EQ(storedValue(key), value) << key;
    EXPECT_TRUE(readStoreFile().contains("Name10=\n")) << "empty names are stored, not left out";
}

TEST(WinnersTablesTest, ValuesShowAsNumbersOrMinutesAndSeconds) {
    struct Row {
        int table;
        qint32 value;
        const char* text;
    } rows[] = {
        {2, 65, "1:05"},   {2, 9, "0:09"},    {2, 3600, "60:00"}, {2, 600, "10:00"},
        {0, -140, "-140"}, {1, 1234, "1234"}, {0, -1000000, ""},  {2, 1000000, ""},
    };
    for (const Row& row : rows)
        EXPECT_EQ(winnerValueText(row.table, row.value).toStdString(), row.text) << row.value;
}
