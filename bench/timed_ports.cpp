#include "timed_ports.h"

#include <chrono>
#include <utility>

namespace bench {

namespace {

using Clock = std::chrono::steady_clock;

// Adds the time of one call to its port, from construction to destruction,
// while the times are being taken.
class CallTimer {
public:
    CallTimer(PortTimes& times, Port port) noexcept
        : m_times(times.taking ? &times : nullptr),
          m_index(static_cast<std::size_t>(port)),
          m_start(m_times != nullptr ? Clock::now() : Clock::time_point()) {}
    ~CallTimer() {
        if (m_times == nullptr) {
            return;
        }
        m_times->seconds[m_index] += std::chrono::duration<double>(Clock::now() - m_start).count();
        ++m_times->calls[m_index];
    }
    CallTimer(const CallTimer&) = delete;
    CallTimer& operator=(const CallTimer&) = delete;

private:
    PortTimes* m_times;
    std::size_t m_index;
    Clock::time_point m_start;
};

// An open key whose calls, and whose closing, count to the registry.
class TimedKey final : public platform::RegistryKey {
public:
    TimedKey(PortTimes& times, std::unique_ptr<platform::RegistryKey> inner)
        : m_times(times), m_inner(std::move(inner)) {}
    ~TimedKey() override {
        const CallTimer timer(m_times, Port::Registry);
        m_inner.reset();
    }
    TimedKey(const TimedKey&) = delete;
    TimedKey& operator=(const TimedKey&) = delete;

    long QueryValue(std::string_view name, platform::RegistryValue& out) override {
        const CallTimer timer(m_times, Port::Registry);
        return m_inner->QueryValue(name, out);
    }
    long SetValue(std::string_view name, const platform::RegistryValue& value) override {
        const CallTimer timer(m_times, Port::Registry);
        return m_inner->SetValue(name, value);
    }
    long DeleteValue(std::string_view name) override {
        const CallTimer timer(m_times, Port::Registry);
        return m_inner->DeleteValue(name);
    }
    std::string KernelName() override {
        const CallTimer timer(m_times, Port::Registry);
        return m_inner->KernelName();
    }
    long EnumerateSubKeys(std::vector<std::string>& names) override {
        const CallTimer timer(m_times, Port::Registry);
        return m_inner->EnumerateSubKeys(names);
    }
    long EnumerateValues(std::vector<platform::NamedRegistryValue>& values) override {
        const CallTimer timer(m_times, Port::Registry);
        return m_inner->EnumerateValues(values);
    }
    long ListSubKeyNames(std::uint32_t from, std::uint32_t most,
                         std::vector<std::string>& names) override {
        const CallTimer timer(m_times, Port::Registry);
        return m_inner->ListSubKeyNames(from, most, names);
    }
    long ListValueNames(std::uint32_t from, std::uint32_t most,
                        std::vector<std::string>& names) override {
        const CallTimer timer(m_times, Port::Registry);
        return m_inner->ListValueNames(from, most, names);
    }

private:
    PortTimes& m_times;
    std::unique_ptr<platform::RegistryKey> m_inner;
};

// A folder listing whose parts count to the file system.
class TimedListing final : public platform::FolderListing {
public:
    TimedListing(PortTimes& times, std::unique_ptr<platform::FolderListing> inner)
        : m_times(times), m_inner(std::move(inner)) {}

    std::optional<bool> Next(std::size_t most,
                             std::vector<platform::DirectoryEntry>& entries) override {
        const CallTimer timer(m_times, Port::FileSystem);
        return m_inner->Next(most, entries);
    }

private:
    PortTimes& m_times;
    std::unique_ptr<platform::FolderListing> m_inner;
};

}  // namespace

class TimedPorts::Registry final : public platform::Registry {
public:
    Registry(PortTimes& times, platform::Registry& inner) : m_times(times), m_inner(inner) {}

