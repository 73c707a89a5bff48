#include "resources/StringTables.h"

#include "framework/StringTable.h"

extern const char* const kTovarineStringTable;

void RegisterTovarineStrings() {
    fw::RegisterStringTable(kTovarineStringTable);
}
