#pragma once

#include <memory>
#include <string>
#include <unordered_map>

namespace horalet::platform {

// A per-thread cache of expensive ICU objects keyed by the ICU locale name.
// ICU's generators and formatters are costly to create (a fraction of a
// millisecond) and not safe to share between threads, so each thread keeps
// its own. Locale names come from the user's settings, which another program
// may rewrite with ever new values, so the cache starts over once it holds
// more locales than anyone switches between. A pointer it hands out stays
// valid until the next get().
template <typename T> class PerLocaleCache {
public:
    template <typename Make> T* get(const std::string& localeName, Make&& make)
    {
        auto found = items_.find(localeName);
        if (found == items_.end()) {
            if (items_.size() >= kMaxLocales) {
                items_.clear();
            }
            found = items_.emplace(localeName, std::unique_ptr<T>(make())).first;
        }
        return found->second.get();
    }

private:
    static constexpr std::size_t kMaxLocales = 16;

    std::unordered_map<std::string, std::unique_ptr<T>> items_;
};

} // namespace horalet::platform
