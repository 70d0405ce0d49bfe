#pragma once

// Small test doubles of the ports that need little more than a record of
// what they were asked.

#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "platform/clipboard.h"
#include "platform/clock.h"
#include "platform/desktop.h"
#include "platform/device_management.h"
#include "platform/dialogs.h"
#include "platform/file_system.h"
#include "platform/locale_formats.h"
#include "platform/os_version.h"
#include "platform/program_file.h"
#include "platform/shell.h"
#include "platform/system_restore.h"
#include "platform/text_codec.h"

namespace fakes {

// A home machine unless a test says that an organisation manages it.
class FakeDeviceManagement : public platform::DeviceManagement {
public:
    bool ManagedByOrganisation() override { return managed; }
    bool managed = false;
};

class FakeProgramFile : public platform::ProgramFile {
public:
    std::string Path() override {
        return folder + "\\" + (fileName.empty() ? baseName + ".exe" : fileName);
    }
    std::string Folder() override { return folder; }
    std::string BaseName() override { return baseName; }
    platform::VersionResource ReadVersionResource() override { return version; }
    bool PreviousInstanceRunning() override { return previousInstance; }

    std::string folder = "C:\\Program Files\\Scanner";
    std::string baseName = "Scanner";
    std::string fileName;  // with its extension; empty means baseName + ".exe"
    platform::VersionResource version{"Acme Sweeper", "Acme Labs", "www.acme.example", 2, 5};
    bool previousInstance = false;
};

class FakeOsVersion : public platform::OsVersion {
public:
    platform::OsVersionInfo Read() override { return info; }
    platform::OsVersionInfo info{5, 1, 2600, platform::kPlatformWin32Nt, "Service Pack 2"};
};

class FakeShell : public platform::Shell {
public:
    struct Call {
        std::string verb;
        std::string file;
        std::string parameters;
        std::string folder;
        platform::WindowShow show;
    };

    bool Execute(std::string_view verb, std::string_view file, std::string_view parameters,
                 std::string_view folder, platform::WindowShow show) override;
    bool StartCommandLine(std::string_view commandLine, platform::WindowShow show) override;
    FakeShell() = default;
    // Shortcuts may also be files of `files` (their content LinkContent's).
    explicit FakeShell(platform::FileSystem* files) : m_files(files) {}

    // A shortcut file's content, or else the shortcuts set below, by their
    // path in any letter case.
    std::optional<platform::ShortcutLink> ReadShortcut(std::string_view path) override;
    // Rewrites a shortcut file (refused where its file system refuses the
    // write), or else the one set below.
    bool WriteShortcutArguments(std::string_view path, std::string_view arguments) override;

    // What a shortcut file holds in this double.
    [[nodiscard]] static std::string LinkContent(const platform::ShortcutLink& link);

    std::vector<Call> executed;
    // Shortcuts by upper-case path.
    std::map<std::string, platform::ShortcutLink> shortcuts;
    std::vector<std::string> commandLines;
    bool succeed = true;

private:
    platform::FileSystem* m_files = nullptr;
};

// Message boxes answered from a script; every box shown is recorded.
class ScriptedDialogs : public platform::Dialogs {
public:
    struct Shown {
        std::string text;
        std::string title;
        platform::MessageButtons buttons;
        platform::MessageIcon icon;
    };

    platform::MessageAnswer ShowMessage(std::string_view text, std::string_view title,
                                        platform::MessageButtons buttons,
                                        platform::MessageIcon icon) override;

    // Answers used in order; when they run out, the first button is chosen.
    std::deque<platform::MessageAnswer> answers;
    std::vector<Shown> shown;
    std::function<void(const Shown&)> onShow;
};

class FakeClock : public platform::Clock {
public:
    platform::DateTime Now() override { return now; }
    std::uint64_t TickCount() override {
        const std::uint64_t read = ticks;
        ticks += ticksPerRead;
        return read;
    }

    platform::DateTime now{2026, 12, 8, 9, 30, 0, 2};
    std::uint64_t ticks = 0;
    // Time that passes between two reads: the program working on a slow
    // machine, or on something that takes long.
    std::uint64_t ticksPerRead = 0;
};

// A Western system, whose legacy code page is Windows-1252. The program's
// texts are in that code page too, as on Windows before 10 version 1903;
// with utf8Program they are UTF-8, as the manifest makes them on later ones.
class Windows1252Codec : public platform::TextCodec {
public:
    std::string Utf8ToAnsi(std::string_view utf8) override;
    std::string AnsiToUtf8(std::string_view ansi) override;
    std::string LegacyToAnsi(std::string_view legacy) override;
    std::string StoredToAnsi(std::string_view stored) override;
    // ASCII names as they are (lower-cased, as IDNA maps them); others only
    // as `hostNames` gives them.
    std::optional<std::string> HostNameToAscii(std::string_view utf8) override;

    bool utf8Program = false;
    std::map<std::string, std::string, std::less<>> hostNames;  // UTF-8 name to punycode
};

class FakeClipboard : public platform::Clipboard {
public:
    bool SetText(std::string_view value) override {
        if (fail) {
            return false;
        }
        text = value;
        ++writes;
        return true;
    }

    std::string text;
    int writes = 0;
    bool fail = false;
};

// System Restore that hands out sequence numbers from 1, or fails every call
// when the system has none; a standard user on Vista and later may make none.
class FakeSystemRestore : public platform::SystemRestore {
public:
    struct Call {
        int eventType = 0;
        int restorePointType = 0;
        std::int64_t sequenceNumber = 0;
        std::string description;
    };

    std::optional<std::int64_t> SetRestorePoint(int eventType, int restorePointType,
                                                std::int64_t sequenceNumber,
                                                std::string_view description) override {
        calls.push_back(
            Call{eventType, restorePointType, sequenceNumber, std::string(description)});
        if (!available) {
            return std::nullopt;
        }
        return eventType == platform::restore_event::kBeginSystemChange ? ++m_lastSequence
                                                                        : sequenceNumber;
    }

    bool UserMayCreatePoints() override { return userMayCreatePoints; }

    std::vector<Call> calls;
    bool available = true;
    bool userMayCreatePoints = true;

private:
    std::int64_t m_lastSequence = 0;
};

// A screen of 1024 by 768 pixels with a taskbar 30 pixels high; a test
// takes the taskbar away by resetting it.
class FakeDesktop : public platform::Desktop {
public:
    std::optional<platform::ClientRect> TaskbarClientRect() override { return taskbar; }
    platform::ClientRect DesktopClientRect() override { return desktop; }

    std::optional<platform::ClientRect> taskbar = platform::ClientRect{0, 0, 1024, 30};
    platform::ClientRect desktop{0, 0, 1024, 768};
};

// The user's formats of two profiles: the United States, the default, whose
// forms are those the program stores; and Germany.
class FakeLocaleFormats : public platform::LocaleFormats {
public:
    // The United Kingdom's short date puts the day first: "01/12/2026".
    enum class Profile { UnitedStates, Germany, UnitedKingdom };

    std::optional<std::string> ShortDate(const platform::DateTime& value) override;
    std::optional<std::string> LongTime(const platform::DateTime& value) override;
    std::optional<std::string> WholeNumber(std::int64_t value) override;

    Profile profile = Profile::UnitedStates;
};

}  // namespace fakes
