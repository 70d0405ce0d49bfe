#pragma once

// A value, or the reason why there is none in words that a publisher or a
// server log can show as they stand.

#include <optional>
#include <string>
#include <utility>

namespace defserver {

template <typename T>
class [[nodiscard]] Checked {
public:
    Checked(T value) : m_value(std::move(value)) {}

    [[nodiscard]] static Checked Failure(std::string why) {
        Checked failed;
        failed.m_error = std::move(why);
        return failed;
    }

    [[nodiscard]] explicit operator bool() const noexcept { return m_value.has_value(); }
    [[nodiscard]] T& operator*() { return *m_value; }
    [[nodiscard]] const T& operator*() const { return *m_value; }
    [[nodiscard]] T* operator->() { return &*m_value; }
    [[nodiscard]] const T* operator->() const { return &*m_value; }
    [[nodiscard]] const std::string& Error() const noexcept { return m_error; }

private:
    Checked() = default;

    std::optional<T> m_value;
    std::string m_error;
};

// What a step that can fail but gives nothing back succeeds with.
struct Done {};

}  // namespace defserver
