#include "platform/qt/shell/desktop/label_guide.h"

#include <QFontMetrics>
#include <QGuiApplication>

namespace horalet::platform::qt {

void LabelGuide::setSource(Samples samples, NotificationCenter& changes)
{
    samples_ = std::move(samples);
    stale_ = true;
    changes.addObserver(notifications::preferencesDidChange, [this] { stale_ = true; });
    changes.addObserver(notifications::systemTimeZoneDidChange, [this] { stale_ = true; });
}

QString LabelGuide::current()
{
    if (!stale_.exchange(false) || !samples_) {
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
