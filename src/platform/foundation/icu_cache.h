#pragma once

#include <memory>
#include <string>
#include <unordered_map>

namespace horalet::platform {

// A per-thread cache of expensive ICU objects keyed by locale identifier.
// ICU's generators and formatters are costly to create (a fraction of a
// millisecond) and not safe to share between threads, so each thread keeps
// its own.
template <typename T> class PerLocaleCache {
public:
    template <typename Make> T* get(const std::string& localeId, Make&& make)
    {
        auto found = items_.find(localeId);
        if (found == items_.end()) {
            found = items_.emplace(localeId, std::unique_ptr<T>(make())).first;
        }
        return found->second.get();
    }

private:
    std::unordered_map<std::string, std::unique_ptr<T>> items_;
};

} // namespace horalet::platform
