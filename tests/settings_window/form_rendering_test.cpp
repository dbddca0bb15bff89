#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QFontInfo>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include <functional>
#include <string>
#include <vector>

#include "clock/clock_format.h"
#include "clock/settings_keys.h"
#include "platform/qt/settings_window/qt_fonts.h"
#include "platform/qt/settings_window/timeline_widget.h"
#include "settings_window/settings_window_rig.h"

namespace horalet::testing {
namespace {

using platform::PreferenceValue;
using ::testing::HasSubstr;
using ::testing::StartsWith;

// The open settings window over fake services; it counts the store's
// change notifications.
class FormRenderingTest : public ::testing::Test {
protected:
    FormRenderingTest()
    {
        countingWrites = rig.platform.store.didChange.connect([this] { ++writes; });
        rig.open();
    }

    // The clock text the status item shows now.
    std::string title()
    {
        return ClockFormat::text(
            rig.platform.sources(), rig.platform.clock.now(), ClockFormat::make(rig.platform.sources()));
    }
    std::optional<PreferenceValue> stored(std::string_view key) const
    {
        const platform::PreferenceDictionary values = rig.platform.store.storedValues();
        const auto found = values.find(key);
        return found == values.end() ? std::nullopt : std::optional<PreferenceValue>(found->second);
    }
    QAbstractButton* toggle(const char* label) const { return rig.control<QAbstractButton>(label); }
    QLabel* preview() const { return rig.widget().findChild<platform::qt::TimelineWidget*>()->findChild<QLabel*>(); }

