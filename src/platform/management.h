#pragma once

// The platform's management service (WMI on Windows): a query of its
// objects, of which one text property is read.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

class Management {
public:
    virtual ~Management() = default;

    // Runs the query (WQL, such as "select * from Win32_Process") through the
    // service named by the object path ("winmgmts:\\localhost") and answers
    // the text property of every object returned, in the order given (an
    // object without the property gives ""). nullopt when the service cannot
    // be reached, the query fails or the objects cannot be read.
    [[nodiscard]] virtual std::optional<std::vector<std::string>> QueryProperty(
        std::string_view objectPath, std::string_view query, std::string_view property) = 0;
};

}  // namespace platform
