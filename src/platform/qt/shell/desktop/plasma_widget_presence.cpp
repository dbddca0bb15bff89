#include "platform/qt/shell/desktop/plasma_widget_presence.h"

#include <QByteArrayView>
#include <QFile>
#include <QFileInfo>

#include "build_info.h"
#include "platform/linux/paths.h"

namespace horalet::platform::qt {

namespace {

// Plasma writes its layout in bursts; one look after them is enough.
constexpr std::chrono::milliseconds kLayoutSettle{500};

// The desktop shell's layout file, as Plasma names it after the shell.
constexpr char kDesktopLayoutFile[] = "plasma-org.kde.plasma.desktop-appletsrc";

std::string_view trimmed(std::string_view text)
{
    constexpr std::string_view blanks = " \t\r";
    const auto first = text.find_first_not_of(blanks);
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(blanks) - first + 1);
}

} // namespace

bool layoutHasWidget(std::string_view appletsrc, std::string_view widgetId)
{
    // Each applet's group names its package in a "plugin" entry.
    while (!appletsrc.empty()) {
        const auto end = appletsrc.find('\n');
        const std::string_view line = trimmed(appletsrc.substr(0, end));
        appletsrc = end == std::string_view::npos ? std::string_view() : appletsrc.substr(end + 1);
        const auto equals = line.find('=');
        if (equals != std::string_view::npos && trimmed(line.substr(0, equals)) == "plugin"
            && trimmed(line.substr(equals + 1)) == widgetId) {
            return true;
        }
    }
    return false;
}

PlasmaWidgetPresence::PlasmaWidgetPresence(
    QString appletsrcPath, std::string widgetId, std::function<void(bool)> changed)
    : widgetId_(std::move(widgetId))
    , changed_(std::move(changed))
    , watch_(std::move(appletsrcPath), kLayoutSettle, [this] {
        if (reread()) {
            changed_(present_);
        }
    })
{
    reread();
    changed_(present_);
}

std::unique_ptr<PlasmaWidgetPresence> PlasmaWidgetPresence::forSession(
    const QStringList& desktops, std::function<void(bool)> changed)
{
    if (!desktops.contains(QStringLiteral("KDE"), Qt::CaseInsensitive)) {
        return nullptr;
    }
    const QString path = QString::fromStdString(os::configHome()) + u'/' + QLatin1String(kDesktopLayoutFile);
    return std::make_unique<PlasmaWidgetPresence>(path, build::kPlasmaWidgetId, std::move(changed));
}

bool PlasmaWidgetPresence::reread()
{
    // The watch also wakes for every other file in the config folder: read
    // the layout only when it is another file than last time.
    const QFileInfo info(watch_.path());
    const QDateTime modified = info.exists() ? info.lastModified() : QDateTime();
    const qint64 size = info.exists() ? info.size() : -1;
    if (modified == readModified_ && size == readSize_) {
        return false;
    }
    readModified_ = modified;
    readSize_ = size;
    QFile file(watch_.path());
    const QByteArray layout = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    const bool present
        = layoutHasWidget(std::string_view(layout.constData(), static_cast<size_t>(layout.size())), widgetId_);
    const bool changed = present != present_;
    present_ = present;
    return changed;
}

} // namespace horalet::platform::qt
