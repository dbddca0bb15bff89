#pragma once

#include "platform/ui/view.h"

namespace horalet::platform::ui {

// A model a view observes: every will-change notification of the model
// (its objectWillChange signal) makes the view redraw. The model outlives
// the view.
template <typename Model> class ObservedObject {
public:
    ObservedObject(const View& owner, Model& model)
        : model_(model)
    {
        owner.forward(model_.objectWillChange);
    }

    Model& operator*() const { return model_; }
    Model* operator->() const { return &model_; }
    Model& model() const { return model_; }

private:
    Model& model_;
};

} // namespace horalet::platform::ui
