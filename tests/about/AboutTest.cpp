// The splash and the About dialog: the animation step by step with its stop
// conditions, and that no timer outlives the window on screen.
#include "About01.h"

#include "AboutWidgets.h"
#include "QtPrinters.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <functional>

#include <gtest/gtest.h>

namespace {

class About : public testing::Test {
protected:
    Taboutform form;

    bool anyTimerActive() const {
        return form.Timerstop.isActive() || form.TimerName.isActive() ||
               form.Timerbutton.isActive() || form.Timerflyform.isActive();
    }
    // Opens the dialog over a main window and runs `script` inside its modal
    // loop; the script must close it as an acceptance, and no timer may outlive it.
    void openAbout(int language, const std::function<void()>& script) {
        QTimer::singleShot(0, &form, [&] {
            script();
            if (form.isVisible()) {
                ADD_FAILURE() << "the script left the dialog open";
                form.reject();
            }
        });
        form.aboutshow(language, 100, 50, 630, 440);
        EXPECT_EQ(form.result(), QDialog::Accepted);
        EXPECT_FALSE(anyTimerActive());
    }
    void doubleClickIcon() { QTest::mouseDClick(form.Image1, Qt::LeftButton); }
};

} // namespace

TEST_F(About, SplashShowsTheTitlePanelAloneTurnsIntoTheDialogAndEndsByItsTimer) {
    form.firstshow(1);
    EXPECT_TRUE(form.isVisible());
    EXPECT_FALSE(form.framed());
    // The bevel closes round the title panel, and the window round the bevel.
    EXPECT_EQ(form.size(), QSize(273, 121));
    EXPECT_EQ(form.Bevelabout->geometry(), QRect(0, 0, 273, 121));
    EXPECT_TRUE(form.Timerstop.isActive());
    doubleClickIcon(); // nothing to uncover on the splash
    EXPECT_FALSE(form.Timerflyform.isActive());

    form.aboutshow(1, 100, 50, 630, 440); // returns at once: it is already on screen
    EXPECT_TRUE(form.isVisible());
    EXPECT_TRUE(form.framed());
    EXPECT_TRUE(form.Timerstop.isActive());
    form.TimerstopTimer();
    EXPECT_FALSE(form.isVisible());
    EXPECT_FALSE(anyTimerActive());
}

TEST_F(About, VisShowsThePicturesOfTheLanguageOnly) {
    // Language, and whether the Russian pictures show afterwards: 3 and 0 are
    // no language, so the previous choice stays.
    const std::pair<int, bool> rows[] = {{1, true}, {2, false}, {3, false}, {1, true}, {0, true}};
    for (const auto& [lang, russian] : rows) {
        form.vis(lang);
        const QList<bool> visible{
            form.ImageNameR->isVisibleTo(&form), form.ImNamR->isVisibleTo(&form),
            !form.ImageNameE->isVisibleTo(&form), !form.ImNamE->isVisibleTo(&form)};
        EXPECT_EQ(visible, QList<bool>(4, russian)) << lang;
        const StretchedPicture* shown = russian ? form.ImageNameR : form.ImageNameE;
        EXPECT_EQ(shown->picture().deviceIndependentSize().toSize(), shown->size()) << lang;
    }
}

TEST_F(About, AnimationSlidesGrowsAndRisesToRestThenUncoversTheAddress) {
    openAbout(2, [&] {
        EXPECT_TRUE(form.framed());
        EXPECT_EQ(form.size(), QSize(273, 150));
        EXPECT_EQ(form.Bevelabout->geometry(), QRect(0, 4, 273, 121));

        // Ticks of TimerName: title top, frame border, icon geometry, and
        // whether the title is still moving.
        struct Row {
            int tick, titleTop, border;
            QRect icon;
            bool moving;
        };
        const Row rows[] = {
            {1, -25, 31, {35, 35, 2, 2}, true},
            {32, 6, 0, {4, 4, 64, 64}, true}, // fully grown
            {34, 8, 0, {4, 4, 64, 64}, false},
        };
        int done = 0;
        for (const Row& r : rows) {
            for (; done < r.tick; ++done)
                form.TimerNameTimer();
            EXPECT_EQ(form.ImageNameE->y(), r.titleTop) << r.tick;
            EXPECT_EQ(form.Image1->geometry(), r.icon) << r.tick;
            EXPECT_EQ(form.Panel1->borderWidth(), r.border) << r.tick;
            EXPECT_EQ(form.TimerName.isActive(), r.moving) << r.tick;
        }

        // OK rises from just below the edge (151) until it is above the bevel's
        // bottom (125) + 4: 23 steps.
        for (int i = 0; i < 22; ++i)
            form.TimerbuttonTimer();
        EXPECT_TRUE(form.Timerbutton.isActive());
        form.TimerbuttonTimer();
        EXPECT_FALSE(form.Timerbutton.isActive());
        EXPECT_EQ(form.BitBtn1->y(), 128);

        // The growth stops once the client exceeds 121 + 21 + 45 + 16.
        doubleClickIcon();
        ASSERT_TRUE(form.Timerflyform.isActive());
        for (int step = 0; form.Timerflyform.isActive() && step < 200; ++step)
            form.TimerflyformTimer();
        EXPECT_EQ(form.height(), 204);
        EXPECT_EQ(form.focusWidget(), form.Edit1);
        EXPECT_EQ(form.Edit1->selectedText(), form.Edit1->text());
        QTest::mouseClick(form.BitBtn1, Qt::LeftButton);
    });

    // Each opening shows its language; Enter closes it while OK is still below
    // the edge, and the animation stops with it.
    openAbout(1, [&] {
        EXPECT_TRUE(form.ImageNameR->isVisibleTo(&form));
        QTest::keyClick(&form, Qt::Key_Return);
    });
}
