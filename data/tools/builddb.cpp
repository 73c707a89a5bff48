// Builds a reference database file from SQL text files: the schema and the
// rows are reviewed as text, the programs read the built SQLite file.

#include <sqlite3.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: builddb OUT.db IN.sql...\n");
        return 2;
    }
    std::string out = argv[1];
    std::string tmp = out + ".tmp";
    std::remove(tmp.c_str());
    sqlite3* db = nullptr;
    if (sqlite3_open(tmp.c_str(), &db) != SQLITE_OK) {
        std::fprintf(stderr, "builddb: cannot create %s: %s\n", tmp.c_str(), sqlite3_errmsg(db));
        return 1;
    }
    char* err = nullptr;
    sqlite3_exec(db, "PRAGMA journal_mode=OFF; BEGIN;", nullptr, nullptr, &err);
    for (int i = 2; i < argc; ++i) {
        std::ifstream in(argv[i], std::ios::binary);
        if (!in) {
            std::fprintf(stderr, "builddb: cannot read %s\n", argv[i]);
            sqlite3_close(db);
            return 1;
        }
        std::stringstream text;
        text << in.rdbuf();
        if (sqlite3_exec(db, text.str().c_str(), nullptr, nullptr, &err) != SQLITE_OK) {
            std::fprintf(stderr, "builddb: %s: %s\n", argv[i], err ? err : "error");
            sqlite3_free(err);
            sqlite3_close(db);
            std::remove(tmp.c_str());
            return 1;
        }
    }
    if (sqlite3_exec(db, "COMMIT; VACUUM;", nullptr, nullptr, &err) != SQLITE_OK) {
        std::fprintf(stderr, "builddb: %s\n", err ? err : "error");
        sqlite3_close(db);
        return 1;
    }
    sqlite3_close(db);
    if (std::rename(tmp.c_str(), out.c_str()) != 0) {
        std::fprintf(stderr, "builddb: cannot write %s\n", out.c_str());
        return 1;
    }
    return 0;
}
