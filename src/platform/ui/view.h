#pragma once

#include <vector>

#include "platform/foundation/signal.h"
#include "platform/ui/node.h"

namespace horalet::platform::ui {

// A view describes its content with body(), afresh at every redraw. It
// tells willChange whenever that description may change: its view-local
// state, a model it observes, or whatever else it forwards (the
// preferences store). The signal comes before the changed value is in
// place, so a host redraws after it, on the main queue, not inside it.
class View {
public:
    View() = default;
    View(const View&) = delete;
    View& operator=(const View&) = delete;
    virtual ~View() = default;

    virtual Node body() const = 0;

    Signal<>& willChange() const { return willChange_; }

    // Makes `source` tell willChange for as long as the view lives.
    void forward(Signal<>& source) const;

private:
    mutable Signal<> willChange_;
    mutable std::vector<Connection> forwarded_;
};

} // namespace horalet::platform::ui
