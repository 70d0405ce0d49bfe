// The statically linked SQLite of the Windows build, against Wine's real file
// system: what reading a browser's cookie store needs of it.

#include <sqlite3.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>

#include "temp_folder.h"

namespace {

struct CloseDatabase {
    void operator()(sqlite3* database) const { sqlite3_close(database); }
};
using Database = std::unique_ptr<sqlite3, CloseDatabase>;

struct FinalizeStatement {
    void operator()(sqlite3_stmt* statement) const { sqlite3_finalize(statement); }
};

// The database, or none with the reason in `error`.
Database Open(const std::string& name, int flags, std::string& error) {
    sqlite3* raw = nullptr;
    const int code = sqlite3_open_v2(name.c_str(), &raw, flags, nullptr);
    Database database(raw);
    if (code != SQLITE_OK) {
        error = raw != nullptr ? sqlite3_errmsg(raw) : sqlite3_errstr(code);
        return nullptr;
    }
    return database;
}

int Execute(sqlite3* database, const char* sql) {
    return sqlite3_exec(database, sql, nullptr, nullptr, nullptr);
}

void MakeCookieTable(sqlite3* database) {
    ASSERT_EQ(Execute(database,
                      "CREATE TABLE cookies (host_key TEXT NOT NULL, name TEXT NOT NULL);"
                      "INSERT INTO cookies VALUES ('.tracker.example', 'id');"
                      "INSERT INTO cookies VALUES ('news.example', 'session');"),
              SQLITE_OK)
        << sqlite3_errmsg(database);
}

// The hosts of the table's rows in order, joined by spaces, or what failed.
std::string Hosts(sqlite3* database) {
    sqlite3_stmt* raw = nullptr;
    if (sqlite3_prepare_v2(database, "SELECT host_key FROM cookies ORDER BY rowid", -1, &raw,
                           nullptr) != SQLITE_OK) {
        return std::string("(") + sqlite3_errmsg(database) + ")";
    }
    const std::unique_ptr<sqlite3_stmt, FinalizeStatement> statement(raw);
    std::string hosts;
    int code = SQLITE_ROW;
    while ((code = sqlite3_step(raw)) == SQLITE_ROW) {
        const unsigned char* host = sqlite3_column_text(raw, 0);
        hosts += (hosts.empty() ? "" : " ") +
                 std::string(host != nullptr ? reinterpret_cast<const char*>(host) : "(null)");
    }
    return code == SQLITE_DONE ? hosts : std::string("(") + sqlite3_errmsg(database) + ")";
}

std::string FileBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TEST(SqliteWin32Test, LibraryIsTheVersionOfItsHeader) {
    EXPECT_STREQ(sqlite3_libversion(), SQLITE_VERSION);
    EXPECT_EQ(sqlite3_libversion_number(), SQLITE_VERSION_NUMBER);
}

TEST(SqliteWin32Test, DatabaseImageReadsBackAfterDeserializing) {
    std::string error;
    const Database source = Open(":memory:", SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, error);
    ASSERT_TRUE(source) << error;
    MakeCookieTable(source.get());
    sqlite3_int64 size = 0;
    unsigned char* image = sqlite3_serialize(source.get(), "main", &size, 0);
    ASSERT_NE(image, nullptr);

    const Database copy = Open(":memory:", SQLITE_OPEN_READWRITE, error);
    ASSERT_TRUE(copy) << error;
    ASSERT_EQ(sqlite3_deserialize(copy.get(), "main", image, size, size,
                                  SQLITE_DESERIALIZE_FREEONCLOSE | SQLITE_DESERIALIZE_READONLY),
              SQLITE_OK)
        << sqlite3_errmsg(copy.get());
    EXPECT_EQ(Hosts(copy.get()), ".tracker.example news.example");
    EXPECT_EQ(Execute(copy.get(), "DELETE FROM cookies"), SQLITE_READONLY);
}

// A profile below a user name beyond the ANSI code page: SQLite takes the
// path as UTF-8. Opened immutable, the store is read without being changed.
TEST(SqliteWin32Test, StoreBelowNonAsciiFolderOpensReadOnlyAndStaysUnchanged) {
    const win32_tests::TempFolder temp;
    const std::filesystem::path folder =
        std::filesystem::path(temp.Path()) / std::filesystem::path(u8"J\u00FCrgen \u4E2D");
    std::filesystem::create_directories(folder);
    const std::filesystem::path store = folder / "Cookies";
    const std::u8string utf8 = store.u8string();
    const std::string name(utf8.begin(), utf8.end());

    std::string error;
    {
        const Database writer = Open(name, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, error);
        ASSERT_TRUE(writer) << error;
        MakeCookieTable(writer.get());
    }
    const std::string before = FileBytes(store);
    ASSERT_FALSE(before.empty());

    std::string uri = "file:";
    for (const char c : name) {
        uri += c == '\\' ? '/' : c;
    }
    uri += "?immutable=1";
    const Database reader = Open(uri, SQLITE_OPEN_READONLY | SQLITE_OPEN_URI, error);
    ASSERT_TRUE(reader) << error;
    EXPECT_EQ(Hosts(reader.get()), ".tracker.example news.example");
    EXPECT_EQ(Execute(reader.get(), "DELETE FROM cookies"), SQLITE_READONLY);
    EXPECT_EQ(FileBytes(store), before);
    EXPECT_FALSE(std::filesystem::exists(folder / "Cookies-journal"));
}

}  // namespace
