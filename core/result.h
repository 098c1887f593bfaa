#pragma once

#include "core/text.h"

#include <optional>
#include <utility>

namespace vb
{

// What kind of failure a reader, a writer or a print met, where the caller must tell one from
// another; every other failure is Refused.
enum class FailureKind {
    Refused,      // the work was not done; the reason says why
    TooLarge,     // a file larger than its reader takes
    NewerVersion, // a project file of a newer version of the program
    NoPrinter,    // no printer is installed; nothing was printed
    Cancelled,    // the planner cancelled before anything was done
};

struct Failure {
    Text reason; // in both languages, a sentence the caller may put after the file's name
    FailureKind kind = FailureKind::Refused;
};

// What a reader, a writer or a print gives back: its value, or the failure with its reason in
// both languages. Result<> is a writer's: done, or the failure.
template <typename T = void> class [[nodiscard]] Result
{
public:
    Result(T value) : m_value(std::move(value)) {}
    Result(Failure failure) : m_failure(std::move(failure)) {}

    bool ok() const { return m_value.has_value(); }
    explicit operator bool() const { return ok(); }
    // The value; only when ok().
    const T &value() const & { return *m_value; }
    T &value() & { return *m_value; }
    T &&value() && { return std::move(*m_value); }
    const T &operator*() const & { return *m_value; }
    const T *operator->() const { return &*m_value; }
    // The failure; only when not ok().
    const Failure &failure() const { return m_failure; }
    const Text &reason() const { return m_failure.reason; }
    FailureKind kind() const { return m_failure.kind; }

private:
    std::optional<T> m_value;
    Failure m_failure;
};

template <> class [[nodiscard]] Result<void>
{
public:
    Result() = default;
    Result(Failure failure) : m_failed(true), m_failure(std::move(failure)) {}

    bool ok() const { return !m_failed; }
    explicit operator bool() const { return ok(); }
    const Failure &failure() const { return m_failure; }
    const Text &reason() const { return m_failure.reason; }
    FailureKind kind() const { return m_failure.kind; }

private:
    bool m_failed = false;
    Failure m_failure;
};

// The failure of a reader or a writer, Refused unless said otherwise.
inline Failure failure(Text reason, FailureKind kind = FailureKind::Refused)
{
    return {std::move(reason), kind};
}

} // namespace vb
