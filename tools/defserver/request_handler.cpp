#include "request_handler.h"

#include <filesystem>
#include <fstream>
#include <iterator>

#include "core/text.h"
#include "definition_changes.h"
#include "i18n/language_download.h"
#include "submitted_names.h"

namespace defserver {

namespace {

HttpAnswer Failed(int status, std::string note) {
    HttpAnswer answer;
    answer.status = status;
    answer.note = std::move(note);
    return answer;
}

HttpAnswer Text(std::string body, std::string note = {}) {
    HttpAnswer answer;
    answer.body = std::move(body);
    answer.note = std::move(note);
    return answer;
}

Checked<std::string> ReadWholeFile(const std::string& path) {
    std::error_code error;
    std::ifstream file;
    if (std::filesystem::is_regular_file(path, error)) {
        file.open(path, std::ios::binary);
    }
    if (!file.is_open()) {
        return Checked<std::string>::Failure("cannot read " + path);
    }
    return std::string((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
}

// Whether an If-None-Match list names the tag (compared weakly, as that
// header is).
bool ListNamesTag(std::string_view list, std::string_view tag) {
    for (const std::string& item : core::Split(list, ",")) {
        std::string_view candidate = core::TrimView(item);
        if (candidate == "*") {
            return true;
        }
        if (candidate.substr(0, 2) == "W/") {
            candidate.remove_prefix(2);
        }
        if (candidate == tag) {
            return true;
        }
    }
    return false;
}

}  // namespace

HttpAnswer RequestHandler::Handle(const HttpRequest& request, UnixSeconds now) {
    const std::string& path = request.path;
    if (core::EqualsIgnoreCase(path, "/asp/currentDateNEW.asp") ||
        core::EqualsIgnoreCase(path, "/asp/date.asp")) {
        return NewestDate();
    }
    if (core::EqualsIgnoreCase(path, "/asp/getDefsNEW.asp")) {
        return ChangesAfter(request);
    }
    if (core::EqualsIgnoreCase(path, kLanguagePackPath)) {
        return LanguagePack();
    }
    if (core::EqualsIgnoreCase(path, kLanguageSignaturePath)) {
        return LanguageSignature();
    }
    if (core::EqualsIgnoreCase(path, "/asp/getData.asp")) {
        return Submission(request, now);
    }
    return Failed(404, "no such page");
}

HttpAnswer RequestHandler::NewestDate() {
    const std::lock_guard lock(m_logMutex);
    const Checked<std::optional<UnixSeconds>> newest = m_log.NewestTime();
    if (!newest) {
        return Failed(500, newest.Error());
    }
    return Text(DateAnswerText(newest->value_or(kEarlyDate)));
}

HttpAnswer RequestHandler::ChangesAfter(const HttpRequest& request) {
    const std::optional<std::string> dateText = QueryValue(request.query, "date");
    if (!dateText) {
        return Failed(400, "no date");
    }
    const std::optional<UnixSeconds> after = ReadDateText(*dateText);
    if (!after) {
        return Failed(400, "not a date: " + *dateText);
    }
    const std::lock_guard lock(m_logMutex);
    if (request.ifNoneMatch) {
        // A cache asks whether what it holds is still the answer: it is while
        // nothing newer was published, and then the body need not be made.
        const Checked<std::int64_t> newestId = m_log.NewestIdAfter(*after);
        if (!newestId) {
            return Failed(500, newestId.Error());
        }
        if (ListNamesTag(*request.ifNoneMatch, EntityTag(*newestId))) {
            HttpAnswer unchanged;
            unchanged.status = 304;
            unchanged.etag = EntityTag(*newestId);
            unchanged.cacheControl = "public, max-age=" + std::to_string(kChangesCacheSeconds);
            unchanged.note = "unchanged after " + IsoDateText(*after);
            return unchanged;
        }
    }
    std::string text;
    std::size_t count = 0;
    std::int64_t newestId = 0;
    UnixSeconds newest = *after;
    const Checked<Done> read = m_log.ForEachAfter(*after, [&](const LoggedChange& change) {
        AppendUpdateRecord(text, change.kind, change.operation, change.body);
        newestId = change.id;
        newest = change.time;
        ++count;
    });
    if (!read) {
        return Failed(500, read.Error());
    }
    if (m_settings.signingKey) {
        const std::string signature =
            m_settings.signingKey->Sign(ChangesMessage(*after, newest, text));
        if (signature.empty()) {
            return Failed(500, "the answer could not be signed");
        }
        text += "[BR]" + SignatureRecord(newest, signature);
    }
    HttpAnswer answer = Text(std::move(text),
                             "changes after " + IsoDateText(*after) + ": " + std::to_string(count));
    answer.etag = EntityTag(newestId);
    answer.cacheControl = "public, max-age=" + std::to_string(kChangesCacheSeconds);
    return answer;
}

// The newest change names the answer for a date, since each new change is
// dated after all before it. The key's mark keeps answers signed with
// another key (or none) from passing for this one's.
std::string RequestHandler::EntityTag(std::int64_t newestId) const {
    std::string tag = "\"" + std::to_string(newestId);
    if (m_settings.signingKey) {
        tag += "-" + m_settings.signingKey->PublicKeyHex().substr(0, 8);
    }
    return tag + "\"";
}

HttpAnswer RequestHandler::LanguagePack() const {
    if (!m_settings.localizationFile) {
        return Failed(404, "no localisation file configured");
    }
    // Read afresh each time, so that a new file needs no restart.
    Checked<std::string> content = ReadWholeFile(*m_settings.localizationFile);
    if (!content) {
        return Failed(404, content.Error());
    }
    HttpAnswer answer = Text(std::move(*content));
    answer.contentType = "text/plain; charset=utf-8";
    return answer;
}

HttpAnswer RequestHandler::LanguageSignature() const {
    if (!m_settings.localizationFile || !m_settings.signingKey) {
        return Failed(404, "no signed localisation file configured");
    }
    const Checked<std::string> content = ReadWholeFile(*m_settings.localizationFile);
    if (!content) {
        return Failed(404, content.Error());
    }
    // The signature vouches for the file's version too, by which a program
    // tells an old file served again from a newer one: a file without one
    // is not signed, as every program would refuse it as the oldest.
    if (i18n::LocalizationFileVersion(*content).empty()) {
        return Failed(404, "the localisation file names no version");
    }
    std::string signature =
        m_settings.signingKey->Sign(LanguageMessage(kLanguagePackPath, *content));
    if (signature.empty()) {
        return Failed(500, "the language pack could not be signed");
    }
    return Text(std::move(signature));
}

HttpAnswer RequestHandler::Submission(const HttpRequest& request, UnixSeconds now) {
    SubmittedData submitted{now,
                            request.remoteAddress,
                            request.query,
                            TrailingQueryValue(request.query, "data").value_or(""),
                            {}};
    for (const std::string& name : SubmittedNames(submitted.data)) {
        submitted.names += (submitted.names.empty() ? "" : "|") + name;
    }
    if (submitted.names.empty()) {
        return Text("Skipped", "nothing submitted");
    }
    const std::lock_guard lock(m_logMutex);
    const Checked<ChangeLog::Submission> stored = m_log.AddSubmission(submitted, kDuplicateWindow);
    if (!stored) {
        return Failed(500, stored.Error());
    }
    if (*stored == ChangeLog::Submission::Duplicate) {
        return Text("Skipped", "duplicate");
    }
    return Text("Added");
}

}  // namespace defserver
