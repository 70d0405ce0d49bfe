#include "synthetic_set.h"

#include <array>

#include "core/definition_files.h"
#include "core/path_macros.h"
#include "definitions/line_code.h"

namespace bench {

namespace {

namespace csidl = platform::csidl;

constexpr int kPresentEvery = 100;
// The present files are spread over this many folders; half the absent ones
// are looked for in the same folders, as definitions name real places.
constexpr int kFileFolders = 50;
constexpr int kSafeRegistryHits = 3;
constexpr int kExcludedRegistryKeys = 2;
constexpr int kSafeFileHits = 3;
constexpr int kExcludedFiles = 3;
constexpr int kSafeFolderHits = 2;
constexpr int kExcludedFolders = 2;

struct Macro {
    std::string_view text;
    int csidl;
};

// Files and folders are not looked for in the system folder: under Wine a
// name missing from a folder that large costs a read of the whole folder,
// which would swamp what is measured. Executables are never looked for.
constexpr std::array<Macro, 4> kFolderMacros{{{"[windir]", csidl::kWindows},
                                              {"[progfil]", csidl::kProgramFiles},
                                              {"[appdata]", csidl::kAppData},
                                              {"[comapp]", csidl::kCommonAppData}}};
constexpr Macro kSystemMacro{"[system]", csidl::kSystem};

// Where a file or folder record points.
enum class Place {
    Present,        // one in a hundred: created
    SetFolder,      // one in ten: missing from a folder of the set that exists
    MacroFolder,    // one in five: below a special folder, named by its macro
    MissingFolder,  // the rest: in a folder that does not exist
};

Place PlaceOf(int index) {
    if (index % kPresentEvery == 0) {
        return Place::Present;
    }
    if (index % 10 == 5) {
        return Place::SetFolder;
    }
    return index % 5 == 2 ? Place::MacroFolder : Place::MissingFolder;
}

constexpr std::array<std::string_view, 4> kTypes{"Adware", "Spyware", "Trojan", "Browser Hijacker"};

// A folder as a definition writes it and as the machine has it.
struct Folder {
    std::string written;
    std::string resolved;
};

Folder PlainFolder(std::string path) {
    return {path, path};
}

Folder Expand(platform::ShellFolders& shell, const Macro& macro, std::string_view rest) {
    return {std::string(macro.text).append(rest),
            core::GetSpecialFolder(shell, macro.csidl).append(rest)};
}

Folder MacroFolder(platform::ShellFolders& shell, int index, std::string_view rest) {
    return Expand(shell, kFolderMacros[static_cast<std::size_t>(index) % kFolderMacros.size()],
                  rest);
}

Folder ExecutableMacroFolder(platform::ShellFolders& shell, int index) {
    const std::size_t choice = static_cast<std::size_t>(index) % (kFolderMacros.size() + 1);
    return Expand(shell, choice < kFolderMacros.size() ? kFolderMacros[choice] : kSystemMacro, "");
}

// Fixed width, so that no name is the start of another.
std::string Number(int value) {
    std::string text = std::to_string(value);
    return std::string(text.size() < 6 ? 6 - text.size() : 0, '0') + text;
}

std::string_view TypeText(int index) {
    return kTypes[static_cast<std::size_t>(index) % kTypes.size()];
}

std::string JoinPath(const std::string& folder, const std::string& name) {
    return folder.back() == '\\' ? folder + name : folder + "\\" + name;
}

void AddRegistryRecords(SyntheticSet& set, int count) {
    const std::string bench(kBenchRegistryKey);
    for (int i = 0; i < count; ++i) {
        std::string rootCode = "1";
        RegistryProbe probe;
        if (i % kPresentEvery == 0) {
            if ((i / kPresentEvery) % 2 == 0) {
                probe.keyPath = bench + "\\Present\\K" + Number(i);
                set.presentKeys.push_back(probe.keyPath);
            } else {
                // Several values share a key, like the entries of a Run key.
                probe.keyPath = bench + "\\Present\\V" + Number(i / 1000);
                probe.valueName = "Val" + Number(i);
                set.presentValues.push_back(
                    {probe.keyPath, probe.valueName, "C:\\Bench\\v" + Number(i) + ".exe"});
            }
        } else {
            switch (i % 8) {
                case 0:
                case 1:
                case 2:
                    probe.keyPath = bench + "\\Absent\\K" + Number(i);
                    break;
                case 3:
                    // A missing value of a key that exists.
                    probe.keyPath = bench + "\\Present\\V" + Number(i / 1000);
                    probe.valueName = "Miss" + Number(i);
                    break;
                case 4:
                    probe.keyPath = bench + "\\Absent\\V" + Number(i);
                    probe.valueName = "Val" + Number(i);
                    break;
                case 5:
                    rootCode = "2";
                    probe.root = platform::RegistryRoot::LocalMachine;
                    probe.keyPath = "Software\\BenchScanAbsent\\K" + Number(i);
                    break;
                case 6:
                    rootCode = "2";
                    probe.root = platform::RegistryRoot::LocalMachine;
                    probe.keyPath = "Software\\BenchScanAbsent\\Run" + Number(i % 50);
                    probe.valueName = "Val" + Number(i);
                    break;
                default:
                    rootCode = "0";
                    probe.root = platform::RegistryRoot::ClassesRoot;
                    probe.keyPath = "CLSID\\{B0000000-0000-4000-8000-" + Number(i) + "BE0C}";
                    break;
            }
        }
        set.registryLines.push_back(rootCode + "^" + probe.keyPath + "^" + probe.valueName +
                                    "=BenchRegistryThreat" + Number(i / 500) + "|" +
                                    std::string(TypeText(i)));
        set.registryProbes.push_back(std::move(probe));
    }
}

void AddFileRecords(SyntheticSet& set, int count, std::string_view traceRoot,
                    platform::ShellFolders& shell) {
    const std::string filesRoot = std::string(traceRoot) + "\\files\\d";
    for (int i = 0; i < count; ++i) {
        const Place place = PlaceOf(i);
        Folder folder;
        std::string name = (place == Place::Present ? "p" : "a") + Number(i) + ".dll";
        switch (place) {
            case Place::Present:
            case Place::SetFolder:
                folder = PlainFolder(filesRoot + Number((i / kPresentEvery) % kFileFolders));
                break;
            case Place::MacroFolder:
                folder = MacroFolder(shell, i / 5, "BenchScanMissing\\s" + Number(i % 37));
                name = "a" + Number(i) + ".exe";
                break;
            case Place::MissingFolder:
                folder = PlainFolder(std::string(traceRoot) + "\\missing\\v" + Number(i % 997));
                break;
        }
        const std::string path = JoinPath(folder.resolved, name);
        if (place == Place::Present) {
            set.presentFiles.push_back(path);
        }
        set.fileLines.push_back(name + "=BenchFileThreat" + Number(i / 500) + "|" + folder.written +
                                "|" + std::string(TypeText(i)));
        set.fileProbes.push_back(path);
    }
}

void AddFolderRecords(SyntheticSet& set, int count, std::string_view traceRoot,
                      platform::ShellFolders& shell) {
    const std::string foldersRoot = std::string(traceRoot) + "\\folders\\";
    for (int i = 0; i < count; ++i) {
        Folder folder;
        switch (PlaceOf(i)) {
            case Place::Present:
                folder = PlainFolder(foldersRoot + "p" + Number(i));
                set.presentFolders.push_back(folder.resolved);
                break;
            case Place::SetFolder:
                folder = PlainFolder(foldersRoot + "a" + Number(i));
                break;
            case Place::MacroFolder:
                folder = MacroFolder(shell, i / 5, "BenchScanMissing" + Number(i));
                break;
            case Place::MissingFolder:
                folder = PlainFolder(std::string(traceRoot) + "\\missing\\f" + Number(i));
                break;
        }
        set.folderLines.push_back("Folder " + Number(i) + "=BenchFolderThreat" + Number(i / 50) +
                                  "|" + folder.written + "|" + std::string(TypeText(i)));
        set.folderProbes.push_back(folder.resolved);
    }
}

void AddExecutableRecords(SyntheticSet& set, int count, std::string_view traceRoot,
                          platform::ShellFolders& shell) {
    for (int i = 0; i < count; ++i) {
        Folder folder;
        std::string name;
        if (i % kPresentEvery == 0) {
            folder = PlainFolder(std::string(traceRoot) + "\\exe");
            name = "x" + Number(i) + ".exe";
            set.presentExecutables.push_back(JoinPath(folder.resolved, name));
        } else {
            folder = ExecutableMacroFolder(shell, i);
            name = "bx" + Number(i) + ".exe";
        }
        set.executableLines.push_back(name + "=BenchProcessThreat" + Number(i / 100) + "|" +
                                      folder.written + "|Trojan");
    }
}

// A few entries of each list name present records; the rest name nothing
// that the set holds. The counts of findings follow from the hits.
void AddSafeAndExcludedEntries(SyntheticSet& set, const SetSizes& sizes) {
    const std::string root = "HKEY_CURRENT_USER\\";
    for (int i = 0; i < kSafeRegistryHits; ++i) {
        set.safetyLines.push_back("SREG|Bench=|1^" + set.presentKeys[i] + "^");
    }
    for (int i = 0; i < kSafeFileHits; ++i) {
        set.safetyLines.push_back("SFILE|bench.dll=|" + set.presentFiles[i]);
    }
    for (int i = 0; i < kSafeFolderHits; ++i) {
        set.safetyLines.push_back("SDIR|Bench=|" + set.presentFolders[i]);
    }
    for (int j = static_cast<int>(set.safetyLines.size()); j < sizes.safeEntries; ++j) {
        const std::string n = Number(j);
        switch (j % 5) {
            case 0:
                set.safetyLines.push_back("SFILE|safe" + n + ".dll=|[system]safe" + n + ".dll");
                break;
            case 1:
                set.safetyLines.push_back("SEXE|safe" + n + ".exe=|");
                break;
            case 2:
                set.safetyLines.push_back("SREG|Vendor=|2^Software\\SafeVendor" + n + "^");
                break;
            case 3:
                set.safetyLines.push_back("SDIR|Vendor=|[progfil]SafeVendor" + n);
                break;
            default:
                set.safetyLines.push_back("SDLL|safe" + n + ".dll=|[windir]safe" + n + ".dll");
                break;
        }
    }

    int excludedValues = 0;
    for (int i = 0; i < kExcludedRegistryKeys; ++i) {
        set.exclusionLines.push_back(root + set.presentKeys[kSafeRegistryHits + i]);
    }
    // Excluding a key excludes every value under it.
    const std::string& valueKey = set.presentValues.front().keyPath;
    set.exclusionLines.push_back(root + valueKey);
    for (const PresentValue& value : set.presentValues) {
        excludedValues += value.keyPath == valueKey ? 1 : 0;
    }
    for (int i = 0; i < kExcludedFiles; ++i) {
        set.exclusionLines.push_back(set.presentFiles[kSafeFileHits + i]);
    }
    for (int i = 0; i < kExcludedFolders; ++i) {
        set.exclusionLines.push_back(set.presentFolders[kSafeFolderHits + i]);
    }
    for (int j = static_cast<int>(set.exclusionLines.size()); j < sizes.exclusionEntries; ++j) {
        const std::string n = Number(j);
        switch (j % 3) {
            case 0:
                set.exclusionLines.push_back("BenchProgram" + n + ".exe");
                break;
            case 1:
                set.exclusionLines.push_back("HKEY_LOCAL_MACHINE\\Software\\SafeVendor" + n);
                break;
            default:
                set.exclusionLines.push_back("C:\\Program Files\\SafeVendor" + n + "\\tool.exe");
                break;
        }
    }

    ExpectedFindings& expected = set.expected;
    const auto presentRegistry =
        static_cast<int>(set.presentKeys.size() + set.presentValues.size());
    expected.registryExcluded = kExcludedRegistryKeys + excludedValues;
    expected.registryTraces = presentRegistry - kSafeRegistryHits - expected.registryExcluded;
    expected.fileExcluded = kExcludedFiles;
    expected.fileTraces =
        static_cast<int>(set.presentFiles.size()) - kSafeFileHits - kExcludedFiles;
    expected.folderExcluded = kExcludedFolders;
    expected.folderTraces =
        static_cast<int>(set.presentFolders.size()) - kSafeFolderHits - kExcludedFolders;
}

std::string CodedText(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) {
        text.append(definitions::EncodeDefinitionLine(line)).append("\r\n");
    }
    return text;
}

std::string PlainText(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) {
        text.append(line).append("\r\n");
    }
    return text;
}

