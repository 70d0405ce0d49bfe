#include "i18n/language_window.h"

#include "core/application.h"
#include "i18n/localization_file.h"

namespace i18n {

void FillLanguageList(core::Application& app) {
    ui::ComboBox& list = *app.frmLanguage.Combo1;
    list.Clear();
    clsLanguages& catalogue = *app.Catalogue;
    const std::string path =
        app.ports.programFile.Folder() + "\\" + std::string(kLocalizationFileName);
    if (!catalogue.LangFileExists(path)) {
        return;
    }
    // The names are read the way the catalogue reads them, so that a name
    // outside ASCII lists as it matches.
    const std::optional<std::string> bytes = app.ports.fileSystem.ReadWholeFile(path);
    if (!bytes) {
        return;
    }
    const std::string file = app.ports.textCodec.Utf8ToAnsi(*bytes);
    for (const LanguageGroup& group : ReadLanguageGroups(file)) {
        list.AddItem(group.name);
        list.SetText(app.ReadUserSetting("Settings", "Language", "English"));
    }
}

void AttachLanguageWindow(core::Application& app) {
    ui::FrmLanguage& window = app.frmLanguage;
    window.onLoad = [&app] {
        ui::FrmLanguage& w = app.frmLanguage;
        clsLanguages& catalogue = *app.Catalogue;
        catalogue.ChangeLanguage(w, catalogue.CurrentLanguage());
        w.SetCaption(catalogue.getMessages("MSG_TITLELANGUAGE"));
        catalogue.ChangeLanguage(w, catalogue.CurrentLanguage());
        FillLanguageList(app);
    };
    window.Combo1->onClick = [&app] {
        ui::FrmLanguage& w = app.frmLanguage;
        const std::string language = w.Combo1->Text();
        if (language == ui::FrmLanguage::kChooseLanguage) {
            return;
        }
        app.WriteUserSetting("Settings", "Language", language);
        app.Catalogue->ChangeLanguage(app.frmMain, language);
        app.Catalogue->ChangeLanguage(w, language);
    };
    window.Command2->onClick = [&app] {
        app.frmLanguage.Unload();
    };
}

}  // namespace i18n
