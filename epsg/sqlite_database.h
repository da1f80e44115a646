#pragma once
// A database file opened for reading only, queried row by row. The catalogue's one way into
// PROJ's database: the engine's own calls make one object per entry, too slow to list thousands.

#include <sqlite3.h>

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "result.h"

namespace korv::epsg {

// One row of a query's answer; valid only within the call that hands it over.
class SqliteRow {
public:
    explicit SqliteRow(sqlite3_stmt* statement) : statement_(statement) {}

    // Column `column` (from 0) as text; empty for NULL.
    std::string text(int column) const;
    // As an integer; 0 for NULL or text that is no number.
    int64_t integer(int column) const;
    // As a number; nothing for NULL.
    std::optional<double> number(int column) const;

private:
    sqlite3_stmt* statement_;
};

class SqliteDatabase {
public:
    // The database at `path`, opened read-only; an error saying why when it cannot be.
    static Result<SqliteDatabase> open(const std::string& path);

    // Runs `sql` and hands every row of its answer to `row`, in order; an error when the query
    // cannot run (a database of another layout).
    Status each_row(std::string_view sql, const std::function<void(const SqliteRow&)>& row) const;

private:
    struct Closer {
        void operator()(sqlite3* handle) const { sqlite3_close(handle); }
    };
    explicit SqliteDatabase(sqlite3* handle) : handle_(handle) {}

    std::unique_ptr<sqlite3, Closer> handle_;
};

}  // namespace korv::epsg
