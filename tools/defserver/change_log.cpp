#include "change_log.h"

#include "http_request.h"

namespace defserver {

namespace {

constexpr int kSchemaVersion = 2;

constexpr const char* kSchema = R"sql(
CREATE TABLE changes (
    id INTEGER PRIMARY KEY,
    time INTEGER NOT NULL,
    kind TEXT NOT NULL,
    operation TEXT NOT NULL CHECK (operation IN ('ADD', 'DEL')),
    body BLOB NOT NULL,
    recorded INTEGER NOT NULL
);
CREATE INDEX changes_by_time ON changes (time, id);
CREATE TABLE submissions (
    id INTEGER PRIMARY KEY,
    time INTEGER NOT NULL,
    remote TEXT NOT NULL,
    query BLOB NOT NULL,
    names BLOB NOT NULL,
    data BLOB NOT NULL DEFAULT x''
);
CREATE INDEX submissions_by_names ON submissions (names, remote, time);
PRAGMA user_version = 2;
)sql";

// Version 1 kept the decoded names only; the data as sent is read back from
// the query that every submission kept.
constexpr const char* kAddSubmittedData = R"sql(
ALTER TABLE submissions ADD COLUMN data BLOB NOT NULL DEFAULT x'';
PRAGMA user_version = 2;
)sql";

Checked<Done> FillSubmittedData(Database& db) {
    Checked<Statement> rows = db.Prepare("SELECT id, query FROM submissions");
    Checked<Statement> update = db.Prepare("UPDATE submissions SET data = ?1 WHERE id = ?2");
    if (!rows || !update) {
        return Checked<Done>::Failure(!rows ? rows.Error() : update.Error());
    }
    return rows->ForEachRow([&]() -> Checked<Done> {
        update->Reset();
        update->BindBlob(1, TrailingQueryValue(rows->Bytes(1), "data").value_or(""));
        update->Bind(2, rows->Int(0));
        if (const Checked<bool> stepped = update->Step(); !stepped) {
            return Checked<Done>::Failure(stepped.Error());
        }
        return Done{};
    });
}

// Kept beside the schema version rather than raising it, so that servers
// of before can still open the file. Made once, in the transaction that
// checks the schema.
constexpr const char* kAddIdentity = R"sql(
CREATE TABLE IF NOT EXISTS identity (value TEXT NOT NULL);
INSERT INTO identity (value) SELECT lower(hex(randomblob(16)))
    WHERE NOT EXISTS (SELECT 1 FROM identity);
)sql";

Checked<std::string> ReadIdentity(Database& db) {
    Checked<Statement> query = db.Prepare("SELECT value FROM identity ORDER BY rowid LIMIT 1");
    if (!query) {
        return Checked<std::string>::Failure(query.Error());
    }
    const Checked<bool> row = query->Step();
    if (!row || !*row) {
        return Checked<std::string>::Failure(row ? "the database has no identity" : row.Error());
    }
    return std::string(query->Bytes(0));
}

Checked<Done> EnsureSchema(Database& db) {
    Checked<Transaction> transaction = Transaction::Begin(db);
    if (!transaction) {
        return Checked<Done>::Failure(transaction.Error());
    }
    Checked<Statement> version = db.Prepare("PRAGMA user_version");
    if (!version) {
        return Checked<Done>::Failure(version.Error());
    }
    const Checked<bool> row = version->Step();
    if (!row || !*row) {
        return Checked<Done>::Failure(row ? "no schema version" : row.Error());
    }
    const std::int64_t found = version->Int(0);
    if (found > kSchemaVersion) {
        return Checked<Done>::Failure("the database was made by a later version (schema " +
                                      std::to_string(found) + ")");
    }
    if (found == 0) {
        if (Checked<Done> made = db.Execute(kSchema); !made) {
            return made;
        }
    }
    if (found == 1) {
        if (Checked<Done> added = db.Execute(kAddSubmittedData); !added) {
            return added;
        }
        if (Checked<Done> filled = FillSubmittedData(db); !filled) {
            return filled;
        }
    }
    if (Checked<Done> identified = db.Execute(kAddIdentity); !identified) {
        return identified;
    }
    return transaction->Commit();
}

std::optional<Operation> OperationOf(std::string_view text) {
    if (text == "ADD") {
        return Operation::Add;
    }
    if (text == "DEL") {
        return Operation::Del;
    }
    return std::nullopt;
}

}  // namespace

Checked<ChangeLog> ChangeLog::Open(const std::string& path, Database::Opening opening) {
    Checked<Database> db = Database::Open(path, opening);
    if (!db) {
        return Checked<ChangeLog>::Failure(db.Error());
    }
    // Readers then go on while the publisher writes. A database in memory
    // keeps its own mode.
    static_cast<void>(db->Execute("PRAGMA journal_mode = WAL"));
    if (Checked<Done> schema = EnsureSchema(*db); !schema) {
        return Checked<ChangeLog>::Failure(path + ": " + schema.Error());
    }
    Checked<std::string> identity = ReadIdentity(*db);
    if (!identity) {
        return Checked<ChangeLog>::Failure(path + ": " + identity.Error());
    }
    return ChangeLog(std::move(*db), std::move(*identity));
}

Checked<ChangeLog> ChangeLog::OpenReader() const {
    if (m_file.empty()) {
        return Checked<ChangeLog>::Failure("a database in memory has one connection");
    }
    Checked<Database> db = Database::Open(m_file, Database::Opening::ReadOnly);
    if (!db) {
        return Checked<ChangeLog>::Failure(db.Error());
    }
    return ChangeLog(std::move(*db), m_identity);
}