    platform::RegistryOpenResult OpenKey(platform::RegistryRoot root, std::string_view path,
                                         std::uint32_t access,
                                         platform::RegistryView view) override {
        return Wrap(Timed([&] { return m_inner.OpenKey(root, path, access, view); }));
    }
    platform::RegistryOpenResult CreateKey(platform::RegistryRoot root, std::string_view path,
                                           std::uint32_t access,
                                           platform::RegistryView view) override {
        return Wrap(Timed([&] { return m_inner.CreateKey(root, path, access, view); }));
    }
    long DeleteTree(platform::RegistryRoot root, std::string_view path,
                    platform::RegistryView view) override {
        const CallTimer timer(m_times, Port::Registry);
        return m_inner.DeleteTree(root, path, view);
    }
    bool HasWow32View() override { return m_inner.HasWow32View(); }

private:
    template <typename Call>
    platform::RegistryOpenResult Timed(Call call) {
        const CallTimer timer(m_times, Port::Registry);
        return call();
    }
    platform::RegistryOpenResult Wrap(platform::RegistryOpenResult result) {
        if (result.key) {
            result.key = std::make_unique<TimedKey>(m_times, std::move(result.key));
        }
        return result;
    }

    PortTimes& m_times;
    platform::Registry& m_inner;
};

class TimedPorts::FileSystem final : public platform::FileSystem {
public:
    FileSystem(PortTimes& times, platform::FileSystem& inner) : m_times(times), m_inner(inner) {}

    std::optional<std::string> FirstNormalFileName(std::string_view path) override {
        const CallTimer timer(m_times, Port::FileSystem);
        return m_inner.FirstNormalFileName(path);
    }
    bool DirectoryExists(std::string_view path) override {
        const CallTimer timer(m_times, Port::FileSystem);
        return m_inner.DirectoryExists(path);
    }
    std::optional<std::string> ReadWholeFile(std::string_view path) override {
        const CallTimer timer(m_times, Port::FileSystem);
        return m_inner.ReadWholeFile(path);
    }
    bool WriteWholeFile(std::string_view path, std::string_view content) override {
        const CallTimer timer(m_times, Port::FileSystem);
        return m_inner.WriteWholeFile(path, content);
    }
    bool AppendToFile(std::string_view path, std::string_view content) override {
        const CallTimer timer(m_times, Port::FileSystem);
        return m_inner.AppendToFile(path, content);
    }
    // Only the opening is timed: the update benchmark, which streams, does
    // not break its time down by port.
    std::unique_ptr<platform::FileReader> OpenToRead(std::string_view path) override {
        const CallTimer timer(m_times, Port::FileSystem);
        return m_inner.OpenToRead(path);
    }
    std::unique_ptr<platform::FileWriter> CreateToWrite(std::string_view path) override {
        const CallTimer timer(m_times, Port::FileSystem);
        return m_inner.CreateToWrite(path);
    }
    bool RemoveFile(std::string_view path) override {
        const CallTimer timer(m_times, Port::FileSystem);
        return m_inner.RemoveFile(path);
    }
    bool RenameFile(std::string_view from, std::string_view to) override {
        const CallTimer timer(m_times, Port::FileSystem);
        return m_inner.RenameFile(from, to);
    }
    bool MoveOver(std::string_view from, std::string_view to) override {
        const CallTimer timer(m_times, Port::FileSystem);
        return m_inner.MoveOver(from, to);
    }
    bool MakeDirectory(std::string_view path) override {
        const CallTimer timer(m_times, Port::FileSystem);
        return m_inner.MakeDirectory(path);
    }
    std::vector<platform::DriveInfo> ListDrives() override {
        const CallTimer timer(m_times, Port::FileSystem);
        return m_inner.ListDrives();
    }
    std::vector<std::string> ListFiles(std::string_view folder) override {
        const CallTimer timer(m_times, Port::FileSystem);
        return m_inner.ListFiles(folder);
    }
    std::optional<std::uint64_t> FileSize(std::string_view path) override {
        const CallTimer timer(m_times, Port::FileSystem);
        return m_inner.FileSize(path);
    }
    std::optional<std::string> ReadFileRange(std::string_view path, std::uint64_t offset,
                                             std::size_t length) override {
        const CallTimer timer(m_times, Port::FileSystem);
        return m_inner.ReadFileRange(path, offset, length);
    }
    std::optional<std::vector<platform::DirectoryEntry>> ListEntries(
        std::string_view folder) override {
        const CallTimer timer(m_times, Port::FileSystem);
        return m_inner.ListEntries(folder);
    }
    std::unique_ptr<platform::FolderListing> ListInParts(std::string_view folder) override {
        const CallTimer timer(m_times, Port::FileSystem);
        std::unique_ptr<platform::FolderListing> listing = m_inner.ListInParts(folder);
        if (!listing) {
            return nullptr;
        }
        return std::make_unique<TimedListing>(m_times, std::move(listing));
    }
    std::optional<platform::PathAttributes> Attributes(std::string_view path) override {
        const CallTimer timer(m_times, Port::FileSystem);
        return m_inner.Attributes(path);
    }
    platform::WriteAccess WhoMayWrite(std::string_view path) override {
        const CallTimer timer(m_times, Port::FileSystem);
        return m_inner.WhoMayWrite(path);
    }
    bool CopyFileTo(std::string_view from, std::string_view to) override {
        const CallTimer timer(m_times, Port::FileSystem);
        return m_inner.CopyFileTo(from, to);
    }
    bool RemoveFolder(std::string_view path) override {
        const CallTimer timer(m_times, Port::FileSystem);
        return m_inner.RemoveFolder(path);
    }
    bool SetFolderAttributes(std::string_view path, bool readOnly, bool hidden,
                             bool system) override {
        const CallTimer timer(m_times, Port::FileSystem);
        return m_inner.SetFolderAttributes(path, readOnly, hidden, system);
    }

private:
    PortTimes& m_times;
    platform::FileSystem& m_inner;
};

class TimedPorts::ShellFolders final : public platform::ShellFolders {
public:
    ShellFolders(PortTimes& times, platform::ShellFolders& inner)
        : m_times(times), m_inner(inner) {}

