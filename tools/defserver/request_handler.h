#pragma once

// The answers of the definitions server, the language server and the data
// collection server, as one function of a request, so that they can be
// tested without a network.

#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "answer_signing.h"
#include "change_log.h"
#include "http_request.h"
#include "server_dates.h"

namespace defserver {

struct HttpAnswer {
    int status = 200;
    std::string contentType = "text/plain; charset=windows-1252";
    std::string body;
    // Every date must come from the log as it is now; only the changes
    // answers, which name what they hold, may be kept by a cache.
    std::string cacheControl = "no-cache, no-store";
    std::string etag;
    // Where a redirection sends the client.
    std::string location;
    // For the log line only: why a request failed, or what it was given.
    std::string note;
};

struct ServerSettings {
    // Served as the language pack of the product; none: the language
    // server answers 404.
    std::optional<std::string> localizationFile;
    // Signs every changes answer and the language pack; none: unsigned.
    std::optional<SigningKey> signingKey;
    // A cache in front keys the changes answers on the date parameter as
    // sent: a date written in any other form than the program's is sent to
    // that form, so that each date has one copy there.
    bool canonicalDates = false;
};

// How long a cache may hand out a changes answer without asking again: a
// change published now reaches every program within this time, while a
// cache in front of the server asks it once a second per date at most.
inline constexpr int kChangesCacheSeconds = 1;

// A second submission of the same names from the same address within this
// time is skipped: programs submit after every removal, mostly unchanged.
inline constexpr UnixSeconds kDuplicateWindow = 24 * 60 * 60;

// The language pack number of the product, fixed with its branding.
inline constexpr std::string_view kLanguagePackPath = "/Languages/21/Localization.txt";
// Where the language pack's signature is, beside it.
inline constexpr std::string_view kLanguageSignaturePath = "/Languages/21/Localization.txt.sig";

class RequestHandler {
public:
    RequestHandler(ChangeLog& log, ServerSettings settings)
        : m_log(log), m_settings(std::move(settings)) {}

    // Safe to call from several threads at once.
    [[nodiscard]] HttpAnswer Handle(const HttpRequest& request, UnixSeconds now);

private:
    // What a changes answer is made of, read from the log.
    struct ReadChanges {
        // Set when the reading itself answers: a failure, or "unchanged".
        std::optional<HttpAnswer> answered;
        std::string text;
        std::size_t count = 0;
        ChangeMark newestChange;
        UnixSeconds newest = 0;
    };

    HttpAnswer NewestDate();
    HttpAnswer ChangesAfter(const HttpRequest& request);
    ReadChanges Read(ChangeLog& log, UnixSeconds after,
                     const std::optional<std::string>& ifNoneMatch) const;
    // A connection of its own for a long read, or none (a database in
    // memory, or one that cannot be opened again): then the shared one.
    std::optional<ChangeLog> TakeReader();
    void GiveBack(ChangeLog reader);
    HttpAnswer LanguagePack() const;
    HttpAnswer LanguageSignature() const;
    std::string EntityTag(const ChangeMark& newest) const;
    HttpAnswer Submission(const HttpRequest& request, UnixSeconds now);

    std::mutex m_logMutex;
    ChangeLog& m_log;
    // Connections for reading the changes, idle between answers.
    std::mutex m_readersMutex;
    std::vector<ChangeLog> m_readers;
    const ServerSettings m_settings;
};

}  // namespace defserver
