#include "platform/qt/shell/desktop/status_window.h"

#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>

namespace horalet::platform::qt {

namespace {

constexpr int kPadding = 8;
constexpr int kScreenMargin = 4;

} // namespace

StatusWindow::StatusWindow()
    : QWidget(nullptr, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint | Qt::WindowDoesNotAcceptFocus)
    , painter_(font(), true)
{
    setAttribute(Qt::WA_ShowWithoutActivating);
    setWindowTitle(QStringLiteral("Horalet"));
}

void StatusWindow::setTitle(const QString& title)
{
    title_ = title;
    placeAtTopRight();
    update();
}

void StatusWindow::setTitleFont(const shell::Font& font)
{
    painter_ = TitlePainter(qtFont(font), font.monospacedDigits);
    placeAtTopRight();
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

void StatusWindow::mousePressEvent(QMouseEvent* event)
{
    if (menu_ != nullptr && (event->button() == Qt::LeftButton || event->button() == Qt::RightButton)) {
        menu_->popup(mapToGlobal(QPoint(0, height())));
    }
}

void StatusWindow::placeAtTopRight()
{
    const QSize size = sizeHint();
    resize(size);
    if (const QScreen* screen = this->screen()) {
        const QRect area = screen->availableGeometry();
        move(area.right() - size.width() - kScreenMargin, area.top() + kScreenMargin);
    }
}

} // namespace horalet::platform::qt
