// The main of the model, calculation and data tests: the main program's
// string table and the "C" numeric locale, with a GUI application (fonts and
// images for drawing tests) but no widget application, as the model has.

#include "framework/ProgramFolder.h"
#include "resources/StringTables.h"

#include <QGuiApplication>
#include <gtest/gtest.h>

#include <cstdlib>

int main(int argc, char** argv) {
    if (!std::getenv("QT_QPA_PLATFORM"))
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QGuiApplication app(argc, argv);
    fw::ForceCLocale();
    RegisterTovarineStrings();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
