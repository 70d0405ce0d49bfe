#pragma once

// Owning types for COM: an interface pointer, a BSTR, a VARIANT, and the
// thread's membership of an apartment for the length of one call.

#include <windows.h>

#include <objbase.h>
#include <oleauto.h>

#include <string_view>
#include <utility>

namespace platform::win32 {

// Releases its interface once.
template <typename Interface>
class ComPtr {
public:
    ComPtr() noexcept = default;
    ~ComPtr() { Reset(); }

    ComPtr(ComPtr&& other) noexcept : m_pointer(std::exchange(other.m_pointer, nullptr)) {}
    ComPtr& operator=(ComPtr&& other) noexcept {
        if (this != &other) {
            Reset();
            m_pointer = std::exchange(other.m_pointer, nullptr);
        }
        return *this;
    }
    ComPtr(const ComPtr&) = delete;
    ComPtr& operator=(const ComPtr&) = delete;

    [[nodiscard]] Interface* Get() const noexcept { return m_pointer; }
    Interface* operator->() const noexcept { return m_pointer; }
    explicit operator bool() const noexcept { return m_pointer != nullptr; }

    // For functions that hand out an interface through an out parameter.
    [[nodiscard]] Interface** Put() noexcept {
        Reset();
        return &m_pointer;
    }
    [[nodiscard]] void** PutVoid() noexcept { return reinterpret_cast<void**>(Put()); }

    void Reset() noexcept {
        if (Interface* old = std::exchange(m_pointer, nullptr)) {
            old->Release();
        }
    }

private:
    Interface* m_pointer = nullptr;
};

// A BSTR made from ANSI text; null when the text could not be converted or
// memory ran out.
class UniqueBstr {
public:
    UniqueBstr() noexcept = default;
    explicit UniqueBstr(std::string_view ansi) noexcept {
        const int length = ::MultiByteToWideChar(CP_ACP, 0, ansi.data(),
                                                 static_cast<int>(ansi.size()), nullptr, 0);
        if (length == 0 && !ansi.empty()) {
            return;
        }
        m_value = ::SysAllocStringLen(nullptr, static_cast<UINT>(length));
        if (m_value != nullptr && length > 0) {
            ::MultiByteToWideChar(CP_ACP, 0, ansi.data(), static_cast<int>(ansi.size()), m_value,
                                  length);
        }
    }
    ~UniqueBstr() { ::SysFreeString(m_value); }

    UniqueBstr(const UniqueBstr&) = delete;
    UniqueBstr& operator=(const UniqueBstr&) = delete;

    [[nodiscard]] BSTR Get() const noexcept { return m_value; }
    explicit operator bool() const noexcept { return m_value != nullptr; }

private:
    BSTR m_value = nullptr;
};

// A VARIANT cleared when it goes.
class UniqueVariant {
public:
    UniqueVariant() noexcept { ::VariantInit(&m_value); }
    ~UniqueVariant() { ::VariantClear(&m_value); }

    UniqueVariant(const UniqueVariant&) = delete;
    UniqueVariant& operator=(const UniqueVariant&) = delete;

    [[nodiscard]] const VARIANT& Get() const noexcept { return m_value; }
    // For functions that fill a VARIANT; the old value is cleared first.
    [[nodiscard]] VARIANT* Put() noexcept {
        ::VariantClear(&m_value);
        return &m_value;
    }

private:
    VARIANT m_value;
};

// Makes COM usable on the calling thread for the scope's length: joins a
// single-threaded apartment when the thread has none, and leaves it again;
// a thread that is already in an apartment of either kind keeps it.
class ComScope {
public:
    ComScope() noexcept {
        const HRESULT result =
            ::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
        m_entered = SUCCEEDED(result);
        m_usable = m_entered || result == RPC_E_CHANGED_MODE;
    }
    ~ComScope() {
        if (m_entered) {
            ::CoUninitialize();
        }
    }
    ComScope(const ComScope&) = delete;
    ComScope& operator=(const ComScope&) = delete;

    [[nodiscard]] bool Usable() const noexcept { return m_usable; }

private:
    bool m_entered = false;
    bool m_usable = false;
};

}  // namespace platform::win32
