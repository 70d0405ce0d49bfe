// The localisation file "Localization.txt": a window translated into the
// first language the file names, then into the fallback language, and the
// catalogue's messages read back.

#include <string>

#include "core/branding.h"
#include "fakes/fake_file_system.h"
#include "fakes/fake_ports.h"
#include "fakes/virtual_event_loop.h"
#include "fuzz_target.h"
#include "i18n/languages.h"
#include "i18n/localization_file.h"
#include "ui/form.h"
#include "ui/list_view.h"
#include "ui/menu.h"
#include "ui/tab_strip.h"

namespace {

// A window with one control of every kind that is translated.
void AddControls(ui::Form& form) {
    form.AddButton("cmdScan", "Scan Now", {});
    form.AddLabel("lblStatus", "Status", {});
    form.AddSkinLabel("lblTitle", "Title", {});
    form.AddFrame("frmOptions", "Options", {});
    form.AddCheckBox("chkMakeLog", "Save scan results to log", {});
    form.AddOptionButton("optMode", "Quick", {}, nullptr, 0);
    form.AddOptionButton("optMode", "Complete", {}, nullptr, 1);
    ui::TabStrip& tabs = form.AddTabStrip("TabStrip1", {});
    tabs.AddTab("One");
    tabs.AddTab("Two");
    ui::ListView& list = form.AddListView("lvwFound", {});
    list.AddColumn("Name", 10);
    list.AddColumn("Location", 10);
    ui::Menu& file = form.AddMenu("mnuFile", "File");
    form.AddMenu("mnuFileItem", "Scan Now", &file, 0);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string folder = "C:\\Program Files\\Keelwatch";
    fakes::FakeFileSystem fs;
    fakes::Windows1252Codec codec;
    fakes::VirtualEventLoop loop;
    fs.AddFile(folder + "\\" + std::string(i18n::kLocalizationFileName),
               std::string(fuzz::AsText(data, size)));
    const core::Branding branding{"Keelwatch", "Keelwatch Software", "www.keelwatch.example"};
    i18n::clsLanguages catalogue(fs, codec, folder, branding);
    i18n::LoadBuiltInMessages(catalogue);
    ui::FormContext context(loop);
    ui::Form form(context, "FrmMain");
    AddControls(form);

    const std::vector<i18n::LanguageGroup> groups =
        i18n::ReadLanguageGroups(codec.Utf8ToAnsi(fuzz::AsText(data, size)));
    const std::string chosen = groups.empty() ? "Deutsch" : groups.front().name;
    catalogue.ChangeLanguage(form, chosen);
    catalogue.ChangeLanguage(form, i18n::kFallbackLanguage);
    for (const i18n::MessageSlot& slot : catalogue.MessageSlots()) {
        if (slot.used) {
            (void)catalogue.getMessages(slot.name);
        }
    }
    return 0;
}
