#pragma once

// An SQLite database held in memory, made from a file's bytes or empty, and
// its prepared statements. Nothing here touches a file: callers read and
// write the bytes through the file-system port, so that a browser's store is
// never changed while it is read.

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

struct sqlite3;
struct sqlite3_stmt;

namespace base {

enum class StepResult { Row, Done, Failed };

// One prepared statement; finalized with its owner.
class SqliteStatement {
public:
    [[nodiscard]] bool BindText(int index, std::string_view text) noexcept;
    [[nodiscard]] bool BindInt64(int index, std::int64_t value) noexcept;
    // After Done the statement is reset, ready to run again.
    [[nodiscard]] StepResult Step() noexcept;
    [[nodiscard]] bool Reset() noexcept;

    [[nodiscard]] int ColumnCount() const noexcept;
    // A column of the current row as text (NULL and blobs as their bytes).
    [[nodiscard]] std::string ColumnText(int column) const;
    [[nodiscard]] std::int64_t ColumnInt64(int column) const noexcept;

private:
    friend class SqliteDatabase;
    struct Finalizer {
        void operator()(sqlite3_stmt* statement) const noexcept;
    };
    explicit SqliteStatement(sqlite3_stmt* statement) noexcept : m_statement(statement) {}
    std::unique_ptr<sqlite3_stmt, Finalizer> m_statement;
};

// A private in-memory database: changes to it reach no file.
class SqliteDatabase {
public:
    // A copy of a database file's bytes. A file in write-ahead-log mode is
    // read as a plain one: its log beside it is not part of the image.
    // nullopt when the bytes are not a database SQLite can read.
    [[nodiscard]] static std::optional<SqliteDatabase> FromImage(std::string_view image);
    // A new empty database.
    [[nodiscard]] static std::optional<SqliteDatabase> CreateEmpty();

    // Runs statements that return no rows; false on the first failure.
    [[nodiscard]] bool Execute(const std::string& sql) noexcept;
    [[nodiscard]] std::optional<SqliteStatement> Prepare(std::string_view sql) noexcept;
    // Rows changed by the last insert, update or delete.
    [[nodiscard]] std::int64_t Changes() const noexcept;
    // True when SQLite's check of every page and index finds nothing wrong.
    [[nodiscard]] bool IntegrityOk() noexcept;
    // True when the pages of one table of the main database and of its
    // indexes are sound. The entries of an index are not computed again, so
    // that a store's own index expressions do not run for every row.
    [[nodiscard]] bool TablePagesOk(std::string_view table);

    // From now on every statement fails once `expired` answers true, as
    // well as after the step budget: a function in a hostile schema can take
    // long within one step. The caller's clock decides; this stays portable.
    void LimitTime(std::function<bool()> expired) noexcept;
    // The database's bytes as a file would hold them, in the journal mode
    // the image had; nullopt when it cannot be written out.
    [[nodiscard]] std::optional<std::string> Serialize() const;

    // A second database beside this one, under the schema name `schema`
    // (a plain identifier), made from an image's copy as FromImage makes
    // one, so that statements can move rows between the two.
    [[nodiscard]] bool AttachImage(std::string_view schema, std::string_view image);
    // The attached database's bytes, in rollback-journal mode.
    [[nodiscard]] std::optional<std::string> SerializeAttached(std::string_view schema) const;

private:
    struct Closer {
        void operator()(sqlite3* db) const noexcept;
    };
    // What SQLite's progress callback checks.
    struct Budget {
        std::int64_t stepsSpent = 0;
        std::function<bool()> expired;
    };
    explicit SqliteDatabase(sqlite3* db) : m_budget(std::make_unique<Budget>()), m_db(db) {}
    [[nodiscard]] static std::optional<SqliteDatabase> OpenMemory();
    // Declared first, so that it outlives the connection.
    std::unique_ptr<Budget> m_budget;
    std::unique_ptr<sqlite3, Closer> m_db;
    // Bytes 18 and 19 of the image's header (2 for write-ahead-log mode),
    // given back to the serialized bytes.
    char m_writeVersion = 1;
    char m_readVersion = 1;
};

}  // namespace base
