#include "platform/qt/settings_window/form_host.h"

#include "platform/qt/settings_window/form_renderer.h"
#include "platform/qt/settings_window/metrics.h"

namespace horalet::platform::qt {

FormHost::FormHost(std::shared_ptr<ui::View> view, QWidget* parent)
    : QScrollArea(parent)
    , view_(std::move(view))
{
    setFrameShape(QFrame::NoFrame);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setWidgetResizable(true);
    auto* holder = new QWidget();
    renderer_ = std::make_unique<FormRenderer>(*holder, [this] { redrawSoon(); });
    setWidget(holder);
    if (view_) {
        observing_ = view_->willChange().connect([this] { redrawSoon(); });
        redraw();
    }
}

FormHost::~FormHost()
{
    observing_.disconnect();
    // The widgets go before the renderer that their signals call.
    delete takeWidget();
}

void FormHost::redraw()
{
    if (!view_) {
        return;
    }
    const ui::Node root = view_->body();
    if (const auto* form = root.as<ui::Form>()) {
        formSize_ = QSize(pixels(form->width), pixels(form->minHeight));
    }
    renderer_->render(root);
}

void FormHost::redrawSoon()
{
    if (redrawQueued_) {
        return;
    }
    // Queued, so the redraw comes after the changed value is in place and
    // once for any number of changes before it; a host destroyed first
    // takes the queued call with it.
    redrawQueued_ = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            redrawQueued_ = false;
            redraw();
        },
        Qt::QueuedConnection);
}

} // namespace horalet::platform::qt
