#include "tests/catalogue/AppTestSupport.h"

#include "breakerdata/recordsets/DorventaDatabases.h"
#include "equipdata/Sarquine.h"
#include "listdata/Quenlor.h"

#include "framework/CmdTarget.h"
#include "framework/MdiChildFrame.h"
#include "framework/MdiFrame.h"

#include <QCoreApplication>
#include <QDir>
#include <QEvent>

namespace cattest {

CDatabaseFunctions LoggedDatabases::Functions() {
    CDatabaseFunctions f;
    auto open = [this](const std::string& name, auto&& opener) -> fw::CDatabase* {
        calls.push_back("open " + name);
        if (name == m_failing) {
            fw::AppMessageBox("cannot open " + name, fw::mb::Ok | fw::mb::IconStop);
            return nullptr;
        }
        return opener();
    };
    f.openBreaker = [open](CVersion* expected, CVersion* reading) {
        return open("breaker", [&] { return DLLGetMDBDorventa(expected, reading); });
    };
    f.openCurve = [open](CVersion* expected) {
        return open("curve", [&] { return DLLGetMDBOrbelune(expected); });
    };
    f.openList = [open] { return open("list", [] { return DLLGetMDBQuenlor(); }); };
    f.openEquipment = [open] { return open("equipment", [] { return DLLGetMDBSarquine(); }); };
    f.closeBreaker = [this](fw::CDatabase* db) {
        calls.push_back(std::string("close breaker") + (db ? "" : " (none)"));
        DLLDelMDBDorventa(db);
    };
    f.closeCurve = [this](fw::CDatabase* db) {
        calls.push_back(std::string("close curve") + (db ? "" : " (none)"));
        DLLDelMDBOrbelune(db);
    };
    f.closeEquipment = [this](fw::CDatabase* db) {
        calls.push_back(std::string("close equipment") + (db ? "" : " (none)"));
        DLLDelMDBSarquine(db);
    };
    f.closeList = [this](fw::CDatabase* db) {
        calls.push_back(std::string("close list") + (db ? "" : " (none)"));
        DLLDelMDBQuenlor(db);
    };
    return f;
}

CStartedCatalogue::CStartedCatalogue(std::vector<std::string> arguments, std::string failing)
    : databases(std::move(failing)) {
    m_previousFileSink = fw::SetFileDialogSink([this](const fw::FileDialogRequest&) {
        std::optional<std::string> chosen = m_chosen;
        m_chosen.reset();
        return chosen;
    });
    app = std::make_unique<CZedezuziApp>(std::move(arguments), databases.Functions());
    app->SetSettingsFile(Path("settings.ini"));
    started = app->InitInstance();
}

CStartedCatalogue::~CStartedCatalogue() {
    CZedezuziDoc::SetDialogRunner({});
    if (app) {
        app->ExitInstance();
        app.reset();
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    fw::SetFileDialogSink(m_previousFileSink);
}

CZedezuziView* CStartedCatalogue::View() const {
    CZedezuziDoc* doc = Doc();
    if (!doc || doc->GetViews().empty())
        return nullptr;
    return dynamic_cast<CZedezuziView*>(doc->GetViews().front());
}

void CStartedCatalogue::Command(unsigned id) {
    app->GetMainFrame()->ExecuteCommand(id);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

bool CStartedCatalogue::IsEnabled(unsigned id) {
    fw::CCmdUI ui(id);
    fw::RouteUpdate(app->GetMainFrame()->GetCommandRoute(), ui);
    return ui.IsEnabled();
}

int CStartedCatalogue::Check(unsigned id) {
    fw::CCmdUI ui(id);
    fw::RouteUpdate(app->GetMainFrame()->GetCommandRoute(), ui);
    return ui.GetCheck().value_or(0);
}

std::string CStartedCatalogue::Path(const std::string& name) const {
    return QDir(dir.path()).filePath(QString::fromStdString(name)).toStdString();
}

} // namespace cattest
