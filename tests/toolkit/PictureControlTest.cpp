#include "PictureControl.h"

#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

TEST(PictureControl, ClickReportsTheControlWithItsTag) {
    PictureControl control(7);
    control.resize(4, 3);
    QSignalSpy spy(&control, &PictureControl::clicked);

    QTest::mouseClick(&control, Qt::LeftButton, {}, QPoint(1, 1));
    ASSERT_EQ(spy.count(), 1);
    auto* reported = spy.at(0).at(0).value<PictureControl*>();
    EXPECT_EQ(reported, &control);
    EXPECT_EQ(reported->tag(), 7);

    QTest::mouseClick(&control, Qt::RightButton, {}, QPoint(1, 1));
    EXPECT_EQ(spy.count(), 1) << "only the left button clicks";
}

TEST(PictureControl, ReleasingOutsideCancelsTheClick) {
    PictureControl control(1);
    control.resize(4, 3);
    QSignalSpy spy(&control, &PictureControl::clicked);
    QTest::mousePress(&control, Qt::LeftButton, {}, QPoint(1, 1));
    QTest::mouseRelease(&control, Qt::LeftButton, {}, QPoint(10, 10));
    EXPECT_EQ(spy.count(), 0);
    // A release without a press on the picture is no click either.
    QTest::mouseRelease(&control, Qt::LeftButton, {}, QPoint(1, 1));
    EXPECT_EQ(spy.count(), 0);
}
