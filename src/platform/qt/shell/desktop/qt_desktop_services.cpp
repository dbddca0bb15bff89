#include "platform/qt/shell/desktop/qt_desktop_services.h"

#include <QGuiApplication>
#include <QMessageBox>

namespace horalet::platform::qt {

namespace {

constexpr double kUsualPanelFontSize = 13.0;

} // namespace

double QtFonts::menuBarFontSize() const
{
    const double size = QGuiApplication::font().pointSizeF();
    return size > 0 ? size : kUsualPanelFontSize;
}

void QtAlerts::runModal(const shell::Alert& alert)
{
    QMessageBox box;
    box.setWindowTitle(QStringLiteral("Horalet"));
    box.setText(QString::fromStdString(alert.messageText));
    box.setInformativeText(QString::fromStdString(alert.informativeText));
    box.setStandardButtons(QMessageBox::Ok);
    box.setDefaultButton(QMessageBox::Ok);
    box.exec();
}

} // namespace horalet::platform::qt
