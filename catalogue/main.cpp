// The catalogue program: the application object runs the start-up, the event
// loop and the shut-down.

#include "catalogue/CZedezuziApp.h"

#include "framework/ProgramFolder.h"
#include "resources/StringTables.h"

#include <QApplication>
#include <QStringList>

#include <string>
#include <vector>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    fw::ForceCLocale();
    RegisterZedezuziStrings();

    // The arguments Qt left: the document to open and the program's switches.
    std::vector<std::string> arguments;
    QStringList args = QApplication::arguments();
    for (qsizetype i = 1; i < args.size(); ++i)
        arguments.push_back(args[i].toStdString());

    CZedezuziApp theApp(std::move(arguments));
    return theApp.Run();
}
