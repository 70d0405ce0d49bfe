// The safe list "Safety.dat", loaded as a scan loads it and asked as the
// registry and file scans ask it. The input is the file's plain text.

#include <string>

#include "core/definition_files.h"
#include "definitions/safe_list_file.h"
#include "fakes/fake_file_system.h"
#include "fakes/fake_ports.h"
#include "fakes/fake_shell_folders.h"
#include "fuzz_target.h"
#include "stored_text.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string dataFolder = "C:\\Data";
    fakes::FakeFileSystem fs;
    fakes::FakeShellFolders shell;
    fakes::Windows1252Codec codec;
    codec.utf8Program = true;
    fs.AddFile(definitions::DataFile(dataFolder, definitions::kSafetyList),
               fuzz::StoredDefinitionFile(fuzz::AsText(data, size)));
    definitions::SafeList list;
    const bool stopRequested = false;
    definitions::LoadSafeList(list, fs, shell, codec, dataFolder, "C:\\", stopRequested);
    for (const std::string& location : list.Locations()) {
        fuzz::Require(list.IsSafeListed(location), "every location of the list is safe");
    }
    (void)list.IsSafeListed("HKEY_LOCAL_MACHINE\\Software\\Acme\\Run");
    (void)list.IsSafeListed("C:\\Windows\\System32\\evil.dll");
    fuzz::Require(list.IsSafeListed(" "), "a blank location is safe");
    return 0;
}
