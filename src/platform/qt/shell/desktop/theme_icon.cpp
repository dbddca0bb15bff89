#include "platform/qt/shell/desktop/theme_icon.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include "build_info.h"
#include "platform/foundation/log.h"
#include "platform/linux/atomic_file.h"
#include "platform/qt/shell/desktop/clock_icon.h"

namespace horalet::platform::qt {

namespace {

std::string iconFile(const std::string& name)
{
    return "hicolor/scalable/apps/" + name + ".svg";
}

// The theme's own description, for panels that take a theme only where
// they find one (the system's hicolor may be missing).
constexpr std::string_view kThemeIndex = "[Icon Theme]\n"
                                         "Name=Hicolor\n"
                                         "Directories=scalable/apps\n"
                                         "\n"
                                         "[scalable/apps]\n"
                                         "Size=64\n"
                                         "MinSize=8\n"
                                         "MaxSize=512\n"
                                         "Type=Scalable\n";

bool writeFile(const std::string& path, std::string_view contents)
{
    if (const Result<std::string> current = os::readWholeFile(path); current && *current == contents) {
        return true;
    }
    Result<void> written = os::makeFolders(os::folderOf(path), 0700);
    if (written) {
        written = os::writeFileAtomically(path, contents, 0644);
    }
    if (!written) {
        log::warning("面板图标写不进去：" + written.error().withDetail());
    }
    return written.ok();
}

bool writeIcon(const std::string& folder, const std::string& name)
{
    const QByteArray svg = clockIconSvg();
    return writeFile(folder + "/hicolor/index.theme", kThemeIndex)
        && writeFile(
            folder + "/" + iconFile(name), std::string_view(svg.constData(), static_cast<std::size_t>(svg.size())));
}

} // namespace

ThemeIcon provideThemeIcon(const std::string& folder)
{
    const std::string name = build::kApplicationId;
    if (writeIcon(folder, name)) {
        return ThemeIcon{QString::fromStdString(name), QString::fromStdString(folder)};
    }
    const bool installed = !QStandardPaths::locate(
        QStandardPaths::GenericDataLocation, QStringLiteral("icons/") + QString::fromStdString(iconFile(name)))
                                .isEmpty();
    return ThemeIcon{installed ? QString::fromStdString(name) : QString(), QString()};
}

QString iconFileOrName(const ThemeIcon& icon)
{
    if (icon.themePath.isEmpty()) {
        return icon.name;
    }
    const QDir folder(icon.themePath);
    const QString file = QString::fromStdString(iconFile(build::kApplicationId));
    return QFileInfo::exists(folder.filePath(file)) ? folder.absoluteFilePath(file) : icon.name;
}

} // namespace horalet::platform::qt
