#include "PictureControl.h"

#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

TEST(PictureControl, OnlyALeftButtonPressedAndReleasedOverThePictureClicks) {
    PictureControl control(1);
    control.resize(4, 3);
    QSignalSpy spy(&control, &PictureControl::clicked);
    QTest::mouseClick(&control, Qt::RightButton, {}, QPoint(1, 1));
    QTest::mousePress(&control, Qt::LeftButton, {}, QPoint(1, 1));
    QTest::mouseRelease(&control, Qt::LeftButton, {}, QPoint(10, 10)); // dragged off
    QTest::mouseRelease(&control, Qt::LeftButton, {}, QPoint(1, 1));   // no press before it
    EXPECT_EQ(spy.count(), 0);
    QTest::mouseClick(&control, Qt::LeftButton, {}, QPoint(1, 1));
    ASSERT_EQ(spy.count(), 1);
    EXPECT_EQ(spy.at(0).at(0).value<PictureControl*>(), &control);
}
