#pragma once

#include <optional>
#include <string>
#include <utility>
#include <variant>

namespace rpx {

// Why something failed, in words a user can act on (already translated where it comes from the
// language files).
struct Failure {
    std::string message;
};

// The one way the core reports an outcome that can fail: a value, or the Failure that stood in its
// way. Result<void> carries no value.
template <class T>
class [[nodiscard]] Result {
public:
    Result(T value) : m_state(std::move(value)) {}
    Result(Failure failure) : m_state(std::move(failure)) {}

    bool Ok() const { return m_state.index() == 0; }
    explicit operator bool() const { return Ok(); }
    T& Value() { return std::get<0>(m_state); }
    const T& Value() const { return std::get<0>(m_state); }
    T& operator*() { return Value(); }
    const T& operator*() const { return Value(); }
    T* operator->() { return &Value(); }
    const T* operator->() const { return &Value(); }
    // Empty when Ok().
    const std::string& Message() const {
        static const std::string kNone;
        return Ok() ? kNone : std::get<1>(m_state).message;
    }

private:
    std::variant<T, Failure> m_state;
};

template <>
class [[nodiscard]] Result<void> {
public:
    Result() = default;
    Result(Failure failure) : m_failure(std::move(failure)) {}

    bool Ok() const { return !m_failure.has_value(); }
    explicit operator bool() const { return Ok(); }
    const std::string& Message() const {
        static const std::string kNone;
        return m_failure ? m_failure->message : kNone;
    }

private:
    std::optional<Failure> m_failure;
};

using Status = Result<void>;

} // namespace rpx
