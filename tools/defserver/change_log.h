#pragma once

// The master definition set as a dated log of additions and deletions, and
// the names that programs submit, kept in one SQLite file. The log only
// grows, and each new date lies after every date before it: a program that
// holds the set up to some date then gets every later change by asking for
// what came after that date.

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "checked.h"
#include "definition_changes.h"
#include "server_dates.h"
#include "sqlite_db.h"

namespace defserver {

struct LoggedChange {
    std::int64_t id = 0;
    UnixSeconds time = 0;
    // When the publisher wrote it.
    UnixSeconds recorded = 0;
    std::string_view kind;
    Operation operation = Operation::Add;
    std::string_view body;
};

// A change as a cache validator names it: a change restored from a backup
// and then published again under the same id was written at another time.
struct ChangeMark {
    std::int64_t id = 0;
    UnixSeconds recorded = 0;
};

struct SubmittedData {
    UnixSeconds time = 0;
    std::string remoteAddress;
    // The query as it arrived; the data it carried, percent-decoded but
    // still in the line code; and the names of that data, decoded.
    std::string query;
    std::string data;
    std::string names;
};

struct StoredSubmission {
    std::int64_t id = 0;
    UnixSeconds time = 0;
    std::string_view remoteAddress;
    // In the line code, as the program sent it.
    std::string_view data;
};

class ChangeLog {
public:
    enum class Submission { Added, Duplicate };

    // Makes the tables of a new file; refuses a file of a later schema.
    // A file gets its identity when it is made (one made before identities
    // were kept, when it is first opened).
    [[nodiscard]] static Checked<ChangeLog> Open(const std::string& path,
                                                 Database::Opening opening);

    // Another connection to the same file, for reading alone, so that a
    // long read need not wait for this one; fails for a database in memory.
    // Safe to call from any thread.
    [[nodiscard]] Checked<ChangeLog> OpenReader() const;

    // Random, made with the file and kept in it: tells this database's
    // answers from those of any other, whose change ids count alike.
    [[nodiscard]] const std::string& Identity() const noexcept { return m_identity; }

    // nullopt while the log is empty.
    [[nodiscard]] Checked<std::optional<UnixSeconds>> NewestTime();

    // The newest change dated after `after`; id 0 when there is none.
    [[nodiscard]] Checked<ChangeMark> NewestChangeAfter(UnixSeconds after);

    // Appends the changes, all or none, under one date: `date` when given,
    // which must lie after the newest change; otherwise `now`, or one second
    // after the newest change when that is not earlier. Answers the date used.
    [[nodiscard]] Checked<UnixSeconds> Append(const std::vector<Change>& changes,
                                              std::optional<UnixSeconds> date, UnixSeconds now);

    // The changes dated after `after`, oldest first, in the order published.
    // The views of a change are valid during the call only.
    [[nodiscard]] Checked<Done> ForEachAfter(UnixSeconds after,
                                             const std::function<void(const LoggedChange&)>& visit);

    // A duplicate is the same names from the same address within `window`
    // seconds before; it is not stored again.
    [[nodiscard]] Checked<Submission> AddSubmission(const SubmittedData& data, UnixSeconds window);

    // The stored submissions, oldest first. The views are valid during the
    // call only.
    [[nodiscard]] Checked<Done> ForEachSubmission(
        const std::function<void(const StoredSubmission&)>& visit);

private:
    ChangeLog(Database db, std::string identity)
        : m_db(std::move(db)), m_file(m_db.FileName()), m_identity(std::move(identity)) {}

    Database m_db;
    std::string m_file;
    std::string m_identity;
};

}  // namespace defserver
