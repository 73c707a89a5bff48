#pragma once

// What the tests of the program's shell share: fake open and close functions
// of the four databases that record their calls, and a started program with
// its settings in a temporary folder and without the splash window.

#include "app/shell/CMainFrame.h"
#include "app/shell/CSplashWnd.h"
#include "app/shell/CTovarineApp.h"
#include "shellcommon/DatabaseFunctions.h"

#include "framework/CommandIds.h"
#include "framework/Database.h"
#include "framework/DocTemplate.h"
#include "framework/MessageBox.h"
#include "tests/common/FixtureDb.h"

#include <QCoreApplication>
#include <QEvent>

#include <memory>
#include <string>
#include <vector>

namespace shelltest {

inline void FlushDeletes() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// The four databases as the application sees them: each open returns a
// handle (never opened) unless it is the failing one, which shows a message
// as the libraries do and returns null. Every call is logged.
class FakeDatabases {
public:
    explicit FakeDatabases(std::string failing = {}) : m_failing(std::move(failing)) {}

    CDatabaseFunctions Functions() {
        CDatabaseFunctions f;
        f.openBreaker = [this](CVersion* expected, CVersion* reading) {
            m_expected = expected;
            m_reading = reading;
            return Open("breaker");
        };
        f.openCurve = [this](CVersion*) { return Open("curve"); };
        f.openList = [this] { return Open("list"); };
        f.openEquipment = [this] { return Open("equipment"); };
        f.closeBreaker = [this](fw::CDatabase* db) { Close("breaker", db); };
        f.closeCurve = [this](fw::CDatabase* db) { Close("curve", db); };
        f.closeEquipment = [this](fw::CDatabase* db) { Close("equipment", db); };
        f.closeList = [this](fw::CDatabase* db) { Close("list", db); };
        return f;
    }

    std::vector<std::string> calls;
    CVersion* m_expected = nullptr;
    CVersion* m_reading = nullptr;

private:
    fw::CDatabase* Open(const std::string& name) {
        calls.push_back("open " + name);
        if (name == m_failing) {
            fw::AppMessageBox("cannot open " + name, fw::mb::Ok | fw::mb::IconStop);
            return nullptr;
        }
        return new fw::CDatabase;
    }
    void Close(const std::string& name, fw::CDatabase* db) {
        calls.push_back(std::string("close ") + name + (db ? "" : " (none)"));
        delete db;
    }

    std::string m_failing;
};

// A program started with fake databases, its settings in a temporary folder
// and its splash window gone.
class StartedProgram {
public:
    explicit StartedProgram(std::vector<std::string> arguments = {}, std::string failing = {})
        : databases(std::move(failing)) {
        app = std::make_unique<CTovarineApp>(std::move(arguments), databases.Functions());
        app->SetSettingsFile(settings.Path() + "settings.ini");
        started = app->InitInstance();
        CSplashWnd::HideSplashScreen();
        FlushDeletes();
    }
    ~StartedProgram() {
        app.reset();
        FlushDeletes();
    }
    StartedProgram(const StartedProgram&) = delete;
    StartedProgram& operator=(const StartedProgram&) = delete;

    CMainFrame* Main() const { return TovarineMainFrame(); }

    tvtest::TempFolder settings;
    FakeDatabases databases;
    std::unique_ptr<CTovarineApp> app;
    bool started = false;
};

} // namespace shelltest
