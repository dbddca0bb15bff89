#include "platform/qt/shell/bar/bounded_lines.h"

namespace horalet::platform::qt {

void BoundedLines::feed(std::string_view bytes, const std::function<void(std::string_view)>& line)
{
    while (!bytes.empty()) {
        const std::size_t end = bytes.find('\n');
        const std::string_view piece = bytes.substr(0, end);
        if (!dropping_ && pending_.size() + piece.size() <= limit_) {
            pending_.append(piece);
        } else {
            dropping_ = true;
            pending_.clear();
        }
        if (end == std::string_view::npos) {
            return;
        }
        if (!dropping_) {
            line(pending_);
        }
        pending_.clear();
        dropping_ = false;
        bytes.remove_prefix(end + 1);
    }
}

} // namespace horalet::platform::qt
