#pragma once

// Doubles of the file origin and environment ports: signatures and
// companies set per file, variables set by name. Every signature check is
// counted, so that a test can see the scan ask once per file.

#include <algorithm>
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

// The services as set; a manager that cannot be asked when `unavailable`,
// and that refuses every change when `refuseChanges` (a standard user).
class FakeServices : public platform::Services {
public:
    std::optional<std::vector<platform::ServiceConfig>> ListServices() override {
        if (unavailable) {
            return std::nullopt;
        }
        return services;
    }
    std::optional<platform::ServiceConfig> QueryService(std::string_view name) override {
        platform::ServiceConfig* service = Find(name);
        return service != nullptr && !unavailable ? std::optional(*service) : std::nullopt;
    }
    platform::ServiceChange SetStartType(std::string_view name,
                                         platform::ServiceStart start) override {
        platform::ServiceConfig* service = Find(name);
        if (service == nullptr) {
            return platform::ServiceChange::NotFound;
        }
        if (refuseChanges) {
            return platform::ServiceChange::AccessDenied;
        }
        service->start = start;
        return platform::ServiceChange::Changed;
    }

    std::vector<platform::ServiceConfig> services;
    bool unavailable = false;
    bool refuseChanges = false;

private:
    platform::ServiceConfig* Find(std::string_view name) {
        for (platform::ServiceConfig& service : services) {
            if (base::EqualsIgnoreCase(service.name, name)) {
                return &service;
            }
        }
        return nullptr;
    }
};

// The tasks as set; a Task Scheduler that cannot be asked when `unavailable`,
// and that refuses every change when `refuseChanges` (a standard user). A
// task's export is its `definitionXml`, or else a made-up definition of its
// path; a registered one is listed with that definition alone.
class FakeScheduledTasks : public platform::ScheduledTasks {
public:
    std::optional<std::vector<platform::ScheduledTask>> ListTasks() override {
        if (unavailable) {
            return std::nullopt;
        }
        return tasks;
    }
    std::optional<std::string> ExportTask(std::string_view path) override {
        const auto task = Find(path);
        if (task == tasks.end() || unavailable) {
            return std::nullopt;
        }
        return task->definitionXml.empty() ? "<Task><!-- " + task->path + " --></Task>"
                                           : task->definitionXml;
    }
    platform::TaskChange DeleteTask(std::string_view path) override {
        const auto task = Find(path);
        if (task == tasks.end()) {
            return platform::TaskChange::NotFound;
        }
        if (refuseChanges) {
            return platform::TaskChange::AccessDenied;
        }
        tasks.erase(task);
        return platform::TaskChange::Done;
    }
    platform::TaskChange RegisterTask(std::string_view path, std::string_view xml) override {
        if (Find(path) != tasks.end()) {
            return platform::TaskChange::AlreadyThere;
        }
        if (refuseChanges) {
            return platform::TaskChange::AccessDenied;
        }
        platform::ScheduledTask task;
        task.path = std::string(path);
        task.definitionXml = std::string(xml);
        registered.push_back(task);
        tasks.push_back(std::move(task));
        return platform::TaskChange::Done;
    }

    std::vector<platform::ScheduledTask> tasks;
    std::vector<platform::ScheduledTask> registered;
    bool unavailable = false;
    bool refuseChanges = false;

private:
    std::vector<platform::ScheduledTask>::iterator Find(std::string_view path) {
        return std::find_if(tasks.begin(), tasks.end(), [&](const platform::ScheduledTask& task) {
            return base::EqualsIgnoreCase(task.path, path);
        });
    }
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
