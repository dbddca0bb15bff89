#include "settings/settings_view.h"

namespace horalet {

using namespace platform::ui;

// The option texts are samples of what the clock shows on a Thursday, the
// 19th of November.
Node SettingsView::displaySection() const
{
    return section("显示内容", picker("星期", weekday, {{"不显示", 0}, {"简写（周四）", 1}, {"完整（星期四）", 2}}),
        picker("日期", date, {{"不显示", 0}, {"11月19日", 1}, {"11/19", 2}}),
        toggle("显示年份", year).disabled(date.get() == 0), toggle("24 小时制", use24),
        toggle("显示上午/下午", ampm).disabled(use24.get()), toggle("显示秒", seconds))
        .disabled(useCustom.get());
}

} // namespace horalet