    SettingsWindowRig rig;
    int writes = 0;
    platform::Connection countingWrites;
};

TEST_F(FormRenderingTest, EachKindOfControlWritesItsKeyAtOnceAndTheTitleFollows)
{
    struct Case {
        const char* what;
        std::function<void(const SettingsWindowRig&)> operate;
        std::string_view key;
        PreferenceValue value;
        std::string inTitle;
    };
    const std::vector<Case> cases{
        {"switch clicked",
            [](const SettingsWindowRig& r) { QTest::mouseClick(r.control<QAbstractButton>("显示秒"), Qt::LeftButton); },
            K::seconds, true, ":09"},
        {"switch by keyboard",
            [](const SettingsWindowRig& r) {
                r.control<QAbstractButton>("粗体")->setFocus();
                QTest::keyClick(r.control<QAbstractButton>("粗体"), Qt::Key_Space);
            },
            K::bold, true, "22:05"},
        {"pop-up list by keyboard",
            [](const SettingsWindowRig& r) {
                r.control<QComboBox>("星期")->setFocus();
                QTest::keyClick(r.control<QComboBox>("星期"), Qt::Key_Down);
            },
            K::weekday, std::int64_t{2}, "星期三"},
        {"line edit typed into through the input method",
            [](const SettingsWindowRig& r) {
                r.control<QLineEdit>("前缀标签")->setFocus();
                QInputMethodEvent composed;
                composed.setCommitString(QStringLiteral("东京"));
                QApplication::sendEvent(r.control<QLineEdit>("前缀标签"), &composed);
            },
            K::label, std::string("东京"), "东京 11月19日"},
        {"button clicked", [](const SettingsWindowRig& r) { QTest::mouseClick(r.button("完整"), Qt::LeftButton); },
            K::year, true, "2025年"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        SettingsWindowRig fresh;
        fresh.open();
        c.operate(fresh);
        // Written before any redraw or queued block has run.
        EXPECT_EQ(fresh.platform.store.objectForKey(c.key), c.value);
        EXPECT_THAT(ClockFormat::text(fresh.platform.sources(), fresh.platform.clock.now(),
                        ClockFormat::make(fresh.platform.sources())),
            HasSubstr(c.inTitle));
        fresh.settle();
        EXPECT_EQ(fresh.platform.store.objectForKey(c.key), c.value);
    }
}

TEST_F(FormRenderingTest, DrawingTickingAndReopeningWriteNothing)
{
    rig.widget().findChild<platform::qt::TimelineWidget*>()->tick();
    rig.view->query.set("tok");
    rig.settle();
    rig.widget().close();
    rig.open();
    EXPECT_EQ(writes, 0);
    EXPECT_TRUE(rig.platform.store.storedValues().empty());
}

TEST_F(FormRenderingTest, DisabledControlsAreDimmedAndIgnoreTheUser)
{
    struct Case {
        std::string_view key;
        PreferenceValue disabling;
        PreferenceValue enabling;
        const char* control;
    };
    const std::vector<Case> cases{
        {K::date, std::int64_t{0}, std::int64_t{2}, "显示年份"},
        {K::use24, true, false, "显示上午/下午"},
        {K::useCustom, true, false, "显示秒"},
        {K::useCustom, true, false, "星期"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.control);
        SettingsWindowRig fresh;
        fresh.open();
        fresh.platform.store.set(c.key, c.disabling);
        fresh.settle();
        const platform::PreferenceDictionary before = fresh.platform.store.storedValues();
        QWidget* control = fresh.control<QWidget>(c.control);
        ASSERT_NE(control, nullptr);
        EXPECT_FALSE(control->isEnabled());
        QTest::mouseClick(control, Qt::LeftButton);
        QTest::keyClick(control, Qt::Key_Down);
        fresh.settle();
        EXPECT_EQ(fresh.platform.store.storedValues(), before);

        fresh.platform.store.set(c.key, c.enabling);
        fresh.settle();
        EXPECT_TRUE(fresh.control<QWidget>(c.control)->isEnabled());
    }
}

TEST_F(FormRenderingTest, AutomaticChecksOffDimsTheDownloadSwitchKeepingItsValue)
{
    rig.model->start();
    rig.factory.updater.automaticDownloads.set(true);
    rig.settle();
    QTest::mouseClick(toggle("自动检查新版本"), Qt::LeftButton);
    rig.settle();
    EXPECT_FALSE(rig.factory.updater.automaticChecks.get());
    EXPECT_FALSE(toggle("自动检查新版本")->isChecked());
    EXPECT_FALSE(toggle("自动在后台下载新版本")->isEnabled());
    EXPECT_TRUE(toggle("自动在后台下载新版本")->isChecked());
}

TEST_F(FormRenderingTest, RowsAppearAndGoWhileTheOthersKeepTheirWidgets)
{
    QAbstractButton* bold = toggle("粗体");
    QAbstractButton* custom = toggle("使用自定义格式");
    EXPECT_EQ(rig.control<QLineEdit>("格式"), nullptr);

    QTest::mouseClick(custom, Qt::LeftButton);
    rig.settle();
    QLineEdit* format = rig.control<QLineEdit>("格式");
    ASSERT_NE(format, nullptr);
    EXPECT_TRUE(format->isVisible());
    EXPECT_EQ(format->text(), QString::fromUtf8(kDefaultCustomFormat.data()));
    EXPECT_EQ(QFontInfo(format->font()).fixedPitch(), true);
    EXPECT_EQ(toggle("粗体"), bold);
    EXPECT_EQ(toggle("使用自定义格式"), custom);
    EXPECT_FALSE(toggle("显示秒")->isEnabled());

    QTest::mouseClick(rig.button("紧凑"), Qt::LeftButton);
    rig.settle();
    EXPECT_EQ(rig.control<QLineEdit>("格式"), nullptr);
    EXPECT_TRUE(toggle("显示秒")->isEnabled());
    EXPECT_EQ(toggle("粗体"), bold);

    // Not following the system: the search and the zones appear, the
    // system's zone chosen.
    EXPECT_EQ(rig.control<QLineEdit>("搜索"), nullptr);
    QTest::mouseClick(toggle("跟随系统时区"), Qt::LeftButton);
    rig.settle();
    EXPECT_EQ(rig.platform.store.objectForKey(K::tz), PreferenceValue(std::string("Asia/Shanghai")));
    ASSERT_NE(rig.control<QLineEdit>("搜索"), nullptr);
    QComboBox* zones = rig.control<QComboBox>("时区");
    ASSERT_NE(zones, nullptr);
    EXPECT_THAT(zones->currentText().toStdString(), StartsWith("Asia/Shanghai"));

    QTest::mouseClick(toggle("跟随系统时区"), Qt::LeftButton);
    rig.settle();
    EXPECT_EQ(rig.control<QLineEdit>("搜索"), nullptr);
    EXPECT_EQ(rig.control<QComboBox>("时区"), nullptr);
    EXPECT_EQ(rig.platform.store.objectForKey(K::tz), PreferenceValue(std::string()));
}

TEST_F(FormRenderingTest, ChosenZoneIsWrittenAndAZoneMatchingNoOptionStays)
{
    rig.platform.store.setString(K::tz, "Asia/Tokyo");
    rig.settle();
    QComboBox* zones = rig.control<QComboBox>("时区");
    zones->setFocus();
    QTest::keyClick(zones, Qt::Key_Down);
    const auto chosen = rig.platform.store.stringForKey(K::tz);
    ASSERT_TRUE(chosen.has_value());
    EXPECT_NE(*chosen, "Asia/Tokyo");
    EXPECT_THAT(zones->currentText().toStdString(), StartsWith(*chosen));

    rig.platform.store.setString(K::tz, "Nowhere/Unknown");
    rig.settle();
    const int writesBefore = writes;
    rig.widget().findChild<platform::qt::TimelineWidget*>()->tick();
    rig.settle();
    EXPECT_EQ(rig.control<QComboBox>("时区")->currentIndex(), -1);
    EXPECT_EQ(writes, writesBefore);
    EXPECT_EQ(rig.platform.store.stringForKey(K::tz), "Nowhere/Unknown");
}

TEST_F(FormRenderingTest, FocusedLineEditKeepsFocusTextAndCursorWhileOtherRowsChange)
{
    QTest::mouseClick(toggle("跟随系统时区"), Qt::LeftButton);
    rig.settle();
    QApplication::setActiveWindow(&rig.widget());
    QLineEdit* search = rig.control<QLineEdit>("搜索");
    search->setFocus();
    QTest::keyClicks(search, QStringLiteral("tokyo"));
    search->setCursorPosition(2);
    search->setSelection(2, 2);
    rig.settle();

    rig.platform.clock.advance(1.0);
    rig.widget().findChild<platform::qt::TimelineWidget*>()->tick();
    rig.platform.store.setBool(K::bold, true);
    rig.platform.store.setBool(K::useCustom, true);
    rig.settle();

    EXPECT_EQ(rig.control<QLineEdit>("搜索"), search);
    EXPECT_TRUE(search->hasFocus());
    EXPECT_EQ(search->text(), QStringLiteral("tokyo"));
    EXPECT_EQ(search->selectionStart(), 2);
    EXPECT_EQ(search->selectedText(), QStringLiteral("ky"));
    EXPECT_EQ(rig.view->query.get(), "tokyo");

    QTest::keyClick(search, Qt::Key_Backspace);
    rig.settle();
    EXPECT_EQ(search->text(), QStringLiteral("too"));
    EXPECT_EQ(search->cursorPosition(), 2);
    EXPECT_EQ(rig.view->query.get(), "too");
}

TEST_F(FormRenderingTest, PreviewTicksOnlyWhileShownAndRedrawsOnlyItself)
{
    auto* timeline = rig.widget().findChild<platform::qt::TimelineWidget*>();
    ASSERT_NE(timeline, nullptr);
    EXPECT_TRUE(timeline->isWaiting());
    QLabel* before = preview();
    QAbstractButton* seconds = toggle("显示秒");
    QTest::mouseClick(seconds, Qt::LeftButton);
    rig.settle();
    EXPECT_EQ(preview()->text().toStdString(), title());

    rig.platform.clock.advance(1.0);
    timeline->tick();
    EXPECT_EQ(preview()->text().toStdString(), title());
    EXPECT_THAT(preview()->text().toStdString(), HasSubstr(":10"));
    EXPECT_EQ(preview(), before);
    EXPECT_EQ(toggle("显示秒"), seconds);

    rig.widget().close();
    EXPECT_FALSE(timeline->isWaiting());
    rig.open();
    EXPECT_TRUE(timeline->isWaiting());
}

TEST_F(FormRenderingTest, PreviewIsCentredWithTabularDigitsAndSemiboldWhenBold)
{
    QLabel* text = preview();
    EXPECT_EQ(text->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
    EXPECT_EQ(text->contentsMargins().top(), 4);
    EXPECT_EQ(text->contentsMargins().bottom(), 4);
    EXPECT_EQ(text->font().pixelSize(), 15);
    EXPECT_TRUE(platform::qt::hasTabularDigits(text->font()));
    EXPECT_EQ(text->font().weight(), QFont::Normal);

    QTest::mouseClick(toggle("粗体"), Qt::LeftButton);
    rig.settle();
    EXPECT_EQ(preview()->font().weight(), QFont::DemiBold);
    EXPECT_TRUE(platform::qt::hasTabularDigits(preview()->font()));
}

TEST_F(FormRenderingTest, PrefixLabelIsShownAsPlainText)
{
    rig.platform.store.setString(K::label, "<b>东京</b>");
    rig.settle();
    EXPECT_EQ(preview()->textFormat(), Qt::PlainText);
    EXPECT_THAT(preview()->text().toStdString(), StartsWith("<b>东京</b> "));
}

TEST_F(FormRenderingTest, ReadyUpdateOffersTheProminentInstallButtonInsteadOfTheCheck)
{
    rig.model->start();
    rig.settle();
    ASSERT_NE(rig.button("检查更新"), nullptr);
    int installs = 0;
    rig.factory.updater.stageUpdate("1.2.0", [&] { ++installs; });
    rig.settle();

    EXPECT_EQ(rig.button("检查更新"), nullptr);
    QPushButton* install = rig.button("重启并安装 1.2.0");
    ASSERT_NE(install, nullptr);
    EXPECT_TRUE(install->isDefault());
    EXPECT_EQ(install->palette().color(QPalette::Button), install->palette().color(QPalette::Highlight));
    QTest::mouseClick(install, Qt::LeftButton);
    rig.settle();
    EXPECT_EQ(installs, 1);
    EXPECT_THAT(rig.widget().findChildren<QLabel*>().back()->text().toStdString(), StartsWith("正在安装新版本…"));
}

} // namespace
} // namespace horalet::testing
