#include "resources/StringTables.h"

#include "framework/StringTable.h"

extern const char* const kZedezuziStringTable;

void RegisterZedezuziStrings() {
    fw::RegisterStringTable(kZedezuziStringTable);
}
