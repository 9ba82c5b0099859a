#pragma once
// A value or an error that a person can act on. Used at every boundary
// (files, serial port) instead of exceptions or a process-wide last error.

#include <optional>
#include <string>
#include <utility>
#include <variant>

namespace ft817 {

struct Error {
    // Short reason, fit for a status box ("cannot open /dev/ttyUSB0: permission denied").
    std::string message;
    // Longer explanation with a hint; empty when the message says it all.
    std::string detail;

    // The message followed by the detail, for tooltips and terminals.
    std::string full() const { return detail.empty() ? message : message + "\n" + detail; }
};

template <class T> class [[nodiscard]] Result {
public:
    Result(T value) : m_state(std::move(value)) {}
    Result(Error error) : m_state(std::move(error)) {}

    bool ok() const { return m_state.index() == 0; }
    explicit operator bool() const { return ok(); }

    T& value() { return std::get<0>(m_state); }
    const T& value() const { return std::get<0>(m_state); }
    T& operator*() { return value(); }
    const T& operator*() const { return value(); }
    T* operator->() { return &value(); }
    const T* operator->() const { return &value(); }

    const Error& error() const { return std::get<1>(m_state); }

private:
    std::variant<T, Error> m_state;
};

template <> class [[nodiscard]] Result<void> {
public:
    Result() = default;
    Result(Error error) : m_error(std::move(error)) {}

    bool ok() const { return !m_error.has_value(); }
    explicit operator bool() const { return ok(); }
    const Error& error() const { return *m_error; }

private:
    std::optional<Error> m_error;
};

using Status = Result<void>;

} // namespace ft817
