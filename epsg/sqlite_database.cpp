#include "sqlite_database.h"

namespace korv::epsg {

std::string SqliteRow::text(int column) const {
    const unsigned char* text = sqlite3_column_text(statement_, column);
    return text == nullptr
               ? std::string()
               : std::string(reinterpret_cast<const char*>(text),
                             static_cast<size_t>(sqlite3_column_bytes(statement_, column)));
}

int64_t SqliteRow::integer(int column) const {
    return sqlite3_column_int64(statement_, column);
}

std::optional<double> SqliteRow::number(int column) const {
    if (sqlite3_column_type(statement_, column) == SQLITE_NULL) {
        return std::nullopt;
    }
    return sqlite3_column_double(statement_, column);
}

Result<SqliteDatabase> SqliteDatabase::open(const std::string& path) {
    sqlite3* handle = nullptr;
    const int status = sqlite3_open_v2(path.c_str(), &handle, SQLITE_OPEN_READONLY, nullptr);
    SqliteDatabase database(handle);  // closes the handle, also after a failure
    if (status != SQLITE_OK) {
        return Error{ErrorCode::kEpsgDatabaseQueryFailed,
                     {handle != nullptr ? sqlite3_errmsg(handle) : sqlite3_errstr(status)}};
    }
    return database;
}

Status SqliteDatabase::each_row(std::string_view sql,
                                const std::function<void(const SqliteRow&)>& row) const {
    sqlite3_stmt* raw = nullptr;
    if (sqlite3_prepare_v2(handle_.get(), sql.data(), static_cast<int>(sql.size()), &raw,
                           nullptr) != SQLITE_OK) {
        return Error{ErrorCode::kEpsgDatabaseQueryFailed, {sqlite3_errmsg(handle_.get())}};
    }
    const std::unique_ptr<sqlite3_stmt, int (*)(sqlite3_stmt*)> statement(raw, sqlite3_finalize);
    int status;
    while ((status = sqlite3_step(raw)) == SQLITE_ROW) {
        row(SqliteRow(raw));
    }
    if (status != SQLITE_DONE) {
        return Error{ErrorCode::kEpsgDatabaseQueryFailed, {sqlite3_errmsg(handle_.get())}};
    }
    return kSuccess;
}

}  // namespace korv::epsg
