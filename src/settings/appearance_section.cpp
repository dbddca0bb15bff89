#include "settings/settings_view.h"

namespace horalet {

using namespace platform::ui;

Node SettingsView::appearanceSection() const
{
    return section("外观", toggle("粗体", bold), toggle("等宽数字（防止跳动）", monoDigit),
        picker("语言", localeID, {{"跟随系统", ""}, {"中文", "zh_CN"}, {"English", "en_US"}, {"日本語", "ja_JP"}}),
        textField("前缀标签", label, Label("可选，如：东京、🗽")));
}

} // namespace horalet
