// The program's start as app/main.cpp runs it, on the project given on the
// command line, ended right after the skeleton view's first paint: the time
// until the user sees the project.

#include "FirstPaintQuit.h"

#include "app/shell/CTovarineApp.h"
#include "app/shell/CTovarineView1.h"

#include "framework/ProgramFolder.h"
#include "resources/StringTables.h"

#include <QApplication>
#include <QStringList>

#include <string>
#include <vector>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    FirstPaintQuit quit([](QObject* watched) { return dynamic_cast<CTovarineView1*>(watched); });
    application.installEventFilter(&quit);
    fw::ForceCLocale();
    RegisterTovarineStrings();

    std::vector<std::string> arguments;
    QStringList args = QApplication::arguments();
    for (qsizetype i = 1; i < args.size(); ++i)
        arguments.push_back(args[i].toStdString());

    CTovarineApp theApp(std::move(arguments));
    return theApp.Run();
}
