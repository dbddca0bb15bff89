#include "platform/qt/settings_window/drawn_text.h"

#include <QPalette>
#include <QWidget>

namespace horalet::platform::qt {

void applyForeground(QWidget& widget, ui::Foreground foreground)
{
    if (foreground == ui::Foreground::primary) {
        // An empty palette inherits every colour again.
        widget.setPalette(QPalette());
        return;
    }
    QPalette dimmed = widget.palette();
    for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        dimmed.setColor(group, QPalette::WindowText, dimmed.color(group, QPalette::PlaceholderText));
    }
    widget.setPalette(dimmed);
}

} // namespace horalet::platform::qt