    std::optional<std::string> FolderPath(int csidl) override {
        const CallTimer timer(m_times, Port::ShellFolders);
        return m_inner.FolderPath(csidl);
    }
    std::optional<std::string> FolderPathById(int csidl) override {
        const CallTimer timer(m_times, Port::ShellFolders);
        return m_inner.FolderPathById(csidl);
    }
    std::optional<std::string> AllUsersProfilePath() override {
        const CallTimer timer(m_times, Port::ShellFolders);
        return m_inner.AllUsersProfilePath();
    }

private:
    PortTimes& m_times;
    platform::ShellFolders& m_inner;
};

class TimedPorts::EventLoop final : public platform::EventLoop {
public:
    EventLoop(PortTimes& times, platform::EventLoop& inner) : m_times(times), m_inner(inner) {}

    TimerId StartTimer(std::chrono::milliseconds interval, std::function<void()> onTick) override {
        const CallTimer timer(m_times, Port::EventLoop);
        return m_inner.StartTimer(interval, std::move(onTick));
    }
    void StopTimer(TimerId id) override {
        const CallTimer timer(m_times, Port::EventLoop);
        m_inner.StopTimer(id);
    }
    void YieldToMessageLoop() override {
        const CallTimer timer(m_times, Port::EventLoop);
        m_inner.YieldToMessageLoop();
    }
    void Quit(int exitCode) override {
        const CallTimer timer(m_times, Port::EventLoop);
        m_inner.Quit(exitCode);
    }

private:
    PortTimes& m_times;
    platform::EventLoop& m_inner;
};

class TimedPorts::Processes final : public platform::Processes {
    // What is done through a held process counts as time in the port too.
    class Held final : public platform::HeldProcess {
    public:
        Held(PortTimes& times, std::unique_ptr<platform::HeldProcess> inner)
            : m_times(times), m_inner(std::move(inner)) {}
        bool Terminate(std::uint32_t exitCode) override {
            const CallTimer timer(m_times, Port::Processes);
            return m_inner->Terminate(exitCode);
        }
        void End() override {
            const CallTimer timer(m_times, Port::Processes);
            m_inner->End();
        }
        bool WaitForExit(std::chrono::milliseconds timeout) override {
            const CallTimer timer(m_times, Port::Processes);
            return m_inner->WaitForExit(timeout);
        }

