#include "platform/ui/view.h"

namespace horalet::platform::ui {

void View::forward(Signal<>& source) const
{
    forwarded_.push_back(source.connect([this] { willChange_.notify(); }));
}

} // namespace horalet::platform::ui
