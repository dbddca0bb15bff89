#pragma once

#include <functional>
#include <memory>

#include "platform/foundation/observable_object.h"
#include "platform/ui/node.h"

namespace horalet::platform::ui {

// A view describes its content with body(), afresh at every redraw. Its
// view-local state and observed models tell it when the description may
// have changed, and so does every write to the preferences store.
class View {
public:
    using Subscription = std::shared_ptr<void>;

    View();
    View(const View&) = delete;
    View& operator=(const View&) = delete;
    virtual ~View();

    virtual Node body() const = 0;

    // Asks for a redraw after every change of the view's state, of a model
    // it observes or of the preferences store, for as long as the returned
    // subscription is held. The request runs on the main queue, once for any
    // number of changes before it runs, and so after the changed value is
    // in place (a model tells of a change before it stores the value).
    [[nodiscard]] Subscription observe(std::function<void()> redraw);

    // The view's will-change notification, which its state and observed
    // models fire.
    const std::shared_ptr<ObservableObject>& changes() const { return changes_; }

private:
    std::shared_ptr<ObservableObject> changes_;
};

} // namespace horalet::platform::ui
