// The general error report without windows: every store failure reaches the
// player once, after the files set aside on the way, through the reporter the
// program installed, or the log when there is none, never silently.
#include "ErrorReport.h"
#include "QtPrinters.h"
#include "StoreFiles.h"
#include "Texts.h"

#include <QStringList>

#include <gtest/gtest.h>

namespace {

QStringList reported;

void collect(const QString& text) {
    reported << text;
}

QStringList logged;

void collectLog(QtMsgType type, const QMessageLogContext&, const QString& text) {
    if (type == QtWarningMsg)
        logged << text;
}

class ErrorReportTest : public ::testing::Test {
protected:
    void SetUp() override {
        reported.clear();
        writeStoreFile({});
        setErrorReporter(&collect);
    }
    void TearDown() override {
        setErrorReporter(nullptr);
        writeStoreFile({});
    }
};

} // namespace

TEST_F(ErrorReportTest, AFailureIsReportedOnceAsASentence) {
    const std::pair<const char*, const char*> rows[] = {
        {"Access denied", "Access denied."},
        {"Access denied.", "Access denied."},
        {"Not 1.5", "Not 1.5."},
    };
    for (const auto& [message, expected] : rows) {
        reported.clear();
        reportError(StoreError(message));
        EXPECT_EQ(reported, QStringList{expected}) << message;
    }
}

TEST_F(ErrorReportTest, WithNoReporterInstalledTheFailureGoesToTheLog) {
    setErrorReporter(nullptr);
    logged.clear();
    const QtMessageHandler previous = qInstallMessageHandler(&collectLog);
    reportError(StoreError("Access denied"));
    qInstallMessageHandler(previous);
    EXPECT_EQ(logged, QStringList{"Access denied."});
    EXPECT_EQ(reported, QStringList());
}

// The files the work set aside are told first, in the language of the run,
// whether or not the work then failed; the result says whether it finished.
TEST_F(ErrorReportTest, WorkReportsTheFilesItSetAsideThenItsFailure) {
    language = 2;
    const struct {
        bool damaged;
        bool fails;
        int reports;
    } rows[] = {{false, false, 0}, {false, true, 1}, {true, false, 1}, {true, true, 2}};
    for (const auto& row : rows) {
        SCOPED_TRACE(testing::Message() << "damaged " << row.damaged << ", fails " << row.fails);
        reported.clear();
        writeStoreFile(row.damaged ? QByteArray("[Format]\nScore=1\n\x01\x02\"\n") : "");
        bool reachedTheEnd = false;
        const bool finished = reportingStoreErrors([&] {
            guardStoreFile(IniStore::programKeyFile());
            if (row.fails)
                throw StoreError("Access denied");
            reachedTheEnd = true;
        });
        EXPECT_EQ(finished, !row.fails);
        EXPECT_EQ(reachedTheEnd, !row.fails);
        ASSERT_EQ(reported.size(), row.reports);
        if (row.damaged) {
            const QStringList aside = setAsideFiles();
            ASSERT_EQ(aside.size(), 1);
            EXPECT_EQ(reported.front(), stringResource(2240).arg(aside[0]));
        }
        if (row.fails) {
            EXPECT_EQ(reported.back(), "Access denied.");
        }
        writeStoreFile({});
    }
}
