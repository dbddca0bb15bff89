#include "platform/qt/settings_window/qt_settings_window.h"

#include <QGuiApplication>
#include <QScreen>
#include <QShortcut>
#include <QVBoxLayout>

#include <algorithm>

#include "platform/qt/settings_window/form_host.h"

namespace horalet::platform::qt {

namespace {

bool has(unsigned mask, unsigned style)
{
    return (mask & style) != 0U;
}

} // namespace

QtSettingsWindow::QtSettingsWindow(std::shared_ptr<ui::View> root)
    : window_(new QWidget())
    , host_(new FormHost(std::move(root), window_))
{
    auto* layout = new QVBoxLayout(window_);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(host_);
    // The desktop's usual key for closing a window.
    auto* close = new QShortcut(QKeySequence::Close, window_);
    QObject::connect(close, &QShortcut::activated, window_, &QWidget::close);
    applyStyle();
}

QtSettingsWindow::~QtSettingsWindow()
{
    delete window_.data();
}

void QtSettingsWindow::setTitle(const std::string& title)
{
    if (window_) {
        window_->setWindowTitle(QString::fromStdString(title));
    }
}

void QtSettingsWindow::setStyleMask(unsigned mask)
{
    styleMask_ = mask;
    applyStyle();
}

void QtSettingsWindow::setReleasedWhenClosed(bool released)
{
    if (window_) {
        window_->setAttribute(Qt::WA_DeleteOnClose, released);
    }
}

void QtSettingsWindow::center()
{
    if (!window_) {
        return;
    }
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
    if (!window_) {
        return;
    }
    window_->setWindowState(window_->windowState() & ~Qt::WindowMinimized);
    window_->show();
    window_->raise();
    window_->activateWindow();
}

void QtSettingsWindow::applyStyle()
{
    if (!window_) {
        return;
    }
    Qt::WindowFlags flags = Qt::Window | Qt::CustomizeWindowHint;
    if (has(styleMask_, shell::windowStyle::titled)) {
        flags |= Qt::WindowTitleHint;
    }
    if (has(styleMask_, shell::windowStyle::closable)) {
        flags |= Qt::WindowCloseButtonHint;
    }
    if (has(styleMask_, shell::windowStyle::miniaturizable)) {
        flags |= Qt::WindowMinimizeButtonHint;
    }
    const bool wasVisible = window_->isVisible();
    window_->setWindowFlags(flags);

    // The form is exactly its width; its height is its least height unless
    // the window may be resized, and then it may grow.
    const QSize form = host_->formSize().value_or(window_->sizeHint());
    if (has(styleMask_, shell::windowStyle::resizable)) {
        window_->setMinimumSize(form);
        window_->setMaximumSize(form.width(), QWIDGETSIZE_MAX);
    } else {
        window_->setFixedSize(form);
    }
    if (wasVisible) {
        window_->show();
    }
}

} // namespace horalet::platform::qt
