#pragma once

#include <memory>

#include "platform/foundation/observable_object.h"
#include "platform/ui/view.h"

namespace horalet::platform::ui {

// A model a view observes: every will-change notification of the model
// makes the view redraw.
template <typename Model> class ObservedObject {
public:
    ObservedObject(const View& owner, std::shared_ptr<Model> model)
        : model_(std::move(model))
        , forwarding_(model_->onWillChange([view = std::weak_ptr<ObservableObject>(owner.changes())] {
            if (const auto changes = view.lock()) {
                changes->objectWillChange();
            }
        }))
    {
    }

    Model& operator*() const { return *model_; }
    Model* operator->() const { return model_.get(); }
    // For descriptions whose actions call the model after a redraw.
    const std::shared_ptr<Model>& model() const { return model_; }

private:
    std::shared_ptr<Model> model_;
    ObservableObject::Subscription forwarding_;
};

} // namespace horalet::platform::ui
