#include "platform/win32/management_win32.h"

#include <wbemcli.h>

#include "base/text.h"
#include "platform/win32/com_handles.h"

namespace platform::win32 {

namespace {

constexpr std::string_view kMoniker = "winmgmts:";
constexpr std::string_view kDefaultNamespace = "ROOT\\CIMV2";

bool IsSeparator(char c) {
    return c == '\\' || c == '/';
}

// The namespace path for the locator from a moniker such as
// "winmgmts:\\localhost" or "winmgmts:{impersonationLevel=impersonate}!\\.\root\cimv2";
// nullopt when the text is not a management moniker. The security part is
// left out: the locator's defaults are what it asks for.
std::optional<std::string> NamespacePath(std::string_view objectPath) {
    if (!base::StartsWithIgnoreCase(objectPath, kMoniker)) {
        return std::nullopt;
    }
    std::string_view rest = objectPath.substr(kMoniker.size());
    if (!rest.empty() && rest.front() == '{') {
        const std::size_t close = rest.find('}');
        if (close == std::string_view::npos) {
            return std::nullopt;
        }
        rest.remove_prefix(close + 1);
        if (!rest.empty() && rest.front() == '!') {
            rest.remove_prefix(1);
        }
    }
    std::string_view host;
    if (rest.size() >= 2 && IsSeparator(rest[0]) && IsSeparator(rest[1])) {
        rest.remove_prefix(2);
        std::size_t end = 0;
        while (end < rest.size() && !IsSeparator(rest[end])) {
            ++end;
        }
        host = rest.substr(0, end);
        rest.remove_prefix(end);
    }
    while (!rest.empty() && IsSeparator(rest.front())) {
        rest.remove_prefix(1);
    }
    const std::string nameSpace = rest.empty() ? std::string(kDefaultNamespace) : std::string(rest);
    // The local computer is reached without a network path.
    if (host.empty() || host == "." || base::EqualsIgnoreCase(host, "localhost")) {
        return nameSpace;
    }
    return "\\\\" + std::string(host) + "\\" + nameSpace;
}

std::string AnsiText(const VARIANT& value) {
    if (value.vt != VT_BSTR || value.bstrVal == nullptr) {
        return {};
    }
    const int wide = static_cast<int>(::SysStringLen(value.bstrVal));
    const int length =
        ::WideCharToMultiByte(CP_ACP, 0, value.bstrVal, wide, nullptr, 0, nullptr, nullptr);
    std::string text(static_cast<std::size_t>(length > 0 ? length : 0), '\0');
    if (length > 0) {
        ::WideCharToMultiByte(CP_ACP, 0, value.bstrVal, wide, text.data(), length, nullptr,
                              nullptr);
    }
    return text;
}

}  // namespace

std::optional<std::vector<std::string>> ManagementWin32::QueryProperty(std::string_view objectPath,
                                                                       std::string_view query,
                                                                       std::string_view property) {
    const std::optional<std::string> nameSpace = NamespacePath(objectPath);
    if (!nameSpace) {
        return std::nullopt;
    }
    // Declared first, so that every interface below is released before the
    // thread leaves the apartment.
    const ComScope com;
    if (!com.Usable()) {
        return std::nullopt;
    }
    const UniqueBstr resource(*nameSpace);
    const UniqueBstr language("WQL");
    const UniqueBstr text(query);
    const UniqueBstr name(property);
    if (!resource || !language || !text || !name) {
        return std::nullopt;
    }
    ComPtr<IWbemLocator> locator;
    if (FAILED(::CoCreateInstance(CLSID_WbemLocator, nullptr, CLSCTX_INPROC_SERVER,
                                  IID_IWbemLocator, locator.PutVoid()))) {
        return std::nullopt;
    }
    ComPtr<IWbemServices> services;
    if (FAILED(locator->ConnectServer(resource.Get(), nullptr, nullptr, nullptr, 0, nullptr,
                                      nullptr, services.Put()))) {
        return std::nullopt;
    }
    // The service acts for this user; an object without a proxy (in the
    // same process) has no blanket to set, which is no failure.
    static_cast<void>(::CoSetProxyBlanket(services.Get(), RPC_C_AUTHN_WINNT, RPC_C_AUTHZ_NONE,
                                          nullptr, RPC_C_AUTHN_LEVEL_CALL,
                                          RPC_C_IMP_LEVEL_IMPERSONATE, nullptr, EOAC_NONE));
    ComPtr<IEnumWbemClassObject> objects;
    if (FAILED(services->ExecQuery(language.Get(), text.Get(),
                                   WBEM_FLAG_FORWARD_ONLY | WBEM_FLAG_RETURN_IMMEDIATELY, nullptr,
                                   objects.Put()))) {
        return std::nullopt;
    }
    std::vector<std::string> values;
    const auto timeout = static_cast<long>(m_timeout.count());
    for (;;) {
        ComPtr<IWbemClassObject> object;
        ULONG returned = 0;
        const HRESULT next = objects->Next(timeout, 1, object.Put(), &returned);
        if (FAILED(next) || next == WBEM_S_TIMEDOUT) {
            return std::nullopt;
        }
        if (returned == 0 || !object) {
            break;
        }
        UniqueVariant value;
        if (SUCCEEDED(object->Get(name.Get(), 0, value.Put(), nullptr, nullptr))) {
            values.push_back(AnsiText(value.Get()));
        } else {
            values.emplace_back();
        }
    }
    return values;
}

}  // namespace platform::win32
