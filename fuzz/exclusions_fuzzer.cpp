// The user's exclusion file "ENoSignature.dat", which the user may edit in
// Notepad: loaded, asked, and then added to as the Exclude button adds.

#include <string>
#include <vector>

#include "base/text.h"
#include "core/definition_files.h"
#include "core/exclusions.h"
#include "fakes/fake_file_system.h"
#include "fakes/fake_ports.h"
#include "fakes/virtual_event_loop.h"
#include "fuzz_target.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string dataFolder = "C:\\Data";
    fakes::FakeFileSystem fs;
    fakes::VirtualEventLoop loop;
    // Where the program's code page is UTF-8, each line the file holds in
    // Windows-1252 is converted on reading.
    fakes::Windows1252Codec codec;
    codec.utf8Program = true;
    fs.AddFile(definitions::DataFile(dataFolder, definitions::kExclusions),
               std::string(fuzz::AsText(data, size)));
    removal::ExclusionList list;
    list.LoadExclusions(fs, codec, loop, dataFolder);
    for (const std::string& entry : base::Split(list.Text(), "|")) {
        if (!entry.empty()) {
            fuzz::Require(list.IsExcluded(entry), "every entry of the list is excluded");
            fuzz::Require(list.IsFolderExcluded(entry), "every entry excludes its folder");
        }
    }
    (void)list.IsExcluded("EVIL.EXE");
    (void)list.IsFolderExcluded("C:\\Program Files\\Evil");

    // An addition keeps what the file held and is excluded at once.
    const std::string before = list.Text();
    list.AddExclusion(fs, codec, loop, dataFolder, "C:\\Program Files\\Evil\\evil.exe");
    fuzz::Require(list.IsExcluded("C:\\Program Files\\Evil\\evil.exe"),
                  "an added entry is excluded");
    fuzz::Require(list.Text().starts_with(before), "an addition keeps the entries before it");
    return 0;
}
