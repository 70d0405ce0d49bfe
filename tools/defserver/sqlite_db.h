#pragma once

// A thin owner of an SQLite connection and its prepared statements. Every
// value reaches SQL through a bound parameter, never through the SQL text.

#include <sqlite3.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "checked.h"

namespace defserver {

class Statement {
public:
    explicit Statement(sqlite3_stmt* statement) : m_statement(statement) {}

    // Parameters count from 1. A failed bind shows in the next Step.
    void Bind(int index, std::int64_t value);
    void BindText(int index, std::string_view value);
    void BindBlob(int index, std::string_view value);

    // Makes the statement ready to run again with new values.
    void Reset();

    // True with a row to read, false when the statement has run to its end.
    [[nodiscard]] Checked<bool> Step();
    // Steps through every row, calling `visit` with each one ready to read;
    // stops at the first failure, of a step or of `visit`.
    [[nodiscard]] Checked<Done> ForEachRow(const std::function<Checked<Done>()>& visit);

    // Columns count from 0.
    [[nodiscard]] std::int64_t Int(int column);
    // Valid until the next Step.
    [[nodiscard]] std::string_view Bytes(int column);
    [[nodiscard]] bool IsNull(int column);

private:
    struct Finalize {
        void operator()(sqlite3_stmt* statement) const noexcept { sqlite3_finalize(statement); }
    };

    void Note(int result);

    std::unique_ptr<sqlite3_stmt, Finalize> m_statement;
    int m_bindFailure = SQLITE_OK;
};

class Database {
public:
    enum class Opening { ExistingOnly, CreateIfMissing, ReadOnly };

    [[nodiscard]] static Checked<Database> Open(const std::string& path, Opening opening);

    [[nodiscard]] Checked<Statement> Prepare(std::string_view sql);
    // For SQL without parameters: the schema, transactions, pragmas.
    [[nodiscard]] Checked<Done> Execute(const char* sql);
    [[nodiscard]] std::string LastError();
    // The file's full path; empty for a database in memory.
    [[nodiscard]] std::string FileName();

private:
    struct Close {
        void operator()(sqlite3* db) const noexcept { sqlite3_close_v2(db); }
    };

    explicit Database(sqlite3* db) : m_db(db) {}

    std::unique_ptr<sqlite3, Close> m_db;
};

// BEGIN IMMEDIATE, so that the writer holds the lock from its first read;
// rolled back unless committed.
class Transaction {
public:
    [[nodiscard]] static Checked<Transaction> Begin(Database& db);
    Transaction(Transaction&& other) noexcept : m_db(other.m_db) { other.m_db = nullptr; }
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;
    Transaction& operator=(Transaction&&) = delete;
    ~Transaction();

    [[nodiscard]] Checked<Done> Commit();

private:
    explicit Transaction(Database& db) : m_db(&db) {}

    Database* m_db;
};

}  // namespace defserver
