#pragma once
// The outcome of an operation that can fail: its value, or an error whose code says
// specifically what was wrong (error.h). The one way the core reports failure.

#include <string>
#include <utility>
#include <variant>

#include "error.h"
#include "error_text.h"

namespace korv {

template <typename T>
class [[nodiscard]] Result {
public:
    Result(T value) : outcome_(std::in_place_index<0>, std::move(value)) {}
    Result(Error error) : outcome_(std::in_place_index<1>, std::move(error)) {}

    bool ok() const { return outcome_.index() == 0; }
    explicit operator bool() const { return ok(); }

    // The value; only when ok().
    const T& value() const& { return std::get<0>(outcome_); }
    T&& value() && { return std::get<0>(std::move(outcome_)); }
    const T& operator*() const& { return value(); }
    const T* operator->() const { return &value(); }

    // The value, or `fallback` after a failure.
    T value_or(T fallback) const { return ok() ? value() : std::move(fallback); }

    // What went wrong; only when !ok().
    const Error& error() const { return std::get<1>(outcome_); }
    // The same in English words.
    std::string message() const { return english_message(error()); }

private:
    std::variant<T, Error> outcome_;
};

// The outcome of an operation that gives back nothing but whether it succeeded.
struct Success {};
inline constexpr Success kSuccess{};
using Status = Result<Success>;

}  // namespace korv
