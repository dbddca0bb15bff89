#include "platform/ui/view.h"

#include <atomic>

#include "platform/foundation/main_queue.h"
#include "platform/foundation/notification_center.h"
#include "platform/platform.h"

namespace horalet::platform::ui {

namespace {

// One host's interest in redraws. It folds the changes that arrive before
// its queued redraw runs into that one redraw.
class RedrawRequest final : public std::enable_shared_from_this<RedrawRequest> {
public:
    explicit RedrawRequest(std::function<void()> redraw)
        : redraw_(std::move(redraw))
    {
    }

    void request()
    {
        if (pending_.exchange(true)) {
            return;
        }
        mainQueue().async([weak = weak_from_this()] {
            if (const auto self = weak.lock()) {
                self->pending_ = false;
                self->redraw_();
            }
        });
    }

    ObservableObject::Subscription stateSubscription;

private:
    std::function<void()> redraw_;
    std::atomic<bool> pending_ = false;
};

} // namespace

View::View()
    : changes_(std::make_shared<ObservableObject>())
{
}

View::~View() = default;

View::Subscription View::observe(std::function<void()> redraw)
{
    auto request = std::make_shared<RedrawRequest>(std::move(redraw));
    const auto ask = [weak = std::weak_ptr<RedrawRequest>(request)] {
        if (const auto live = weak.lock()) {
            live->request();
        }
    };
    request->stateSubscription = changes_->onWillChange(ask);
    // The centre keeps its observers for its whole life; this one falls
    // silent once the subscription is released.
    defaultCenter().addObserver(notifications::preferencesDidChange, ask);
    return request;
}

} // namespace horalet::platform::ui
