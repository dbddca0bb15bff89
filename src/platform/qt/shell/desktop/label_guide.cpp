#include "platform/qt/shell/desktop/label_guide.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <utility>

namespace horalet::platform::qt {

void LabelGuide::setSource(Samples samples, Signal<>& settingsChanged, Signal<>& zoneChanged)
{
    samples_ = std::move(samples);
    stale_ = true;
    settingsChanged_ = settingsChanged.connect([this] { stale_ = true; });
    zoneChanged_ = zoneChanged.connect([this] { stale_ = true; });
}

QString LabelGuide::current()
{
    if (!std::exchange(stale_, false) || !samples_) {
        return current_;
    }
    const QFontMetrics metrics(QGuiApplication::font());
    int widest = -1;
    for (const std::string& sample : samples_()) {
        const QString text = QString::fromStdString(sample);
        if (const int width = metrics.horizontalAdvance(text); width > widest) {
            widest = width;
            current_ = text;
        }
    }
    return current_;
}

} // namespace horalet::platform::qt
