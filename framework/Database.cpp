#include "Database.h"

#include <sqlite3.h>

namespace fw {

namespace {

[[noreturn]] void ThrowSqlite(sqlite3* db, int code, const std::string& where) {
    CDbErrorInfo info;
    info.m_lErrorCode = db ? sqlite3_extended_errcode(db) : code;
    info.m_strSource = "SQLite";
    info.m_strDescription = db ? sqlite3_errmsg(db) : sqlite3_errstr(code);
    if (!where.empty())
        info.m_strDescription += " (" + where + ")";
    throw CDbException(std::move(info), 0);
}

} // namespace

CDatabase::~CDatabase() {
    Close();
}

void CDatabase::Open(const std::string& path, bool, bool, const std::string&) {
    Close();
    sqlite3* db = nullptr;
    int rc =
        sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READONLY | SQLITE_OPEN_NOMUTEX, nullptr);
    if (rc != SQLITE_OK) {
        CDbErrorInfo info{rc, "SQLite",
                          std::string(db ? sqlite3_errmsg(db) : sqlite3_errstr(rc)) + " (" + path +
                              ")"};
        sqlite3_close(db);
        throw CDbException(std::move(info), 0);
    }
    // Nothing writes a reference database while it is open, so the
    // connection keeps the shared (read) lock it takes at its first read
    // instead of taking and dropping it around every statement; other readers
    // are not hindered. On a read-only connection this mode never takes more
    // than the shared lock.
    sqlite3_exec(db, "PRAGMA locking_mode=EXCLUSIVE", nullptr, nullptr, nullptr);
    // SQLite opens lazily: read the schema now so that a damaged file fails
    // here and not in the middle of a lookup.
    sqlite3_stmt* probe = nullptr;
    rc = sqlite3_prepare_v2(db, "SELECT count(*) FROM sqlite_master", -1, &probe, nullptr);
    if (rc == SQLITE_OK)
        rc = sqlite3_step(probe);
    sqlite3_finalize(probe);
    if (rc != SQLITE_ROW) {
        CDbErrorInfo info{sqlite3_extended_errcode(db), "SQLite",
                          std::string(sqlite3_errmsg(db)) + " (" + path + ")"};
        sqlite3_close(db);
        throw CDbException(std::move(info), 0);
    }
    m_db = db;
    m_path = path;
}

void CDatabase::RequireTables(const std::vector<std::string>& sources) {
    if (!m_db)
        throw CDbException(CDbErrorInfo{SQLITE_MISUSE, "SQLite", "The database is not open."}, 0);
    for (const std::string& source : sources) {
        // Compiling the statement is enough: it fails on a missing table and
        // reads no row.
        sqlite3_stmt* stmt = nullptr;
        int rc = sqlite3_prepare_v2(m_db, ("SELECT * FROM " + source + " LIMIT 0").c_str(), -1,
                                    &stmt, nullptr);
        sqlite3_finalize(stmt);
        if (rc != SQLITE_OK)
            ThrowSqlite(m_db, rc, "");
    }
}

void CDatabase::Close() {
    if (m_db) {
        FinalizeStatements();
        sqlite3_close_v2(m_db);
        m_db = nullptr;
    }
}

int CDatabase::AcquireStatement(const std::string& sql, sqlite3_stmt** stmt) {
    *stmt = nullptr;
    if (!m_db)
        return SQLITE_MISUSE;
    auto it = m_idle.find(sql);
    if (it != m_idle.end() && !it->second.empty()) {
        *stmt = it->second.back();
        it->second.pop_back();
        return SQLITE_OK;
    }
    int rc = sqlite3_prepare_v2(m_db, sql.c_str(), -1, stmt, nullptr);
    if (rc != SQLITE_OK) {
        sqlite3_finalize(*stmt);
        *stmt = nullptr;
    }
    return rc;
}

void CDatabase::ReleaseStatement(sqlite3_stmt* stmt) {
    if (!stmt)
        return;
    // A statement of another connection (this one closed or reopened since)
    // is not kept.
    if (!m_db || sqlite3_db_handle(stmt) != m_db) {
        sqlite3_finalize(stmt);
        return;
    }
    sqlite3_reset(stmt);
    sqlite3_clear_bindings(stmt);
    m_idle[sqlite3_sql(stmt)].push_back(stmt);
}

void CDatabase::FinalizeStatements() {
    for (auto& [sql, stmts] : m_idle)
        for (sqlite3_stmt* stmt : stmts)
            sqlite3_finalize(stmt);
    m_idle.clear();
}

bool CFieldExchange::Next(const char* column) {
    if (m_op == collectColumns) {
        m_columns.emplace_back(column);
        return false;
    }
    m_nulls.push_back(sqlite3_column_type(m_stmt, m_index) == SQLITE_NULL);
    return true;
}

void CFieldExchange::Long(const char* column, int32_t& value) {
    if (Next(column))
        value = static_cast<int32_t>(sqlite3_column_int64(m_stmt, m_index));
    ++m_index;
}

void CFieldExchange::Short(const char* column, int16_t& value) {
    if (Next(column))
        value = static_cast<int16_t>(sqlite3_column_int(m_stmt, m_index));
    ++m_index;
}

