#include "i18n/language_download.h"

#include "base/text.h"
#include "core/application.h"
#include "core/file_replace.h"
#include "i18n/language_window.h"
#include "i18n/languages.h"
#include "update/http_transfer.h"
#include "update/server_address.h"
#include "update/signed_answer.h"

namespace i18n {

namespace {

// Written beside the file and moved over it, so that a failure at any moment
// leaves the old translations in place.
constexpr std::string_view kScratchName = "Localization.new";

// The file's path on the language server.
std::string LanguageFilePath(const core::Application& app) {
    return "/Languages/" + std::to_string(app.branding.LanguagePack) + "/" +
           std::string(kLocalizationFileName);
}

std::string LanguageFileUrl(const core::Application& app) {
    return update::LanguageServer(app) + LanguageFilePath(app);
}

// Whether the publisher signed the file as it arrived. Its signature is
// served beside it; one that is missing, cut short or wrong fails.
bool IsSignedLanguageFile(core::Application& app, const platform::P256PublicKey& key,
                          std::string_view file) {
    const update::Transfer answer =
        update::TransferText(app.ports, LanguageFileUrl(app) + ".sig", nullptr);
    std::string_view hex = answer.text;
    while (!hex.empty() && (hex.back() == '\r' || hex.back() == '\n')) {
        hex.remove_suffix(1);
    }
    const std::optional<platform::P256Signature> signature = update::BytesOfHex(hex);
    return answer.end == update::TransferEnd::Whole && signature &&
           app.ports.signatureVerifier.VerifyP256(
               key, update::LanguageFileMessage(LanguageFilePath(app), file), *signature);
}

void ShowFailure(core::Application& app, std::string_view messageKey) {
    app.ports.dialogs.ShowMessage(app.Message(messageKey), app.branding.ProgramName,
                                  platform::MessageButtons::Ok, platform::MessageIcon::Exclamation);
}

}  // namespace

std::vector<std::uint32_t> LocalizationFileVersion(std::string_view file) {
    constexpr std::string_view kOpen = "<LOCALIZATION_FILE_VERSION>";
    constexpr std::string_view kClose = "</LOCALIZATION_FILE_VERSION>";
    // No more numbers than a version needs, nor digits than one holds.
    constexpr std::size_t kMostParts = 8;
    constexpr std::size_t kMostDigits = 9;
    const std::size_t open = base::FindIgnoreCase(file, kOpen);
    if (open == std::string_view::npos) {
        return {};
    }
    const std::size_t start = open + kOpen.size();
    const std::size_t close = base::FindIgnoreCase(file, kClose, start);
    if (close == std::string_view::npos) {
        return {};
    }
    std::string_view text = file.substr(start, close - start);
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) {
        text.remove_prefix(1);
    }
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) {
        text.remove_suffix(1);
    }
    std::vector<std::uint32_t> version;
    for (;;) {
        const std::size_t dot = text.find('.');
        const std::string_view part = text.substr(0, dot);
        if (part.empty() || part.size() > kMostDigits || version.size() == kMostParts ||
            part.find_first_not_of("0123456789") != std::string_view::npos) {
            return {};
        }
        std::uint32_t number = 0;
        for (const char digit : part) {
            number = number * 10 + static_cast<std::uint32_t>(digit - '0');
        }
        version.push_back(number);
        if (dot == std::string_view::npos) {
            break;
        }
        text.remove_prefix(dot + 1);
    }
    while (!version.empty() && version.back() == 0) {
        version.pop_back();
    }
    return version;
}

bool IsOlderLocalizationFile(std::string_view file, std::string_view reference) {
    return LocalizationFileVersion(file) < LocalizationFileVersion(reference);
}

bool IsCompleteLocalizationFile(std::string_view answer) {
    constexpr std::string_view kGroupOpen = "<LANGUAGE_GROUP";
    constexpr std::string_view kGroupClose = "</LANGUAGE_GROUP>";
    constexpr std::string_view kFileClose = "</XML_DIZ_INFO>";
    constexpr std::size_t npos = std::string_view::npos;
    std::size_t open = base::FindIgnoreCase(answer, kGroupOpen);
    if (open == npos) {
        return false;
    }
    std::size_t end = 0;
    while (open != npos) {
        const std::size_t close = base::FindIgnoreCase(answer, kGroupClose, open);
        const std::size_t nextOpen = base::FindIgnoreCase(answer, kGroupOpen, open + 1);
        if (close == npos || (nextOpen != npos && nextOpen < close)) {
            return false;
        }
        end = close + kGroupClose.size();
        open = nextOpen;
    }
    // A text cut just after a group would lose the languages after it: the
    // file's own closing element must follow the last group.
    return base::FindIgnoreCase(answer, kFileClose, end) != npos;
}

std::optional<std::string> LocalizationFileFromAnswer(std::string_view answer) {
    if (!base::ContainsIgnoreCase(answer, "<TRANSLATION_ITEMS>")) {
        return std::nullopt;
    }
    // A byte order mark or blank lines before the first tag are dropped.
    std::string file(answer.substr(answer.find('<')));
    file += "\r\n";
    return file;
}

void DownloadLanguageFile(core::Application& app) {
    // 1.
    const update::Transfer answer = update::TransferText(app.ports, LanguageFileUrl(app), nullptr);
    // 2. / 3.
    const std::optional<std::string> file = LocalizationFileFromAnswer(answer.text);
    const bool incomplete = answer.end == update::TransferEnd::CutShort ||
                            (file && !IsCompleteLocalizationFile(answer.text));
    if (incomplete) {
        // Part of a file would drop languages and texts: the old file stays.
        ShowFailure(app, "MSG_LANGUAGE_INCOMPLETE");
        return;
    }
    if (!file) {
        return;
    }
    if (app.PublisherKey && !IsSignedLanguageFile(app, *app.PublisherKey, answer.text)) {
        // Texts the publisher did not sign could tell the user anything.
        ShowFailure(app, "MSG_LANGUAGE_NOT_VERIFIED");
        return;
    }
    // A file the publisher once signed stays signed: one older than the
    // shipped file would take its place with older texts.
    if (const std::optional<std::string> shipped =
            app.ports.fileSystem.ReadWholeFile(LocalizationFileIn(app.ports.programFile.Folder()));
        shipped && IsOlderLocalizationFile(*file, *shipped)) {
        ShowFailure(app, "MSG_LANGUAGE_OLDER");
        return;
    }
    // Kept in the data folder, which every user may write, and read there in
    // preference to the shipped file: a standard user cannot write the
    // program's folder, and the shipped file stays as the setup put it.
    const std::string& folder = app.DataFolder;
    if (!core::ReplaceFileContent(app.ports.fileSystem, LocalizationFileIn(folder), *file,
                                  folder + "\\" + std::string(kScratchName))) {
        // The old file stays, and the user is told instead of thanked.
        ShowFailure(app, "MSG_LANGUAGE_NOT_SAVED");
        return;
    }
    FillLanguageList(app);
    app.ports.dialogs.ShowMessage(app.Message("MSG_DOWNLOADED"), app.branding.ProgramName,
                                  platform::MessageButtons::Ok, platform::MessageIcon::None);
}

}  // namespace i18n
