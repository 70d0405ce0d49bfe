#include "base/sqlite_database.h"

#include <sqlite3.h>

#include <cstring>

namespace base {

namespace {

constexpr std::string_view kHeaderMagic{"SQLite format 3\0", 16};
constexpr std::size_t kHeaderSize = 100;
// The header's write and read format versions: 1 rollback journal, 2 WAL.
constexpr std::size_t kWriteVersionOffset = 18;
constexpr std::size_t kReadVersionOffset = 19;
// No text or blob in a cookie store comes near this; a damaged or hostile
// image cannot make SQLite build values of a gigabyte.
constexpr int kLongestValue = 16 * 1024 * 1024;
// Virtual-machine steps one database may take, checked every thousand: far
// more than reading, saving or deleting the rows of the largest real store
// needs, so that a hostile image ends in a failure rather than a hang.
constexpr std::int64_t kStepBudget = 2'000'000'000;
constexpr int kStepsPerCheck = 1000;

template <typename Budget>
int BudgetSpent(void* state) noexcept {
    auto& budget = *static_cast<Budget*>(state);
    budget.stepsSpent += kStepsPerCheck;
    if (budget.stepsSpent > kStepBudget) {
        return 1;
    }
    return budget.expired && budget.expired() ? 1 : 0;
}

bool IsImage(std::string_view image) {
    return image.size() >= kHeaderSize && image.substr(0, kHeaderMagic.size()) == kHeaderMagic;
}

// Hands SQLite a copy of the image as the schema's content; the copy has no
// log beside it, so in WAL mode SQLite would look for one and refuse it.
bool DeserializeCopy(sqlite3* db, const std::string& schema, std::string_view image) {
    auto* copy = static_cast<unsigned char*>(sqlite3_malloc64(image.size()));
    if (copy == nullptr) {
        return false;
    }
    std::memcpy(copy, image.data(), image.size());
    copy[kWriteVersionOffset] = 1;
    copy[kReadVersionOffset] = 1;
    const auto size = static_cast<sqlite3_int64>(image.size());
    // SQLite frees the copy itself, also when this fails.
    return sqlite3_deserialize(db, schema.c_str(), copy, size, size,
                               SQLITE_DESERIALIZE_FREEONCLOSE | SQLITE_DESERIALIZE_RESIZEABLE) ==
           SQLITE_OK;
}

std::optional<std::string> SerializeSchema(sqlite3* db, const std::string& schema) {
    sqlite3_int64 size = 0;
    unsigned char* bytes = sqlite3_serialize(db, schema.c_str(), &size, 0);
    if (bytes == nullptr || size < static_cast<sqlite3_int64>(kHeaderSize)) {
        sqlite3_free(bytes);
        return std::nullopt;
    }
    std::string image(reinterpret_cast<const char*>(bytes), static_cast<std::size_t>(size));
    sqlite3_free(bytes);
    return image;
}

// Whether the schema's pages read: a file that is not a database, or whose
// schema is damaged, fails here rather than in the middle of later work.
bool SchemaReads(SqliteDatabase& database, std::string_view schema) {
    std::optional<SqliteStatement> count =
        database.Prepare("SELECT count(*) FROM \"" + std::string(schema) + "\".sqlite_schema");
    return count && count->Step() == StepResult::Row;
}

}  // namespace

void SqliteStatement::Finalizer::operator()(sqlite3_stmt* statement) const noexcept {
    sqlite3_finalize(statement);
}

bool SqliteStatement::BindText(int index, std::string_view text) noexcept {
    return sqlite3_bind_text64(m_statement.get(), index, text.data(), text.size(), SQLITE_TRANSIENT,
                               SQLITE_UTF8) == SQLITE_OK;
}

bool SqliteStatement::BindInt64(int index, std::int64_t value) noexcept {
    return sqlite3_bind_int64(m_statement.get(), index, value) == SQLITE_OK;
}

StepResult SqliteStatement::Step() noexcept {
    switch (sqlite3_step(m_statement.get())) {
        case SQLITE_ROW:
            return StepResult::Row;
        case SQLITE_DONE:
            // The count of changed rows is taken when the statement is
            // reset, not when it ends.
            sqlite3_reset(m_statement.get());
            return StepResult::Done;
        default:
            return StepResult::Failed;
    }
}

bool SqliteStatement::Reset() noexcept {
    return sqlite3_reset(m_statement.get()) == SQLITE_OK;
}

int SqliteStatement::ColumnCount() const noexcept {
    return sqlite3_column_count(m_statement.get());
}

std::string SqliteStatement::ColumnText(int column) const {
    const auto* text = sqlite3_column_blob(m_statement.get(), column);
    const int size = sqlite3_column_bytes(m_statement.get(), column);
    if (text == nullptr || size <= 0) {
        return {};
    }
    return std::string(static_cast<const char*>(text), static_cast<std::size_t>(size));
}

std::int64_t SqliteStatement::ColumnInt64(int column) const noexcept {
    return sqlite3_column_int64(m_statement.get(), column);
}

void SqliteDatabase::Closer::operator()(sqlite3* db) const noexcept {
    sqlite3_close_v2(db);
}

std::optional<SqliteDatabase> SqliteDatabase::OpenMemory() {
    sqlite3* raw = nullptr;
    const int opened = sqlite3_open_v2(
        ":memory:", &raw, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_MEMORY, nullptr);
    SqliteDatabase database(raw);
    if (opened != SQLITE_OK || raw == nullptr) {
        return std::nullopt;
    }
    sqlite3_busy_timeout(raw, 0);
    sqlite3_limit(raw, SQLITE_LIMIT_LENGTH, kLongestValue);
    sqlite3_db_config(raw, SQLITE_DBCONFIG_DEFENSIVE, 1, nullptr);
    sqlite3_db_config(raw, SQLITE_DBCONFIG_TRUSTED_SCHEMA, 0, nullptr);
    sqlite3_db_config(raw, SQLITE_DBCONFIG_ENABLE_TRIGGER, 0, nullptr);
    sqlite3_db_config(raw, SQLITE_DBCONFIG_ENABLE_VIEW, 0, nullptr);
    sqlite3_progress_handler(raw, kStepsPerCheck, BudgetSpent<Budget>, database.m_budget.get());
    // A CHECK constraint of a store's own schema would run for every row
    // copied, at a cost no step count sees; the browser checks its rows.
    if (!database.Execute("PRAGMA ignore_check_constraints = ON")) {
        return std::nullopt;
    }
    return database;
}

std::optional<SqliteDatabase> SqliteDatabase::CreateEmpty() {
    return OpenMemory();
}

std::optional<SqliteDatabase> SqliteDatabase::FromImage(std::string_view image) {
    if (!IsImage(image)) {
        return std::nullopt;
    }
    std::optional<SqliteDatabase> database = OpenMemory();
    if (!database || !DeserializeCopy(database->m_db.get(), "main", image) ||
        !SchemaReads(*database, "main")) {
        return std::nullopt;
    }
    database->m_writeVersion = image[kWriteVersionOffset];
    database->m_readVersion = image[kReadVersionOffset];
    return database;
}

bool SqliteDatabase::AttachImage(std::string_view schema, std::string_view image) {
    const std::string name(schema);
    return IsImage(image) && Execute("ATTACH DATABASE ':memory:' AS \"" + name + "\"") &&
           DeserializeCopy(m_db.get(), name, image) && SchemaReads(*this, name);
}

std::optional<std::string> SqliteDatabase::SerializeAttached(std::string_view schema) const {
    return SerializeSchema(m_db.get(), std::string(schema));
}

bool SqliteDatabase::Execute(const std::string& sql) noexcept {
    return sqlite3_exec(m_db.get(), sql.c_str(), nullptr, nullptr, nullptr) == SQLITE_OK;
}

std::optional<SqliteStatement> SqliteDatabase::Prepare(std::string_view sql) noexcept {
    sqlite3_stmt* raw = nullptr;
    const int prepared =
        sqlite3_prepare_v2(m_db.get(), sql.data(), static_cast<int>(sql.size()), &raw, nullptr);
    SqliteStatement statement(raw);
    if (prepared != SQLITE_OK || raw == nullptr) {
        return std::nullopt;
    }
    return statement;
}

std::int64_t SqliteDatabase::Changes() const noexcept {
    return sqlite3_changes64(m_db.get());
}

bool SqliteDatabase::IntegrityOk() noexcept {
    std::optional<SqliteStatement> check = Prepare("PRAGMA integrity_check");
    if (!check || check->Step() != StepResult::Row || check->ColumnText(0) != "ok") {
        return false;
    }
    return check->Step() == StepResult::Done;
}

bool SqliteDatabase::TablePagesOk(std::string_view table) {
    std::string quoted;
    for (const char c : table) {
        quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
    }
    std::optional<SqliteStatement> check = Prepare("PRAGMA main.quick_check(\"" + quoted + "\")");
    if (!check || check->Step() != StepResult::Row || check->ColumnText(0) != "ok") {
        return false;
    }
    return check->Step() == StepResult::Done;
}

void SqliteDatabase::LimitTime(std::function<bool()> expired) noexcept {
    m_budget->expired = std::move(expired);
}

std::optional<std::string> SqliteDatabase::Serialize() const {
    std::optional<std::string> image = SerializeSchema(m_db.get(), "main");
    if (image) {
        (*image)[kWriteVersionOffset] = m_writeVersion;
        (*image)[kReadVersionOffset] = m_readVersion;
    }
    return image;
}

}  // namespace base
