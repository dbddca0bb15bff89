#pragma once

#include <cstddef>
#include <functional>
#include <memory>
#include <utility>
#include <vector>

namespace horalet::platform {

// Keeps one slot connected to a signal for as long as it lives; destroying
// or reassigning it disconnects. It may outlive its signal.
class [[nodiscard]] Connection {
public:
    Connection() = default;
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;
    Connection(Connection&& other) noexcept
        : disconnect_(std::exchange(other.disconnect_, {}))
    {
    }
    Connection& operator=(Connection&& other) noexcept
    {
        if (this != &other) {
            disconnect();
            disconnect_ = std::exchange(other.disconnect_, {});
        }
        return *this;
    }
    ~Connection() { disconnect(); }

    void disconnect()
    {
        if (disconnect_) {
            std::exchange(disconnect_, {})();
        }
    }
    bool connected() const { return static_cast<bool>(disconnect_); }

private:
    template <typename...> friend class Signal;
    explicit Connection(std::function<void()> disconnect)
        : disconnect_(std::move(disconnect))
    {
    }

    std::function<void()> disconnect_;
};

// A typed signal for the code that does not link Qt: slots are called in
// the order they were connected, on the emitting thread, until their
// Connection goes. A slot may connect or disconnect others while the signal
// is emitted; one disconnected during an emission is not called by it.
template <typename... Args> class Signal {
public:
    using Slot = std::function<void(Args...)>;

    Signal() = default;
    Signal(const Signal&) = delete;
    Signal& operator=(const Signal&) = delete;

    Connection connect(Slot slot)
    {
        auto entry = std::make_shared<Entry>(Entry{std::move(slot), true});
        slots_->push_back(entry);
        return Connection([list = std::weak_ptr<Slots>(slots_), entry] {
            entry->connected = false;
            if (const auto live = list.lock()) {
                std::erase(*live, entry);
            }
        });
    }

    void notify(Args... args) const
    {
        const Slots now = *slots_;
        for (const auto& entry : now) {
            if (entry->connected) {
                entry->slot(args...);
            }
        }
    }

    std::size_t connectionCount() const { return slots_->size(); }

private:
    struct Entry {
        Slot slot;
        bool connected;
    };
    using Slots = std::vector<std::shared_ptr<Entry>>;

    std::shared_ptr<Slots> slots_ = std::make_shared<Slots>();
};

} // namespace horalet::platform
