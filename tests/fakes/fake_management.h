#pragma once

// The management service of a machine: the processes it reports for the
// query of Win32_Process on the local computer. Other hosts, other queries
// and a stopped service fail as the real one does; every query is recorded.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/text.h"
#include "platform/management.h"

namespace fakes {

class FakeManagement : public platform::Management {
public:
    struct Query {
        std::string objectPath;
        std::string query;
        std::string property;
    };

    std::optional<std::vector<std::string>> QueryProperty(std::string_view objectPath,
                                                          std::string_view query,
                                                          std::string_view property) override {
        queries.push_back({std::string(objectPath), std::string(query), std::string(property)});
        const bool local = base::EqualsIgnoreCase(objectPath, "winmgmts:") ||
                           base::EqualsIgnoreCase(objectPath, "winmgmts:\\\\localhost") ||
                           base::EqualsIgnoreCase(objectPath, "winmgmts:\\\\.");
        if (!running || !local ||
            !base::EqualsIgnoreCase(base::Trim(query), "select * from Win32_Process")) {
            return std::nullopt;
        }
        if (!base::EqualsIgnoreCase(property, "Name")) {
            return std::vector<std::string>(processNames.size());
        }
        return processNames;
    }

    // The Name of every running process, in the order the service lists them.
    std::vector<std::string> processNames;
    // A stopped service answers no query.
    bool running = true;
    std::vector<Query> queries;
};

}  // namespace fakes