std::string FolderOf(const std::string& path) {
    return path.substr(0, path.rfind('\\'));
}

// A small file that looks like a program without a version resource.
bool WriteTraceFile(platform::FileSystem& fs, const std::string& path) {
    return MakeDirectories(fs, FolderOf(path)) &&
           fs.WriteWholeFile(path, "MZ" + std::string(62, '\0') + "bench trace " + path);
}

}  // namespace

SyntheticSet MakeSyntheticSet(const SetSizes& sizes, std::string_view traceRoot,
                              platform::ShellFolders& shell) {
    SyntheticSet set;
    AddRegistryRecords(set, sizes.registryRecords);
    AddFileRecords(set, sizes.fileRecords, traceRoot, shell);
    AddFolderRecords(set, sizes.folderRecords, traceRoot, shell);
    AddExecutableRecords(set, sizes.executableRecords, traceRoot, shell);
    for (int i = 0; i < 10; ++i) {
        set.cookieLines.push_back("ads" + Number(i) + ".bench.example|track" + Number(i) +
                                  ".bench.example");
    }
    AddSafeAndExcludedEntries(set, sizes);
    return set;
}

bool WriteDataFiles(platform::FileSystem& fs, std::string_view dataFolder,
                    const SyntheticSet& set) {
    using definitions::DataFile;
    return fs.WriteWholeFile(DataFile(dataFolder, definitions::kRegistryDefinitions),
                             CodedText(set.registryLines)) &&
           fs.WriteWholeFile(DataFile(dataFolder, definitions::kFileDefinitions),
                             CodedText(set.fileLines)) &&
           fs.WriteWholeFile(DataFile(dataFolder, definitions::kDirectoryDefinitions),
                             CodedText(set.folderLines)) &&
           fs.WriteWholeFile(DataFile(dataFolder, definitions::kExeDefinitions),
                             CodedText(set.executableLines)) &&
           fs.WriteWholeFile(DataFile(dataFolder, definitions::kBlockedCookies),
                             CodedText(set.cookieLines)) &&
           fs.WriteWholeFile(DataFile(dataFolder, definitions::kSafetyList),
                             CodedText(set.safetyLines)) &&
           fs.WriteWholeFile(DataFile(dataFolder, definitions::kExclusions),
                             PlainText(set.exclusionLines));
}

