#include "i18n/language_download.h"

#include "core/application.h"
#include "core/file_replace.h"
#include "core/text.h"
#include "i18n/language_window.h"
#include "i18n/languages.h"
#include "update/http_transfer.h"
#include "update/server_address.h"

namespace i18n {

namespace {

// Written beside the file and moved over it, so that a failure at any moment
// leaves the old translations in place.
constexpr std::string_view kScratchName = "Localization.new";

std::string LanguageFileUrl(const core::Application& app) {
    return update::LanguageServer(app) + "/Languages/" + std::to_string(app.branding.LanguagePack) +
           "/" + std::string(kLocalizationFileName);
}

}  // namespace

std::optional<std::string> LocalizationFileFromAnswer(std::string_view answer) {
    if (!core::ContainsIgnoreCase(answer, "<TRANSLATION_ITEMS>")) {
        return std::nullopt;
    }
    // A byte order mark or blank lines before the first tag are dropped.
    std::string file(answer.substr(answer.find('<')));
    file += "\r\n";
    return file;
}

void DownloadLanguageFile(core::Application& app) {
    // 1.
    const std::string answer = update::DownloadText(app.ports, LanguageFileUrl(app));
    // 2. / 3.
    const std::optional<std::string> file = LocalizationFileFromAnswer(answer);
    if (!file) {
        return;
    }
    const std::string folder = app.ports.programFile.Folder();
    const std::string path = folder + "\\" + std::string(kLocalizationFileName);
    if (!core::ReplaceFileContent(app.ports.fileSystem, path, *file,
                                  folder + "\\" + std::string(kScratchName))) {
        // The program's folder may not be writable (a protected install):
        // the old file stays, and the user is told instead of thanked.
        app.ports.dialogs.ShowMessage(app.Message("MSG_LANGUAGE_NOT_SAVED"),
                                      app.branding.ProgramName, platform::MessageButtons::Ok,
                                      platform::MessageIcon::Exclamation);
        return;
    }
    FillLanguageList(app);
    app.ports.dialogs.ShowMessage(app.Message("MSG_DOWNLOADED"), app.branding.ProgramName,
                                  platform::MessageButtons::Ok, platform::MessageIcon::None);
}

}  // namespace i18n