void CFieldExchange::Bool(const char* column, int32_t& value) {
    if (Next(column))
        value = sqlite3_column_int64(m_stmt, m_index) != 0 ? 1 : 0;
    ++m_index;
}

void CFieldExchange::Double(const char* column, double& value) {
    if (Next(column))
        value = sqlite3_column_double(m_stmt, m_index);
    ++m_index;
}

void CFieldExchange::Text(const char* column, std::string& value) {
    if (Next(column)) {
        auto text = sqlite3_column_text(m_stmt, m_index);
        value = text ? reinterpret_cast<const char*>(text) : "";
    }
    ++m_index;
}

CRecordset::~CRecordset() {
    Close();
}

void CRecordset::ClearFilter() {
    m_strFilter.clear();
    m_filterValues.clear();
}

void CRecordset::AddFilterTerm(const std::string& column, const char* op, DbValue value) {
    if (!m_strFilter.empty())
        m_strFilter += " AND ";
    m_strFilter += column + " " + op + " ?";
    if (std::holds_alternative<std::string>(value))
        m_strFilter += " COLLATE NOCASE";
    m_filterValues.push_back(std::move(value));
}

void CRecordset::AddFilterCondition(const std::string& condition) {
    if (!m_strFilter.empty())
        m_strFilter += " AND ";
    m_strFilter += condition;
}

void CRecordset::AddFilterCondition(const std::string& condition, std::vector<DbValue> values) {
    AddFilterCondition(condition);
    for (auto& value : values)
        m_filterValues.push_back(std::move(value));
}

std::string CRecordset::GetSQL() const {
    CFieldExchange fx(CFieldExchange::collectColumns, nullptr);
    const_cast<CRecordset*>(this)->DoFieldExchange(fx);
    std::string sql = "SELECT ";
    for (size_t i = 0; i < fx.m_columns.size(); ++i)
        sql += (i ? "," : "") + fx.m_columns[i];
    sql += " FROM " + GetDefaultSQL();
    if (!m_strFilter.empty())
        sql += " WHERE " + m_strFilter;
    if (!m_strSort.empty())
        sql += " ORDER BY " + m_strSort;
    else if (std::string order = GetTableOrder(); !order.empty())
        sql += " ORDER BY " + order;
    return sql;
}

void CRecordset::ThrowEngineError(int code) const {
    ThrowSqlite(m_pDatabase ? m_pDatabase->Handle() : nullptr, code, "");
}

void CRecordset::Open() {
    Close();
    if (!m_pDatabase) {
        if (std::string name = GetDefaultDBName(); !name.empty()) {
            auto own = std::make_unique<CDatabase>();
            own->Open(name);
            m_ownDatabase = std::move(own);
            m_pDatabase = m_ownDatabase.get();
        }
    }
    if (!m_pDatabase || !m_pDatabase->IsOpen())
        throw CDbException(CDbErrorInfo{SQLITE_MISUSE, "SQLite", "The database is not open."}, 0);
    std::string sql = GetSQL();
    int rc = m_pDatabase->AcquireStatement(sql, &m_stmt);
    if (rc != SQLITE_OK)
        ThrowEngineError(rc);
    for (size_t i = 0; i < m_filterValues.size(); ++i) {
        int n = static_cast<int>(i + 1);
        const DbValue& v = m_filterValues[i];
        if (auto p = std::get_if<int64_t>(&v))
            rc = sqlite3_bind_int64(m_stmt, n, *p);
        else if (auto d = std::get_if<double>(&v))
            rc = sqlite3_bind_double(m_stmt, n, *d);
        else
            rc = sqlite3_bind_text(m_stmt, n, std::get<std::string>(v).c_str(), -1,
                                   SQLITE_TRANSIENT);
        if (rc != SQLITE_OK) {
            Close();
            ThrowEngineError(rc);
        }
    }
    Fetch();
}

void CRecordset::Fetch() {
    int rc = sqlite3_step(m_stmt);
    if (rc == SQLITE_DONE) {
        m_eof = true;
        m_nulls.clear();
        return;
    }
    if (rc != SQLITE_ROW) {
        sqlite3* db = m_pDatabase->Handle();
        CDbErrorInfo info{sqlite3_extended_errcode(db), "SQLite", sqlite3_errmsg(db)};
        Close();
        throw CDbException(std::move(info), 0);
    }
    m_eof = false;
    CFieldExchange fx(CFieldExchange::readRow, m_stmt);
    DoFieldExchange(fx);
    m_nulls = std::move(fx.m_nulls);
}

void CRecordset::MoveNext() {
    if (!m_stmt || m_eof)
        throw CDbException(CDbErrorInfo{SQLITE_MISUSE, "SQLite", "No current record."}, 0);
    Fetch();
}

void CRecordset::MoveFirst() {
    if (!m_stmt)
        throw CDbException(CDbErrorInfo{SQLITE_MISUSE, "SQLite", "The recordset is not open."}, 0);
    sqlite3_reset(m_stmt);
    Fetch();
}

bool CRecordset::IsFieldNull(int index) const {
    return index >= 0 && static_cast<size_t>(index) < m_nulls.size() && m_nulls[index];
}

void CRecordset::Close() {
    if (m_stmt) {
        m_pDatabase->ReleaseStatement(m_stmt);
        m_stmt = nullptr;
    }
    m_eof = true;
    m_nulls.clear();
}

} // namespace fw
