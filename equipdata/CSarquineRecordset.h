#pragma once

#include "framework/Database.h"

#include <string>

// What every recordset of the equipment database shares: the database file,
// the connect string, and the reading of a value that a row may lack.
class CSarquineRecordset : public fw::CRecordset {
public:
    // Without a database the recordset opens the equipment database itself
    // (GetDefaultDBName) when it is opened, and closes it with itself.
    explicit CSarquineRecordset(fw::CDatabase* database = nullptr);

    // The full path of the equipment database beside the running program.
    static std::string DatabasePath();
    std::string GetDefaultDBName() const override { return DatabasePath(); }
    // ";PWD=" and the database password; the engine accepts and ignores it.
    static std::string GetConnect();

protected:
    // A double column of the current row (binding index), or -1.0 when the
    // row lacks it: the element models show -1.0 as "No data".
    double ValueOrNoData(int index, double value) const;
};