Checked<std::optional<UnixSeconds>> ChangeLog::NewestTime() {
    using Result = Checked<std::optional<UnixSeconds>>;
    Checked<Statement> query = m_db.Prepare("SELECT max(time) FROM changes");
    if (!query) {
        return Result::Failure(query.Error());
    }
    const Checked<bool> row = query->Step();
    if (!row) {
        return Result::Failure(row.Error());
    }
    if (!*row || query->IsNull(0)) {
        return std::optional<UnixSeconds>();
    }
    return std::optional<UnixSeconds>(query->Int(0));
}

Checked<ChangeMark> ChangeLog::NewestChangeAfter(UnixSeconds after) {
    Checked<Statement> query = m_db.Prepare(
        "SELECT id, recorded FROM changes WHERE time > ?1 ORDER BY time DESC, id DESC LIMIT 1");
    if (!query) {
        return Checked<ChangeMark>::Failure(query.Error());
    }
    query->Bind(1, after);
    const Checked<bool> row = query->Step();
    if (!row) {
        return Checked<ChangeMark>::Failure(row.Error());
    }
    return *row ? ChangeMark{query->Int(0), query->Int(1)} : ChangeMark{};
}

Checked<UnixSeconds> ChangeLog::Append(const std::vector<Change>& changes,
                                       std::optional<UnixSeconds> date, UnixSeconds now) {
    using Result = Checked<UnixSeconds>;
    Checked<Transaction> transaction = Transaction::Begin(m_db);
    if (!transaction) {
        return Result::Failure(transaction.Error());
    }
    const Checked<std::optional<UnixSeconds>> newest = NewestTime();
    if (!newest) {
        return Result::Failure(newest.Error());
    }
    UnixSeconds time = now;
    if (date) {
        // A program that already holds the newest date would never ask for
        // a change dated at or before it.
        if (*newest && *date <= **newest) {
            return Result::Failure("the date " + IsoDateText(*date) +
                                   " is not after the newest change (" + IsoDateText(**newest) +
                                   "); programs that hold that date would never receive it");
        }
        time = *date;
    } else if (*newest && time <= **newest) {
        time = **newest + 1;
    }
    Checked<Statement> insert = m_db.Prepare(
        "INSERT INTO changes (time, kind, operation, body, recorded) VALUES (?1, ?2, ?3, ?4, ?5)");
    if (!insert) {
        return Result::Failure(insert.Error());
    }
    for (const Change& change : changes) {
        insert->Reset();
        insert->Bind(1, time);
        insert->BindText(2, change.kind);
        insert->BindText(3, OperationText(change.operation));
        insert->BindBlob(4, change.body);
        insert->Bind(5, now);
        if (const Checked<bool> stepped = insert->Step(); !stepped) {
            return Result::Failure(stepped.Error());
        }
    }
    if (Checked<Done> committed = transaction->Commit(); !committed) {
        return Result::Failure(committed.Error());
    }
    return time;
}

Checked<Done> ChangeLog::ForEachAfter(UnixSeconds after,
                                      const std::function<void(const LoggedChange&)>& visit) {
    Checked<Statement> query = m_db.Prepare(
        "SELECT id, time, kind, operation, body, recorded FROM changes WHERE time > ?1 "
        "ORDER BY time, id");
    if (!query) {
        return Checked<Done>::Failure(query.Error());
    }
    query->Bind(1, after);
    return query->ForEachRow([&]() -> Checked<Done> {
        if (const std::optional<Operation> operation = OperationOf(query->Bytes(3))) {
            visit(LoggedChange{query->Int(0), query->Int(1), query->Int(5), query->Bytes(2),
                               *operation, query->Bytes(4)});
        }
        return Done{};
    });
}

Checked<ChangeLog::Submission> ChangeLog::AddSubmission(const SubmittedData& data,
                                                        UnixSeconds window) {
    using Result = Checked<Submission>;
    Checked<Transaction> transaction = Transaction::Begin(m_db);
    if (!transaction) {
        return Result::Failure(transaction.Error());
    }
    Checked<Statement> earlier = m_db.Prepare(
        "SELECT 1 FROM submissions WHERE names = ?1 AND remote = ?2 AND time > ?3 LIMIT 1");
    if (!earlier) {
        return Result::Failure(earlier.Error());
    }
    earlier->BindBlob(1, data.names);
    earlier->BindText(2, data.remoteAddress);
    earlier->Bind(3, data.time - window);
    const Checked<bool> found = earlier->Step();
    if (!found) {
        return Result::Failure(found.Error());
    }
    if (*found) {
        return Submission::Duplicate;
    }
    Checked<Statement> insert = m_db.Prepare(
        "INSERT INTO submissions (time, remote, query, names, data) VALUES (?1, ?2, ?3, ?4, ?5)");
    if (!insert) {
        return Result::Failure(insert.Error());
    }
    insert->Bind(1, data.time);
    insert->BindText(2, data.remoteAddress);
    insert->BindBlob(3, data.query);
    insert->BindBlob(4, data.names);
    insert->BindBlob(5, data.data);
    if (const Checked<bool> stepped = insert->Step(); !stepped) {
        return Result::Failure(stepped.Error());
    }
    if (Checked<Done> committed = transaction->Commit(); !committed) {
        return Result::Failure(committed.Error());
    }
    return Submission::Added;
}

Checked<Done> ChangeLog::ForEachSubmission(
    const std::function<void(const StoredSubmission&)>& visit) {
    Checked<Statement> query =
        m_db.Prepare("SELECT id, time, remote, data FROM submissions ORDER BY time, id");
    if (!query) {
        return Checked<Done>::Failure(query.Error());
    }
    return query->ForEachRow([&]() -> Checked<Done> {
        visit(StoredSubmission{query->Int(0), query->Int(1), query->Bytes(2), query->Bytes(3)});
        return Done{};
    });
}

}  // namespace defserver
