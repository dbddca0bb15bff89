#include "app/cli/command_line.h"

#include "app/cli/clock_request.h"
#include "app/cli/defaults_command.h"
#include "app/cli/once_command.h"
#include "app/cli/zones_command.h"
#include "build_info.h"

namespace horalet::cli {

namespace {

constexpr char kUsage[] = R"(用法：horalet [--headless | --window]
      horalet bar [--protocol plain|waybar|i3bar]
      horalet settings
      horalet --once [--at TIME]
      horalet defaults read [KEY]
      horalet defaults write [-bool|-int|-string] KEY VALUE
      horalet defaults delete KEY
      horalet zones [QUERY]
      horalet --help | --version

不带参数时，Horalet 把时钟放进桌面面板；加上 --headless，或者没有显示器时，
它每秒向标准输出写一行时钟文本；加上 --window，它把时钟放进自己的小窗口，
显示在每个桌面上，而不放进面板。

  bar          以状态栏的协议输出时钟行：plain（与终端行相同）、waybar（供
               return-type 为 json 的自定义模块使用的 JSON）或 i3bar（i3bar
               和 swaybar，可响应点击）
  settings     打开正在运行的时钟的设置窗口；没有时钟在运行时，启动时钟并打开
               设置窗口

  --once       输出一次时钟文本后退出，时间为现在或 --at 给出的 TIME
  --at TIME    @秒数[.小数]（自 Unix 纪元起），或 YYYY-MM-DDTHH:MM:SS[.fff]
               后接 Z 或 +HH:MM / -HH:MM
  defaults     读取、写入或删除已存储的设置；Horalet 自己的设置知道各自的类型，
               其他键需要用 -bool、-int 或 -string 指明类型
  zones        列出标题与 QUERY 相符的时区；查询不包含已选时区时，已选时区排在
               最前
)";

} // namespace

int badInput(std::ostream& err, const std::string& message)
{
    err << "horalet: " << message << "\n";
    return kExitBadInput;
}

std::optional<int> runCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    std::string error;
    if (clockRequest(args, error)) {
        return std::nullopt;
    }
    if (!error.empty()) {
        return badInput(err, error);
    }
    const std::string& command = args[0];
    const std::vector<std::string> rest(args.begin() + 1, args.end());
    if (command == "--help" || command == "-h") {
        out << kUsage;
        return 0;
    }
    if (command == "--version") {
        out << "horalet " << build::kVersion << "\n";
        return 0;
    }
    if (command == "--once") {
        return runOnce(rest, out, err);
    }
    if (command == "defaults") {
        return runDefaults(rest, out, err);
    }
    if (command == "zones") {
        return runZones(rest, out);
    }
    return badInput(err, "未知的选项或命令「" + command + "」，请查看 horalet --help。");
}

} // namespace horalet::cli
