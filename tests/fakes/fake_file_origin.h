#pragma once

// Doubles of the file origin and environment ports: signatures and
// companies set per file, variables set by name. Every signature check is
// counted, so that a test can see the scan ask once per file.

#include <map>
#include <optional>
#include <string>

#include "base/text.h"
#include "platform/elevation.h"
#include "platform/environment.h"
#include "platform/file_origin.h"
#include "platform/scheduled_tasks.h"
#include "platform/services.h"

namespace fakes {

class FakeFileOrigin : public platform::FileOrigin {
public:
    platform::FileSignature CheckSignature(std::string_view path) override {
        ++checks;
        const auto found = signatures.find(base::UpperCase(path));
        return found == signatures.end() ? platform::FileSignature{} : found->second;
    }
    std::string CompanyName(std::string_view path) override {
        const auto found = companies.find(base::UpperCase(path));
        return found == companies.end() ? std::string() : found->second;
    }

    void Sign(std::string_view path, std::string signer,
              platform::SignatureStatus status = platform::SignatureStatus::Valid) {
        signatures[base::UpperCase(path)] = {status, std::move(signer)};
    }
    void SetCompany(std::string_view path, std::string company) {
        companies[base::UpperCase(path)] = std::move(company);
    }

    // Keyed by the upper-case path: file names ignore letter case.
    std::map<std::string, platform::FileSignature> signatures;
    std::map<std::string, std::string> companies;
    int checks = 0;
};

class FakeEnvironment : public platform::Environment {
public:
    std::optional<std::string> Variable(std::string_view name) override {
        const auto found = variables.find(base::UpperCase(name));
        if (found == variables.end()) {
            return std::nullopt;
        }
        return found->second;
    }
    void Set(std::string_view name, std::string value) {
        variables[base::UpperCase(name)] = std::move(value);
    }

    std::map<std::string, std::string> variables;
};

// The services as set; a manager that cannot be asked when `unavailable`.
class FakeServices : public platform::Services {
public:
    std::optional<std::vector<platform::ServiceConfig>> ListServices() override {
        if (unavailable) {
            return std::nullopt;
        }
        return services;
    }

    std::vector<platform::ServiceConfig> services;
    bool unavailable = false;
};

// The tasks as set; a Task Scheduler that cannot be asked when `unavailable`.
class FakeScheduledTasks : public platform::ScheduledTasks {
public:
    std::optional<std::vector<platform::ScheduledTask>> ListTasks() override {
        if (unavailable) {
            return std::nullopt;
        }
        return tasks;
    }

    std::vector<platform::ScheduledTask> tasks;
    bool unavailable = false;
};

// A process without full rights unless `elevated`; a request for them gets
// `answer`, and each request's arguments are kept.
class FakeElevation : public platform::Elevation {
public:
    bool IsElevated() override { return elevated; }
    platform::ElevatedRunResult RunElevated(std::string_view arguments) override {
        requests.emplace_back(arguments);
        return answer;
    }

    bool elevated = false;
    platform::ElevatedRunResult answer{platform::ElevatedRunOutcome::Declined, 0, 1223};
    std::vector<std::string> requests;
};

}  // namespace fakes
