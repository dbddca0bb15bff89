#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>

#include "platform/qt/settings_window/qt_settings_window.h"
#include "platform/qt/settings_window/settings_windows.h"
#include "settings_window/settings_window_rig.h"

namespace horalet::testing {
namespace {

class SettingsWindowTest : public ::testing::Test {
protected:
    SettingsWindowTest() { rig.open(); }

    SettingsWindowRig rig;
};

TEST_F(SettingsWindowTest, IsAsWideAsTheFormTitledClosableAndNeitherResizableNorMinimisable)
{
    QWidget& window = rig.widget();
    EXPECT_TRUE(window.isVisible());
    EXPECT_TRUE(window.isWindow());
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Horalet 设置"));
    EXPECT_EQ(window.size(), QSize(440, 620));
    EXPECT_EQ(window.minimumSize(), window.maximumSize());

    const Qt::WindowFlags flags = window.windowFlags();
    EXPECT_TRUE(flags.testFlag(Qt::WindowTitleHint));
    EXPECT_TRUE(flags.testFlag(Qt::WindowCloseButtonHint));
    EXPECT_FALSE(flags.testFlag(Qt::WindowMinimizeButtonHint));
    EXPECT_FALSE(flags.testFlag(Qt::WindowMaximizeButtonHint));

    // The whole form is taller than the window, so it scrolls.
    const auto* scrolling = window.findChild<QScrollArea*>();
    ASSERT_NE(scrolling, nullptr);
    EXPECT_GT(scrolling->verticalScrollBar()->maximum(), 0);
    EXPECT_EQ(scrolling->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
}

TEST_F(SettingsWindowTest, FirstOpeningCentresTheWindowOnTheScreen)
{
    const QRect available = rig.widget().screen()->availableGeometry();
    // Before its first showing a window's frame is not known yet, so its
    // borders may shift it by their width.
    EXPECT_NEAR(rig.widget().frameGeometry().center().x(), available.center().x(), 3);
    EXPECT_GE(rig.widget().frameGeometry().top(), available.top());
}

TEST_F(SettingsWindowTest, ClosingHidesAndReopeningShowsTheSameWindowAsItWasLeft)
{
    QWidget* window = &rig.widget();
    QTest::mouseClick(rig.control<QAbstractButton>("跟随系统时区"), Qt::LeftButton);
    rig.settle();
    QLineEdit* search = rig.control<QLineEdit>("搜索");
    QTest::keyClicks(search, QStringLiteral("tok"));
    window->move(window->pos() + QPoint(30, 40));
    const QPoint left = window->pos();
    rig.settle();

    EXPECT_TRUE(window->close());
    rig.settle();
    EXPECT_FALSE(window->isVisible());

    rig.open();
    EXPECT_EQ(&rig.widget(), window);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->pos(), left);
    EXPECT_EQ(rig.control<QLineEdit>("搜索"), search);
    EXPECT_EQ(search->text(), QStringLiteral("tok"));
    EXPECT_EQ(rig.view->query.get(), "tok");
}

TEST(SettingsWindowContract, EmptyContentIsAWindowThatClosingOnlyHides)
{
    const auto windows = platform::qt::makeSettingsWindows();
    const auto window = windows->windowWithContent(nullptr);
    auto& qtWindow = dynamic_cast<platform::qt::QtSettingsWindow&>(*window);
    window->makeKeyAndOrderFront();
    EXPECT_TRUE(qtWindow.widget()->isVisible());

    qtWindow.widget()->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(qtWindow.widget()->isVisible());
    window->setTitle("after");
    window->center();
    window->makeKeyAndOrderFront();
    EXPECT_TRUE(qtWindow.widget()->isVisible());
}

} // namespace
} // namespace horalet::testing
