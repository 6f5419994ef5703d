#pragma once

#include <QString>

#include <utility>
#include <variant>

namespace vant {

// ADO's "unspecified error", for failures that carry no number of their own.
constexpr int kUnspecifiedError = -2147467259;

// A trapped run-time error: the number and description that the error report writes.
struct Error
{
    int number = 0;
    QString description;
};

// The result of an operation that can fail: a value, or the error that stopped it.
template<typename T>
class Outcome
{
public:
    Outcome(T value) : m_state(std::move(value)) {}
    Outcome(Error error) : m_state(std::move(error)) {}

    explicit operator bool() const { return std::holds_alternative<T>(m_state); }
    T &operator*() { return std::get<T>(m_state); }
    const T &operator*() const { return std::get<T>(m_state); }
    T *operator->() { return &std::get<T>(m_state); }
    const T *operator->() const { return &std::get<T>(m_state); }
    const Error &error() const { return std::get<Error>(m_state); }

private:
    std::variant<T, Error> m_state;
};

// An operation that yields no value: success, or the error that stopped it.
class Status
{
public:
    Status() = default;
    Status(Error error) : m_error(std::move(error)), m_failed(true) {}

    explicit operator bool() const { return !m_failed; }
    const Error &error() const { return m_error; }

private:
    Error m_error;
    bool m_failed = false;
};

} // namespace vant
