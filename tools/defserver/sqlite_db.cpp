#include "sqlite_db.h"

#include <filesystem>

namespace defserver {

void Statement::Note(int result) {
    if (result != SQLITE_OK && m_bindFailure == SQLITE_OK) {
        m_bindFailure = result;
    }
}

void Statement::Bind(int index, std::int64_t value) {
    Note(sqlite3_bind_int64(m_statement.get(), index, value));
}

void Statement::BindText(int index, std::string_view value) {
    Note(sqlite3_bind_text64(m_statement.get(), index, value.data(), value.size(), SQLITE_TRANSIENT,
                             SQLITE_UTF8));
}

void Statement::BindBlob(int index, std::string_view value) {
    // An empty view may have no data pointer, which SQLite would store as NULL.
    Note(sqlite3_bind_blob64(m_statement.get(), index, value.empty() ? "" : value.data(),
                             value.size(), SQLITE_TRANSIENT));
}

void Statement::Reset() {
    sqlite3_reset(m_statement.get());
    sqlite3_clear_bindings(m_statement.get());
    m_bindFailure = SQLITE_OK;
}

Checked<bool> Statement::Step() {
    if (m_bindFailure != SQLITE_OK) {
        return Checked<bool>::Failure(std::string("cannot bind a value: ") +
                                      sqlite3_errstr(m_bindFailure));
    }
    const int result = sqlite3_step(m_statement.get());
    if (result == SQLITE_ROW) {
        return true;
    }
    if (result == SQLITE_DONE) {
        return false;
    }
    return Checked<bool>::Failure(sqlite3_errmsg(sqlite3_db_handle(m_statement.get())));
}

Checked<Done> Statement::ForEachRow(const std::function<Checked<Done>()>& visit) {
    for (;;) {
        const Checked<bool> row = Step();
        if (!row) {
            return Checked<Done>::Failure(row.Error());
        }
        if (!*row) {
            return Done{};
        }
        if (Checked<Done> visited = visit(); !visited) {
            return visited;
        }
    }
}

std::int64_t Statement::Int(int column) {
    return sqlite3_column_int64(m_statement.get(), column);
}

std::string_view Statement::Bytes(int column) {
    const void* data = sqlite3_column_blob(m_statement.get(), column);
    const int size = sqlite3_column_bytes(m_statement.get(), column);
    if (data == nullptr || size <= 0) {
        return {};
    }
    return {static_cast<const char*>(data), static_cast<std::size_t>(size)};
}

bool Statement::IsNull(int column) {
    return sqlite3_column_type(m_statement.get(), column) == SQLITE_NULL;
}

Checked<Database> Database::Open(const std::string& path, Opening opening) {
    std::error_code error;
    if (opening != Opening::CreateIfMissing && !std::filesystem::exists(path, error)) {
        return Checked<Database>::Failure("no database at " + path);
    }
    sqlite3* raw = nullptr;
    const int flags =
        (opening == Opening::ReadOnly ? SQLITE_OPEN_READONLY : SQLITE_OPEN_READWRITE) |
        (opening == Opening::CreateIfMissing ? SQLITE_OPEN_CREATE : 0) | SQLITE_OPEN_NOMUTEX;
    const int result = sqlite3_open_v2(path.c_str(), &raw, flags, nullptr);
    Database db(raw);
    if (result != SQLITE_OK) {
        return Checked<Database>::Failure("cannot open " + path + ": " +
                                          (raw != nullptr ? db.LastError() : "out of memory"));
    }
    // The publisher and the server write to the same file at times.
    sqlite3_busy_timeout(raw, 5000);
    return db;
}

Checked<Statement> Database::Prepare(std::string_view sql) {
    sqlite3_stmt* statement = nullptr;
    if (sqlite3_prepare_v2(m_db.get(), sql.data(), static_cast<int>(sql.size()), &statement,
                           nullptr) != SQLITE_OK) {
        sqlite3_finalize(statement);
        return Checked<Statement>::Failure(LastError());
    }
    return Statement(statement);
}

Checked<Done> Database::Execute(const char* sql) {
    if (sqlite3_exec(m_db.get(), sql, nullptr, nullptr, nullptr) != SQLITE_OK) {
        return Checked<Done>::Failure(LastError());
    }
    return Done{};
}

std::string Database::LastError() {
    return sqlite3_errmsg(m_db.get());
}

std::string Database::FileName() {
    const char* name = sqlite3_db_filename(m_db.get(), "main");
    return name != nullptr ? name : "";
}

Checked<Transaction> Transaction::Begin(Database& db) {
    if (Checked<Done> begun = db.Execute("BEGIN IMMEDIATE"); !begun) {
        return Checked<Transaction>::Failure(begun.Error());
    }
    return Transaction(db);
}

Transaction::~Transaction() {
    if (m_db != nullptr) {
        static_cast<void>(m_db->Execute("ROLLBACK"));
    }
}

Checked<Done> Transaction::Commit() {
    Checked<Done> committed = m_db->Execute("COMMIT");
    if (committed) {
        m_db = nullptr;
    }
    return committed;
}

}  // namespace defserver
