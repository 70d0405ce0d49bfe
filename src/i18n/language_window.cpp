#include "i18n/language_window.h"

#include "core/application.h"
#include "i18n/language_download.h"
#include "i18n/languages.h"
#include "i18n/localization_file.h"

namespace i18n {

void FillLanguageList(core::Application& app) {
    ui::ComboBox& list = *app.frmLanguage.Combo1;
    list.Clear();
    core::MessageCatalogue& catalogue = *app.Catalogue;
    const std::string path = catalogue.LocalizationFilePath();
    if (!catalogue.LangFileExists(path)) {
        return;
    }
    // The names are read the way the catalogue reads them, so that a name
    // outside ASCII is listed, stored and matched alike.
    const std::optional<std::string> file =
        ReadLocalizationText(app.ports.fileSystem, app.ports.textCodec, path);
    if (!file) {
        return;
    }
    for (const LanguageGroup& group : ReadLanguageGroups(*file)) {
        list.AddItem(group.name);
        list.SetText(app.ReadUserSetting("Settings", "Language", "English"));
    }
}

void AttachLanguageWindow(core::Application& app) {
    ui::FrmLanguage& window = app.frmLanguage;
    window.onLoad = [&app] {
        ui::FrmLanguage& w = app.frmLanguage;
        core::MessageCatalogue& catalogue = *app.Catalogue;
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
    window.Command1->onClick = [&app] {
        DownloadLanguageFile(app);
    };
    window.Command2->onClick = [&app] {
        app.frmLanguage.Unload();
    };
    window.Command3->onClick = [&app] {
        // The file in use, so that what the translator changes is what the
        // program reads.
        const std::string path = app.Catalogue->LocalizationFilePath();
        if (app.Catalogue->LangFileExists(path)) {
            [[maybe_unused]] const bool opened =
                app.ports.shell.Execute("open", path, "", "", platform::WindowShow::Normal);
        }
    };
    app.frmMain.mnuLanguageItem->onClick = [&app] {
        app.frmLanguage.Show();
    };
}

}  // namespace i18n
