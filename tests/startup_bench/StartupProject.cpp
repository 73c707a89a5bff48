// Writes the project the start-up is timed on: the generated project of
// 2,000 elements the document benchmark saves and opens.

#include "tests/doc_bench/GeneratedProject.h"

#include "app/records/ModelDatabases.h"
#include "app/shell/model/CTovarineDocData.h"
#include "equipdata/Sarquine.h"
#include "framework/CompoundFile.h"
#include "framework/ProgramFolder.h"
#include "listdata/Quenlor.h"
#include "resources/StringTables.h"

#include <QCoreApplication>

#include <cstdio>
#include <exception>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: startup_project FILE\n");
        return 2;
    }
    fw::ForceCLocale();
    RegisterTovarineStrings();
    // The elements are set up from the reference databases, as when placed.
    fw::CDatabase* equipment = DLLGetMDBSarquine();
    fw::CDatabase* list = DLLGetMDBQuenlor();
    CModelDatabases dbs;
    dbs.pEquip = equipment;
    dbs.pList = list;
    SetModelDatabases(dbs);
    int code = 0;
    {
        CTovarineDocData doc;
        benchproject::Generate(doc, 200);
        try {
            benchproject::SaveFile(doc, argv[1]);
        } catch (const std::exception& e) {
            std::fprintf(stderr, "%s: %s\n", argv[1], e.what());
            code = 1;
        }
    }
    SetModelDatabases(CModelDatabases());
    DLLDelMDBQuenlor(list);
    DLLDelMDBSarquine(equipment);
    return code;
}