    private:
        PortTimes& m_times;
        std::unique_ptr<platform::HeldProcess> m_inner;
    };

public:
    Processes(PortTimes& times, platform::Processes& inner) : m_times(times), m_inner(inner) {}

    std::optional<std::vector<std::uint32_t>> ListIds() override {
        const CallTimer timer(m_times, Port::Processes);
        return m_inner.ListIds();
    }
    std::optional<std::string> BaseName(std::uint32_t id) override {
        const CallTimer timer(m_times, Port::Processes);
        return m_inner.BaseName(id);
    }
    std::optional<std::string> MainModulePath(std::uint32_t id) override {
        const CallTimer timer(m_times, Port::Processes);
        return m_inner.MainModulePath(id);
    }
    std::optional<std::vector<platform::ProcessEntry>> Snapshot() override {
        const CallTimer timer(m_times, Port::Processes);
        return m_inner.Snapshot();
    }
    std::unique_ptr<platform::HeldProcess> Hold(std::uint32_t id) override {
        const CallTimer timer(m_times, Port::Processes);
        std::unique_ptr<platform::HeldProcess> held = m_inner.Hold(id);
        if (!held) {
            return nullptr;
        }
        return std::make_unique<Held>(m_times, std::move(held));
    }
    bool RunHidden(std::string_view program, std::string_view commandLine,
                   std::chrono::milliseconds timeout) override {
        const CallTimer timer(m_times, Port::Processes);
        return m_inner.RunHidden(program, commandLine, timeout);
    }
    std::string SystemDirectory() override {
        const CallTimer timer(m_times, Port::Processes);
        return m_inner.SystemDirectory();
    }

private:
    PortTimes& m_times;
    platform::Processes& m_inner;
};

std::string_view PortName(Port port) noexcept {
    switch (port) {
        case Port::Registry:
            return "registry";
        case Port::FileSystem:
            return "files";
        case Port::ShellFolders:
            return "shell";
        case Port::EventLoop:
            return "yield";
        case Port::Processes:
            return "process";
    }
    return "";
}

double PortTimes::TotalSeconds() const noexcept {
    double total = 0;
    for (double portSeconds : seconds) {
        total += portSeconds;
    }
    return total;
}

PortTimes operator-(const PortTimes& a, const PortTimes& b) noexcept {
    PortTimes difference;
    for (std::size_t i = 0; i < kPortCount; ++i) {
        difference.seconds[i] = a.seconds[i] - b.seconds[i];
        difference.calls[i] = a.calls[i] - b.calls[i];
    }
    return difference;
}

TimedPorts::TimedPorts(platform::Platform& inner)
    : m_registry(std::make_unique<Registry>(m_times, inner.registry)),
      m_fileSystem(std::make_unique<FileSystem>(m_times, inner.fileSystem)),
      m_shellFolders(std::make_unique<ShellFolders>(m_times, inner.shellFolders)),
      m_eventLoop(std::make_unique<EventLoop>(m_times, inner.eventLoop)),
      m_processes(std::make_unique<Processes>(m_times, inner.processes)),
      m_ports(std::make_unique<platform::Platform>(platform::Platform{*m_registry,
                                                                      *m_shellFolders,
                                                                      *m_fileSystem,
                                                                      inner.programFile,
                                                                      inner.osVersion,
                                                                      inner.shell,
                                                                      inner.dialogs,
                                                                      inner.clock,
                                                                      *m_eventLoop,
                                                                      inner.textCodec,
                                                                      inner.notifyIcon,
                                                                      *m_processes,
                                                                      inner.clipboard,
                                                                      inner.systemRestore,
                                                                      inner.http,
                                                                      inner.desktop,
                                                                      inner.management,
                                                                      inner.localeFormats,
                                                                      inner.signatureVerifier,
                                                                      inner.deviceManagement,
                                                                      inner.hashing,
                                                                      inner.fileOrigin,
                                                                      inner.environment,
                                                                      inner.services,
                                                                      inner.scheduledTasks,
                                                                      inner.elevation})) {}

TimedPorts::~TimedPorts() = default;

}  // namespace bench
