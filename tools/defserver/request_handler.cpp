#include "request_handler.h"

#include <filesystem>
#include <fstream>
#include <iterator>

#include "core/text.h"
#include "definition_changes.h"
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
    std::string text;
    std::size_t count = 0;
    const std::lock_guard lock(m_logMutex);
    const Checked<Done> read = m_log.ForEachAfter(*after, [&](const LoggedChange& change) {
        AppendUpdateRecord(text, change.kind, change.operation, change.body);
        ++count;
    });
    if (!read) {
        return Failed(500, read.Error());
    }
    return Text(std::move(text),
                "changes after " + IsoDateText(*after) + ": " + std::to_string(count));
}

HttpAnswer RequestHandler::LanguagePack() const {
    if (!m_settings.localizationFile) {
        return Failed(404, "no localisation file configured");
    }
    // Read afresh each time, so that a new file needs no restart.
    std::error_code error;
    std::ifstream file;
    if (std::filesystem::is_regular_file(*m_settings.localizationFile, error)) {
        file.open(*m_settings.localizationFile, std::ios::binary);
    }
    if (!file.is_open()) {
        return Failed(404, "cannot read " + *m_settings.localizationFile);
    }
    std::string content((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    HttpAnswer answer = Text(std::move(content));
    answer.contentType = "text/plain; charset=utf-8";
    return answer;
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
