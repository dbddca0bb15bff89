#pragma once

#include <optional>
#include <string>
#include <utility>
#include <variant>

namespace horalet::platform {

// What went wrong, told twice: a whole sentence in Chinese that the user can
// be shown as it is, and the technical detail (system error text, path,
// parser position) for the log.
struct Error {
    std::string userMessage;
    std::string detail;

    // The message with its detail in full-width brackets, for places that
    // show the user both.
    std::string withDetail() const { return detail.empty() ? userMessage : userMessage + "（" + detail + "）"; }

    friend bool operator==(const Error&, const Error&) = default;
};

// A value, or the error that kept it from being made. The platform layer
// answers with it wherever an operation can fail.
template <typename T> class [[nodiscard]] Result {
public:
    Result(T value)
        : state_(std::in_place_index<0>, std::move(value))
    {
    }
    Result(Error error)
        : state_(std::in_place_index<1>, std::move(error))
    {
    }

    bool ok() const { return state_.index() == 0; }
    explicit operator bool() const { return ok(); }

    // Only when ok().
    const T& value() const& { return std::get<0>(state_); }
    T& value() & { return std::get<0>(state_); }
    T&& value() && { return std::get<0>(std::move(state_)); }
    const T& operator*() const& { return value(); }
    const T* operator->() const { return &value(); }

    // Only when not ok().
    const Error& error() const { return std::get<1>(state_); }

private:
    std::variant<T, Error> state_;
};

// Success, or the error.
template <> class [[nodiscard]] Result<void> {
public:
    Result() = default;
    Result(Error error)
        : error_(std::move(error))
    {
    }

    bool ok() const { return !error_.has_value(); }
    explicit operator bool() const { return ok(); }
    // Only when not ok().
    const Error& error() const { return *error_; }

private:
    std::optional<Error> error_;
};

} // namespace horalet::platform