bool CreateTraces(platform::Platform& ports, const SyntheticSet& set) {
    constexpr auto kUser = platform::RegistryRoot::CurrentUser;
    for (const std::string& key : set.presentKeys) {
        if (ports.registry.CreateKey(kUser, key, platform::reg_access::kAllAccess).status !=
            platform::reg_status::kOk) {
            return false;
        }
    }
    for (const PresentValue& value : set.presentValues) {
        platform::RegistryOpenResult opened =
            ports.registry.CreateKey(kUser, value.keyPath, platform::reg_access::kAllAccess);
        if (opened.status != platform::reg_status::kOk ||
            opened.key->SetValue(value.name, platform::StringValue(value.text)) !=
                platform::reg_status::kOk) {
            return false;
        }
    }
    for (const std::string& path : set.presentFiles) {
        if (!WriteTraceFile(ports.fileSystem, path)) {
            return false;
        }
    }
    for (const std::string& path : set.presentExecutables) {
        if (!WriteTraceFile(ports.fileSystem, path)) {
            return false;
        }
    }
    for (const std::string& path : set.presentFolders) {
        if (!MakeDirectories(ports.fileSystem, path)) {
            return false;
        }
    }
    return true;
}

bool MakeDirectories(platform::FileSystem& fs, std::string_view path) {
    if (fs.DirectoryExists(path)) {
        return true;
    }
    const std::size_t slash = path.rfind('\\');
    // "C:\" is the last parent: a drive's root is never made.
    if (slash != std::string_view::npos && slash > 2 &&
        !MakeDirectories(fs, path.substr(0, slash))) {
        return false;
    }
    return fs.MakeDirectory(path);
}

}  // namespace bench
