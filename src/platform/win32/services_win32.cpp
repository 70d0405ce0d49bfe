#include "platform/win32/services_win32.h"

#include <windows.h>

#include <cstring>

#include "platform/win32/handles.h"

namespace platform::win32 {

namespace {

// The configuration of an open service; nullopt when it cannot be read.
std::optional<ServiceConfig> ConfigOfOpened(SC_HANDLE service) {
    DWORD needed = 0;
    ::QueryServiceConfigA(service, nullptr, 0, &needed);
    if (::GetLastError() != ERROR_INSUFFICIENT_BUFFER || needed == 0) {
        return std::nullopt;
    }
    // QUERY_SERVICE_CONFIG holds pointers: the buffer is aligned for them.
    std::vector<std::uint64_t> buffer((needed + sizeof(std::uint64_t) - 1) / sizeof(std::uint64_t));
    auto* config = reinterpret_cast<QUERY_SERVICE_CONFIGA*>(buffer.data());
    if (!::QueryServiceConfigA(service, config, needed, &needed)) {
        return std::nullopt;
    }
    ServiceConfig result;
    result.displayName = config->lpDisplayName != nullptr ? config->lpDisplayName : "";
    result.start = static_cast<ServiceStart>(config->dwStartType);
    result.imagePath = config->lpBinaryPathName != nullptr ? config->lpBinaryPathName : "";
    return result;
}

// A service's configuration, or nullopt when it cannot be read.
std::optional<ServiceConfig> ConfigOf(SC_HANDLE manager,
                                      const ENUM_SERVICE_STATUS_PROCESSA& listed) {
    const UniqueServiceHandle service{
        ::OpenServiceA(manager, listed.lpServiceName, SERVICE_QUERY_CONFIG)};
    if (!service) {
        return std::nullopt;
    }
    std::optional<ServiceConfig> result = ConfigOfOpened(service.Get());
    if (result) {
        result->name = listed.lpServiceName != nullptr ? listed.lpServiceName : "";
        result->displayName = listed.lpDisplayName != nullptr ? listed.lpDisplayName : "";
    }
    return result;
}

}  // namespace

std::optional<std::vector<ServiceConfig>> ServicesWin32::ListServices() {
    const UniqueServiceHandle manager{
        ::OpenSCManagerA(nullptr, nullptr, SC_MANAGER_CONNECT | SC_MANAGER_ENUMERATE_SERVICE)};
    if (!manager) {
        return std::nullopt;
    }
    std::vector<ServiceConfig> services;
    DWORD resume = 0;
    for (;;) {
        DWORD needed = 0;
        DWORD count = 0;
        ::EnumServicesStatusExA(manager.Get(), SC_ENUM_PROCESS_INFO, SERVICE_WIN32,
                                SERVICE_STATE_ALL, nullptr, 0, &needed, &count, &resume, nullptr);
        const DWORD error = ::GetLastError();
        if (error != ERROR_MORE_DATA && error != ERROR_INSUFFICIENT_BUFFER) {
            // Nothing (more) to list, or the manager refused.
            return error == ERROR_SUCCESS || error == ERROR_NO_MORE_ITEMS ? std::optional(services)
                                                                          : std::nullopt;
        }
        std::vector<std::uint64_t> buffer((needed + sizeof(std::uint64_t) - 1) /
                                          sizeof(std::uint64_t));
        const BOOL done = ::EnumServicesStatusExA(
            manager.Get(), SC_ENUM_PROCESS_INFO, SERVICE_WIN32, SERVICE_STATE_ALL,
            reinterpret_cast<BYTE*>(buffer.data()), needed, &needed, &count, &resume, nullptr);
        if (!done && ::GetLastError() != ERROR_MORE_DATA) {
            return std::nullopt;
        }
        const auto* listed = reinterpret_cast<const ENUM_SERVICE_STATUS_PROCESSA*>(buffer.data());
        for (DWORD i = 0; i < count; ++i) {
            if (std::optional<ServiceConfig> config = ConfigOf(manager.Get(), listed[i])) {
                services.push_back(std::move(*config));
            }
        }
        if (done) {
            return services;
        }
    }
}

std::optional<ServiceConfig> ServicesWin32::QueryService(std::string_view name) {
    const std::string serviceName(name);
    const UniqueServiceHandle manager{::OpenSCManagerA(nullptr, nullptr, SC_MANAGER_CONNECT)};
    const UniqueServiceHandle service{
        manager ? ::OpenServiceA(manager.Get(), serviceName.c_str(), SERVICE_QUERY_CONFIG)
                : nullptr};
    if (!service) {
        return std::nullopt;
    }
    std::optional<ServiceConfig> result = ConfigOfOpened(service.Get());
    if (result) {
        result->name = serviceName;
    }
    return result;
}

ServiceChange ServicesWin32::SetStartType(std::string_view name, ServiceStart start) {
    const std::string serviceName(name);
    const auto failure = [] {
        switch (::GetLastError()) {
            case ERROR_ACCESS_DENIED:
                return ServiceChange::AccessDenied;
            case ERROR_SERVICE_DOES_NOT_EXIST:
                return ServiceChange::NotFound;
            default:
                return ServiceChange::Failed;
        }
    };
    const UniqueServiceHandle manager{::OpenSCManagerA(nullptr, nullptr, SC_MANAGER_CONNECT)};
    if (!manager) {
        return failure();
    }
    const UniqueServiceHandle service{
        ::OpenServiceA(manager.Get(), serviceName.c_str(), SERVICE_CHANGE_CONFIG)};
    if (!service) {
        return failure();
    }
    if (!::ChangeServiceConfigA(service.Get(), SERVICE_NO_CHANGE, static_cast<DWORD>(start),
                                SERVICE_NO_CHANGE, nullptr, nullptr, nullptr, nullptr, nullptr,
                                nullptr, nullptr)) {
        return failure();
    }
    return ServiceChange::Changed;
}

}  // namespace platform::win32
