#include <gtest/gtest.h>

#include <QApplication>
#include <QMenu>
#include <QMouseEvent>
#include <QScreen>

#include "platform/qt/shell/desktop/status_window.h"
#include "qt_test_support.h"

namespace horalet::testing {
namespace {

using platform::qt::StatusWindow;
using platform::qt::StatusWindowPlace;

constexpr std::string_view kPlaceKey = "statusWindow.topRight";

TEST(StatusWindowPlace, ReadsOnlyATextThatIsAPlace)
{
    const std::vector<std::pair<std::string, std::optional<QPoint>>> cases{
        {"925,274", QPoint(925, 274)},
        {" -10 , 20 ", QPoint(-10, 20)},
        {"", std::nullopt},
        {"925", std::nullopt},
        {"1,2,3", std::nullopt},
        {"1,", std::nullopt},
        {"left,top", std::nullopt},
    };
    for (const auto& [text, place] : cases) {
        platform::PreferencesStore store;
        store.setString(kPlaceKey, text);
        EXPECT_EQ(StatusWindowPlace(store, std::string(kPlaceKey)).topRight(), place) << text;
    }
    platform::PreferencesStore store;
    EXPECT_EQ(StatusWindowPlace(store, std::string(kPlaceKey)).topRight(), std::nullopt) << "never moved";
}

// The status window on the offscreen platform, where the window follows
// the pointer itself while it is dragged.
class StatusWindowPlacing : public ::testing::Test {
protected:
    QRect area() const { return QGuiApplication::primaryScreen()->availableGeometry(); }

    std::unique_ptr<StatusWindow> shown(const QString& title = QStringLiteral("12:00"))
    {
        auto window = std::make_unique<StatusWindow>(&place);
        window->setTitle(title);
        window->show();
        return window;
    }

    void send(StatusWindow& window, QEvent::Type type, const QPoint& global, Qt::MouseButtons held)
    {
        QMouseEvent event(type, window.mapFromGlobal(global), global, Qt::LeftButton, held, Qt::NoModifier);
        QApplication::sendEvent(&window, &event);
    }

    platform::PreferencesStore store;
    StatusWindowPlace place{store, std::string(kPlaceKey)};
};

TEST_F(StatusWindowPlacing, StartsInTheTopRightCornerOfTheWorkArea)
{
    const auto window = shown();
    const QRect frame = window->geometry();
    EXPECT_TRUE(area().contains(frame)) << "inside the work area";
    EXPECT_LT(area().right() - frame.right(), 10);
    EXPECT_LT(frame.top() - area().top(), 10);
}

TEST_F(StatusWindowPlacing, ReturnsWhereTheUserLeftItAndKeepsItsRightEdgeThere)
{
    place.remember(QPoint(400, 300));
    const auto window = shown();
    EXPECT_EQ(window->geometry().topRight(), QPoint(400, 300));
    const int narrow = window->width();
    window->setTitle(QStringLiteral("2026年12月11日 星期五 12:00:00"));
    EXPECT_GT(window->width(), narrow);
    EXPECT_EQ(window->geometry().topRight(), QPoint(400, 300));

    place.remember(QPoint(-5000, -5000));
    EXPECT_TRUE(area().contains(shown()->geometry())) << "a place on no screen counts no more";
}

TEST_F(StatusWindowPlacing, ADragMovesItAndIsRememberedAClickOpensTheMenu)
{
    const auto window = shown();
    QMenu menu;
    menu.addAction(QStringLiteral("退出"));
    window->setMenu(&menu);
    const QPoint start = window->geometry().topRight();
    const QPoint grab = window->mapToGlobal(QPoint(5, 5));
    const QPoint pause(-100, 50);
    const QPoint end(-200, 150);

    send(*window, QEvent::MouseButtonPress, grab, Qt::LeftButton);
    send(*window, QEvent::MouseMove, grab + QPoint(-20, 10), Qt::LeftButton);
    send(*window, QEvent::MouseMove, grab + pause, Qt::LeftButton);
    ASSERT_TRUE(spinUntil([&] { return place.topRight() == start + pause; })) << "the user holds still a while";
    send(*window, QEvent::MouseMove, grab + end, Qt::LeftButton);
    send(*window, QEvent::MouseButtonRelease, grab + end, Qt::NoButton);
    EXPECT_EQ(window->geometry().topRight(), start + end);
    EXPECT_FALSE(menu.isVisible()) << "a drag is no click";
    EXPECT_TRUE(spinUntil([&] { return place.topRight() == start + end; }));
    window->setTitle(QStringLiteral("2026年12月11日 星期五 12:00:00"));
    EXPECT_EQ(window->geometry().topRight(), start + end) << "a new title keeps the window where it was left";

    const QPoint there = window->mapToGlobal(QPoint(5, 5));
    send(*window, QEvent::MouseButtonPress, there, Qt::LeftButton);
    send(*window, QEvent::MouseButtonRelease, there, Qt::NoButton);
    EXPECT_TRUE(menu.isVisible());
    menu.hide();
}

} // namespace
} // namespace horalet::testing
