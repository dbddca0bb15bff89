#include "platform/qt/shell/qt_application.h"

#include <QCoreApplication>
#include <QTimer>

namespace horalet::platform::qt {

int QtApplication::run()
{
    if (delegate_ != nullptr) {
        QTimer::singleShot(0, QCoreApplication::instance(), [this] {
            delegate_->applicationDidFinishLaunching();
            if (afterLaunch_) {
                afterLaunch_();
            }
        });
    }
    QCoreApplication::exec();
    return 0;
}

void QtApplication::activateIgnoringOtherApps()
{
    if (activator_) {
        activator_();
    }
}

void QtApplication::terminate()
{
    QCoreApplication::exit(0);
}

} // namespace horalet::platform::qt
