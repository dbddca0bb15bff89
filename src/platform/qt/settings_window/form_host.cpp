#include "platform/qt/settings_window/form_host.h"

#include <QPointer>

#include "platform/foundation/main_queue.h"
#include "platform/platform.h"
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
        observing_ = view_->observe([this] { redraw(); });
        redraw();
    }
}

FormHost::~FormHost()
{
    observing_.reset();
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
    redrawQueued_ = true;
    mainQueue().async([host = QPointer<FormHost>(this)] {
        if (host) {
            host->redrawQueued_ = false;
            host->redraw();
        }
    });
}

} // namespace horalet::platform::qt
