#include "request_handler.h"

#include <filesystem>
#include <fstream>
#include <iterator>

#include "base/text.h"
#include "definition_changes.h"
#include "i18n/language_download.h"
#include "submitted_names.h"

namespace defserver {

namespace {

// Reading connections kept open between answers, at most.
constexpr std::size_t kIdleReaders = 8;

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
    for (const std::string& item : base::Split(list, ",")) {
        std::string_view candidate = base::TrimView(item);
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

// Bytes that may not stand in a Location header as they are.
std::string EscapedForLocation(std::string_view text) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string escaped;
    for (const char c : text) {
        const auto b = static_cast<unsigned char>(c);
        if (b <= 0x20 || b >= 0x7F) {
            escaped += '%';
            escaped.push_back(kHex[b >> 4]);
            escaped.push_back(kHex[b & 0xF]);
        } else {
            escaped.push_back(c);
        }
    }
    return escaped;
}

// A cache keys on the date parameter as sent, so a date written in another
// form than the program's (another letter case, "+" for a space, escaped
// digits, another date form) is sent to the program's form rather than
// answered: each date then has one copy in the cache. The rest of the query
// stays as it was. nullopt when the request is in that form already.
std::optional<HttpAnswer> ToProgramsForm(const HttpRequest& request, UnixSeconds after) {
    const std::optional<std::string_view> sent = RawQueryValue(request.query, "date");
    const std::string programs = ProgramDateText(after);
    const std::string encoded = base::ReplaceAll(programs, " ", "%20");
    if (!sent || *sent == encoded || *sent == programs) {
        return std::nullopt;
    }
    const auto at = static_cast<std::size_t>(sent->data() - request.query.data());
    HttpAnswer elsewhere;
    elsewhere.status = 302;
    elsewhere.location =
        "/asp/getDefsNEW.asp?" + EscapedForLocation(std::string_view(request.query).substr(0, at)) +
        encoded + EscapedForLocation(std::string_view(request.query).substr(at + sent->size()));
    elsewhere.note = "the date in the program's form: " + programs;
    return elsewhere;
}

}  // namespace

HttpAnswer RequestHandler::Handle(const HttpRequest& request, UnixSeconds now) {
    const std::string& path = request.path;
    if (base::EqualsIgnoreCase(path, "/asp/currentDateNEW.asp") ||
        base::EqualsIgnoreCase(path, "/asp/date.asp")) {
        return NewestDate();
    }
    if (base::EqualsIgnoreCase(path, "/asp/getDefsNEW.asp")) {
        return ChangesAfter(request);
    }
    if (base::EqualsIgnoreCase(path, kLanguagePackPath)) {
        return LanguagePack();
    }
    if (base::EqualsIgnoreCase(path, kLanguageSignaturePath)) {
        return LanguageSignature();
    }
    if (base::EqualsIgnoreCase(path, "/asp/getData.asp")) {
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
    if (m_settings.canonicalDates) {
        if (std::optional<HttpAnswer> elsewhere = ToProgramsForm(request, *after)) {
            return *elsewhere;
        }
    }
    // Neither the reading nor the signing holds up the other requests:
    // the rows come through a connection of this answer's own where the
    // database allows one, and the signature is made after.
    ReadChanges read;
    if (std::optional<ChangeLog> reader = TakeReader()) {
        read = Read(*reader, *after, request.ifNoneMatch);
        GiveBack(std::move(*reader));
    } else {
        const std::lock_guard lock(m_logMutex);
        read = Read(m_log, *after, request.ifNoneMatch);
    }
    if (read.answered) {
        return std::move(*read.answered);
    }
    if (m_settings.signingKey) {
        const std::string signature =
            m_settings.signingKey->Sign(ChangesMessage(*after, read.newest, read.text));
        if (signature.empty()) {
            return Failed(500, "the answer could not be signed");
        }
        read.text += "[BR]" + SignatureRecord(read.newest, signature);
    }
    HttpAnswer answer = Text(std::move(read.text), "changes after " + IsoDateText(*after) + ": " +
                                                       std::to_string(read.count));
    answer.etag = EntityTag(read.newestChange);
    answer.cacheControl = "public, max-age=" + std::to_string(kChangesCacheSeconds);
    return answer;
}

RequestHandler::ReadChanges RequestHandler::Read(
    ChangeLog& log, UnixSeconds after, const std::optional<std::string>& ifNoneMatch) const {
    ReadChanges read;
    if (ifNoneMatch) {
        // A cache asks whether what it holds is still the answer: it is while
        // nothing newer was published, and then the body need not be made.
        const Checked<ChangeMark> newestChange = log.NewestChangeAfter(after);
        if (!newestChange) {
            read.answered = Failed(500, newestChange.Error());
            return read;
        }
        if (ListNamesTag(*ifNoneMatch, EntityTag(*newestChange))) {
            HttpAnswer unchanged;
            unchanged.status = 304;
            unchanged.etag = EntityTag(*newestChange);
            unchanged.cacheControl = "public, max-age=" + std::to_string(kChangesCacheSeconds);
            unchanged.note = "unchanged after " + IsoDateText(after);
            read.answered = std::move(unchanged);
            return read;
        }
    }
    read.newest = after;
    const Checked<Done> done = log.ForEachAfter(after, [&](const LoggedChange& change) {
        AppendUpdateRecord(read.text, change.kind, change.operation, change.body);
        read.newestChange = ChangeMark{change.id, change.recorded};
        read.newest = change.time;
        ++read.count;
    });
    if (!done) {
        read.answered = Failed(500, done.Error());
    }
    return read;
}

std::optional<ChangeLog> RequestHandler::TakeReader() {
    {
        const std::lock_guard lock(m_readersMutex);
        if (!m_readers.empty()) {
            std::optional<ChangeLog> reader(std::move(m_readers.back()));
            m_readers.pop_back();
            return reader;
        }
    }
    Checked<ChangeLog> opened = m_log.OpenReader();
    if (!opened) {
        return std::nullopt;
    }
    return std::move(*opened);
}

void RequestHandler::GiveBack(ChangeLog reader) {
    const std::lock_guard lock(m_readersMutex);
    if (m_readers.size() < kIdleReaders) {
        m_readers.push_back(std::move(reader));
    }
}

// The newest change names the answer for a date, since each new change is
// dated after all before it. The database's identity keeps another
// database's answers from passing for this one's, the time the change was
// written those of this database before a backup was put back; the key's
// mark those signed with another key (or none).
std::string RequestHandler::EntityTag(const ChangeMark& newest) const {
    std::string tag = "\"" + m_log.Identity() + "-" + std::to_string(newest.id) + "-" +
                      std::to_string(newest.recorded);
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
