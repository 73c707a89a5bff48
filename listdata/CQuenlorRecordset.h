#pragma once

#include "framework/Database.h"

#include <string>

// What every recordset of the list database shares: the database file and
// the connect string.
class CQuenlorRecordset : public fw::CRecordset {
public:
    // Without a database the recordset opens the list database itself
    // (GetDefaultDBName) when it is opened, and closes it with itself.
    explicit CQuenlorRecordset(fw::CDatabase* database = nullptr);

    // The full path of the list database beside the running program.
    static std::string DatabasePath();
    std::string GetDefaultDBName() const override { return DatabasePath(); }
    // ";PWD=" and the database password; the engine accepts and ignores it.
    static std::string GetConnect();
};
