#include "platform/qt/settings_window/qt_settings_window.h"

#include <QGuiApplication>
#include <QScreen>
#include <QShortcut>
#include <QVBoxLayout>

#include <algorithm>

#include "platform/qt/settings_window/form_host.h"

namespace horalet::platform::qt {

QtSettingsWindow::QtSettingsWindow(std::shared_ptr<ui::View> root)
    : window_(std::make_unique<QWidget>())
    , host_(new FormHost(std::move(root), window_.get()))
{
    auto* layout = new QVBoxLayout(window_.get());
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(host_);
    // The desktop's usual key for closing a window.
    auto* close = new QShortcut(QKeySequence::Close, window_.get());
    QObject::connect(close, &QShortcut::activated, window_.get(), &QWidget::close);
    window_->setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    fitToForm();
}

QtSettingsWindow::~QtSettingsWindow() = default;

void QtSettingsWindow::setTitle(const std::string& title)
{
    window_->setWindowTitle(QString::fromStdString(title));
}

void QtSettingsWindow::center()
{
    const QScreen* screen = window_->screen() != nullptr ? window_->screen() : QGuiApplication::primaryScreen();
    if (screen == nullptr) {
        return;
    }
    const QRect available = screen->availableGeometry();
    const QSize size = window_->frameGeometry().size();
    // Centred, but never with the title bar above the top of the screen.
    const int left = available.left() + (available.width() - size.width()) / 2;
    const int top = available.top() + std::max(0, (available.height() - size.height()) / 2);
    window_->move(std::max(available.left(), left), top);
}

void QtSettingsWindow::makeKeyAndOrderFront()
{
    window_->setWindowState(window_->windowState() & ~Qt::WindowMinimized);
    window_->show();
    window_->raise();
    window_->activateWindow();
}

void QtSettingsWindow::fitToForm()
{
    window_->setFixedSize(host_->formSize().value_or(window_->sizeHint()));
}

} // namespace horalet::platform::qt
