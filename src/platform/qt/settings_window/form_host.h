#pragma once

#include <QScrollArea>

#include <memory>
#include <optional>

#include "platform/ui/view.h"

namespace horalet::platform::qt {

class FormRenderer;

// A view's description drawn in a scroll area, so a form taller than its
// window scrolls. It draws at once and again, in place, whenever the view
// asks for a redraw (on the main queue), and after every input so that the
// controls end up showing the bound values even when the input changed none.
class FormHost final : public QScrollArea {
    Q_OBJECT

public:
    explicit FormHost(std::shared_ptr<ui::View> view, QWidget* parent = nullptr);
    ~FormHost() override;

    void redraw();
    // The width and least height the form asks for; none without a form.
    std::optional<QSize> formSize() const { return formSize_; }

private:
    void redrawSoon();

    std::shared_ptr<ui::View> view_;
    std::unique_ptr<FormRenderer> renderer_;
    std::optional<QSize> formSize_;
    bool redrawQueued_ = false;
    // Released first, so no redraw reaches a host being destroyed.
    Connection observing_;
};

} // namespace horalet::platform::qt
