#pragma once

#include "framework/DbException.h"

#include <cstdint>
#include <memory>
#include <string>
#include <unordered_map>
#include <variant>
#include <vector>

struct sqlite3;
struct sqlite3_stmt;

namespace fw {

// An open reference database: an existing SQLite file opened read-only and
// shared. A missing or damaged file is an open failure (CDbException); a
// missing file is never created.
class CDatabase {
public:
    CDatabase() = default;
    ~CDatabase();
    CDatabase(const CDatabase&) = delete;
    CDatabase& operator=(const CDatabase&) = delete;

    // `connect` may carry ";PWD=..."; SQLite files have no password, so it is
    // accepted and not used. The database is always opened read-only.
    void Open(const std::string& path, bool exclusive = false, bool readOnly = true,
              const std::string& connect = "");
    void Close();
    bool IsOpen() const { return m_db != nullptr; }
    const std::string& GetName() const { return m_path; }
    sqlite3* Handle() const { return m_db; }

    // Throws the engine's error for the first of the given FROM sources (a
    // table, or tables joined by commas) that this database cannot read: a
    // file without the tables a library reads is refused when it is opened,
    // not at its first lookup.
    void RequireTables(const std::vector<std::string>& sources);

    // Compiled statements are kept for reuse: the reference tables are read
    // by the same few statements over and over, and compiling one costs more
    // than running it. A statement handed out is the caller's until it is
    // given back; one given back has been reset and its values cleared.
    // Returns an SQLite result code.
    int AcquireStatement(const std::string& sql, sqlite3_stmt** stmt);
    void ReleaseStatement(sqlite3_stmt* stmt);

private:
    void FinalizeStatements();

    sqlite3* m_db = nullptr;
    std::string m_path;
    std::unordered_map<std::string, std::vector<sqlite3_stmt*>> m_idle;
};

// A value bound to a filter's placeholder.
using DbValue = std::variant<int64_t, double, std::string>;

class CRecordset;

// Binds the columns of a recordset to its members, in binding order.
class CFieldExchange {
public:
    void Long(const char* column, int32_t& value);
    void Short(const char* column, int16_t& value);
    void Bool(const char* column, int32_t& value); // a yes/no column, true read as 1
    void Double(const char* column, double& value);
    void Text(const char* column, std::string& value);

private:
    friend class CRecordset;
    enum Operation { collectColumns, readRow };
    CFieldExchange(Operation op, sqlite3_stmt* stmt) : m_op(op), m_stmt(stmt) {}
    bool Next(const char* column);

    Operation m_op;
    sqlite3_stmt* m_stmt;
    int m_index = 0;
    std::vector<std::string> m_columns;
    std::vector<bool> m_nulls;
};

// A recordset on one table or a fixed join: SELECT of the bound columns from
// the default SQL, WHERE the filter, ORDER BY the sort. Values of the filter
// are bound as parameters, never pasted into the SQL text.
class CRecordset {
public:
    explicit CRecordset(CDatabase* database) : m_pDatabase(database) {}
    virtual ~CRecordset();
    CRecordset(const CRecordset&) = delete;
    CRecordset& operator=(const CRecordset&) = delete;

    virtual std::string GetDefaultSQL() const = 0;
    virtual void DoFieldExchange(CFieldExchange& fx) = 0;
    // The database file a recordset constructed without a database opens by
    // itself (read-only); empty when the recordset has none of its own.
    virtual std::string GetDefaultDBName() const { return {}; }
    // The order of the rows when no sort is set: the table's own order (the
    // reference data is inserted in the intended order). Empty: unspecified.
    virtual std::string GetTableOrder() const { return {}; }

    // Opens and moves to the first row (IsEOF when there is none).
    virtual void Open();
    void Close();
    bool IsOpen() const { return m_stmt != nullptr; }
    bool IsEOF() const { return m_eof; }
    void MoveNext();
    void MoveFirst();
    // Whether the column at `index` (binding order) of the current row is NULL.
    bool IsFieldNull(int index) const;
    // The statement that Open runs (with '?' for the filter's values).
    std::string GetSQL() const;

    // The filter: terms joined with " AND ". Text compares ignoring case, as
    // the reference databases always have.
    void ClearFilter();
    void AddFilterTerm(const std::string& column, const char* op, DbValue value);
    // A condition without values (a join condition).
    void AddFilterCondition(const std::string& condition);
    // A condition with a '?' for each of its values, in order (a group of
    // terms joined with OR, which AddFilterTerm cannot build).
    void AddFilterCondition(const std::string& condition, std::vector<DbValue> values);
    const std::string& GetFilter() const { return m_strFilter; }
    const std::vector<DbValue>& GetFilterValues() const { return m_filterValues; }

    std::string m_strSort;

protected:
    CDatabase* m_pDatabase;

private:
    void Fetch();
    std::unique_ptr<CDatabase> m_ownDatabase; // opened from GetDefaultDBName
    [[noreturn]] void ThrowEngineError(int code) const;

    std::string m_strFilter;
    std::vector<DbValue> m_filterValues;
    sqlite3_stmt* m_stmt = nullptr;
    bool m_eof = true;
    std::vector<bool> m_nulls;
};

} // namespace fw
