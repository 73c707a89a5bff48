// The main of every test program: the main program's string table, the "C"
// numeric locale and an offscreen widget application, as the programs have.

#include "framework/ProgramFolder.h"
#include "resources/StringTables.h"

#include <QApplication>
#include <gtest/gtest.h>

#include <cstdlib>

int main(int argc, char** argv) {
    if (!std::getenv("QT_QPA_PLATFORM"))
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication app(argc, argv);
    fw::ForceCLocale();
    RegisterTovarineStrings();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
