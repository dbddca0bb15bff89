#pragma once

#include <QCoreApplication>
#include <QString>

#include "platform/ui/label.h"
#include "platform/ui/style.h"

class QWidget;

namespace horalet::platform::qt {

// A label as the user reads it: a translatable one through the
// application's translations (as written when there is none), a verbatim
// one exactly as given.
inline QString drawnText(const ui::Label& label)
{
    if (label.isVerbatim) {
        return QString::fromStdString(label.text);
    }
    return QCoreApplication::translate("SettingsForm", label.text.c_str());
}

// Primary text in the palette's text colour, secondary text dimmed in its
// placeholder colour.
void applyForeground(QWidget& widget, ui::Foreground foreground);

} // namespace horalet::platform::qt
