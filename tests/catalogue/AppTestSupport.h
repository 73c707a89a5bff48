#pragma once

// A catalogue program started for a test: the real databases (with every
// open and close logged), its settings in a temporary folder, messages,
// file dialogs and modal dialogs answered by the test.

#include "catalogue/CZedezuziApp.h"
#include "catalogue/CZedezuziDoc.h"
#include "catalogue/CZedezuziView.h"

#include "tests/common/MessageCapture.h"

#include "framework/FileDialog.h"

#include <QTemporaryDir>

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace cattest {

// The libraries' open and close functions, each call logged; the one named
// failing shows a message and gives no database, as a library does.
class LoggedDatabases {
public:
    explicit LoggedDatabases(std::string failing = {}) : m_failing(std::move(failing)) {}
    CDatabaseFunctions Functions();

    std::vector<std::string> calls;

private:
    std::string m_failing;
};

class CStartedCatalogue {
public:
    explicit CStartedCatalogue(std::vector<std::string> arguments = {}, std::string failing = {});
    ~CStartedCatalogue();
    CStartedCatalogue(const CStartedCatalogue&) = delete;
    CStartedCatalogue& operator=(const CStartedCatalogue&) = delete;

    CZedezuziDoc* Doc() const { return app->GetDocument(); }
    CZedezuziView* View() const;
    // Runs a command through the main frame's route.
    void Command(unsigned id);
    // Whether a command is enabled and checked, as its menu would show it.
    bool IsEnabled(unsigned id);
    int Check(unsigned id);
    // The next file dialog chooses this path.
    void ChooseFile(const std::string& path) { m_chosen = path; }
    std::string Path(const std::string& name) const;

    tvtest::MessageCapture messages;
    QTemporaryDir dir;
    LoggedDatabases databases;
    std::unique_ptr<CZedezuziApp> app;
    bool started = false;

private:
    std::optional<std::string> m_chosen;
    fw::FileDialogSink m_previousFileSink;
};

} // namespace cattest
