#include "settings/settings_view.h"

namespace horalet {

using namespace platform::ui;

namespace {

constexpr const char* kPatternHelp = "y 年  M 月  d 日  EEE 周四  EEEE 星期四\n"
                                     "HH 24时  h 12时  mm 分  ss 秒  a 上午/下午  zzz 时区\n"
                                     "普通文字用单引号包住，如 'UTC' HH:mm";

} // namespace

// Turning the custom format off hides its rows and keeps the stored pattern.
Node SettingsView::advancedSection() const
{
    const bool customOn = useCustom.get();
    return section("高级", toggle("使用自定义格式", useCustom),
        when(customOn, [&] { return textField("格式", custom).font(Font::body().monospaced()); }),
        when(customOn, [] { return text(kPatternHelp).font(Font::caption()).foregroundStyle(Foreground::secondary); }));
}

} // namespace horalet
