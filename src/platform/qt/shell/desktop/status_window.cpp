#include "platform/qt/shell/desktop/status_window.h"

#include <QApplication>
#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QWindow>

#include "platform/foundation/log.h"
#include "platform/qt/shell/desktop/x11_panel_hints.h"

namespace horalet::platform::qt {

namespace {

constexpr int kPadding = 8;
constexpr int kScreenMargin = 4;
constexpr std::chrono::milliseconds kMoveSettles{400};

} // namespace

StatusWindow::StatusWindow(StatusWindowPlace* place)
    : QWidget(nullptr, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint | Qt::WindowDoesNotAcceptFocus)
    , place_(place)
    , painter_(font(), true)
{
    setAttribute(Qt::WA_ShowWithoutActivating);
    setWindowTitle(QStringLiteral("Horalet"));
    settled_.setSingleShot(true);
    settled_.setInterval(kMoveSettles);
    QObject::connect(&settled_, &QTimer::timeout, this, [this] {
        if (place_ != nullptr) {
            place_->remember(topRight_);
        }
    });
}

void StatusWindow::setTitle(const QString& title)
{
    title_ = title;
    fit();
    update();
}

void StatusWindow::setTitleFont(const shell::Font& font)
{
    painter_ = TitlePainter(qtFont(font), font.monospacedDigits);
    fit();
    update();
}

QSize StatusWindow::sizeHint() const
{
    return QSize(painter_.width(title_) + 2 * kPadding, painter_.height() + kPadding);
}

void StatusWindow::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().window());
    painter.setPen(palette().windowText().color());
    const QFontMetrics metrics(painter_.font());
    const double baseline = (height() - metrics.height()) / 2.0 + metrics.ascent();
    painter_.draw(painter, QPointF(kPadding, baseline), title_);
}

void StatusWindow::showEvent(QShowEvent*)
{
    if (!askToBehaveLikePanel(*windowHandle())
        && QGuiApplication::platformName().startsWith(QLatin1String("wayland"))) {
        if (!toldAboutWayland_) {
            toldAboutWayland_ = true;
            log::warning("Wayland 下窗口不能自己决定位置，也不能要求留在所有桌面和其他窗口之上："
                         "时钟的小窗口由合成器摆放，可以用鼠标拖动");
        }
    }
}

void StatusWindow::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton) {
        pressedAt_ = event->globalPosition().toPoint();
        dragging_ = false;
    } else if (event->button() == Qt::RightButton) {
        popUpMenu();
    }
}

void StatusWindow::mouseMoveEvent(QMouseEvent* event)
{
    const QPoint pointer = event->globalPosition().toPoint();
    if (heldAt_) {
        move(pointer - *heldAt_);
        return;
    }
    if (!pressedAt_ || !(event->buttons() & Qt::LeftButton)
        || (pointer - *pressedAt_).manhattanLength() < QApplication::startDragDistance()) {
        return;
    }
    const QPoint grabbed = *pressedAt_ - pos();
    pressedAt_.reset();
    dragging_ = true;
    // The window manager (or the compositor) moves the window from here on;
    // where it cannot, the window follows the pointer itself.
    if (!windowHandle()->startSystemMove()) {
        heldAt_ = grabbed;
        move(pointer - grabbed);
    }
}

void StatusWindow::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        return;
    }
    heldAt_.reset();
    if (pressedAt_) {
        pressedAt_.reset();
        popUpMenu();
    }
}

void StatusWindow::moveEvent(QMoveEvent*)
{
    // The window's own moves keep its top-right corner where it was.
    if (dragging_ && geometry().topRight() != topRight_) {
        topRight_ = geometry().topRight();
        settled_.start();
    }
}

void StatusWindow::popUpMenu()
{
    if (menu_ != nullptr) {
        menu_->popup(mapToGlobal(QPoint(0, height())));
    }
}

QPoint StatusWindow::defaultTopRight() const
{
    const QScreen* screen = this->screen();
    if (screen == nullptr) {
        return {};
    }
    const QRect area = screen->availableGeometry();
    return QPoint(area.right() - kScreenMargin, area.top() + kScreenMargin);
}

void StatusWindow::fit()
{
    if (!placed_) {
        placed_ = true;
        const std::optional<QPoint> remembered = place_ != nullptr ? place_->topRight() : std::nullopt;
        // A place on a screen that is gone no longer counts.
        topRight_ = remembered && QGuiApplication::screenAt(*remembered) != nullptr ? *remembered : defaultTopRight();
    }
    // A fixed size also tells tiling compositors to float the window
    // rather than give it a whole tile.
    const QSize size = sizeHint();
    setFixedSize(size);
    move(topRight_.x() - size.width() + 1, topRight_.y());
}

} // namespace horalet::platform::qt
