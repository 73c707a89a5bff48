// Command routing and enabling: the first target with a handler takes a
// command; an update handler decides the state, else a command handler
// anywhere on the route enables it.

#include "framework/CmdTarget.h"

#include <gtest/gtest.h>

#include <optional>

#include <string>
#include <vector>

namespace {

class Target : public fw::CCmdTarget {
public:
    explicit Target(std::string name) : m_name(std::move(name)) {}
    void Handle(unsigned id, std::vector<std::string>* log) {
        OnCommand(id, [this, log] { log->push_back(m_name); });
    }
    void Update(unsigned id, bool enable, int check) {
        OnUpdateCommandUI(id, [enable, check](fw::CCmdUI& ui) {
            ui.Enable(enable);
            ui.SetCheck(check);
        });
    }
    void HandleRange(unsigned first, unsigned last, std::vector<unsigned>* got) {
        OnCommandRange(first, last, [got](unsigned id) { got->push_back(id); });
    }

private:
    std::string m_name;
};

} // namespace

TEST(CommandRouting, FirstTargetWithAHandlerTakesTheCommand) {
    std::vector<std::string> log;
    Target view("view"), doc("doc"), frame("frame");
    doc.Handle(1, &log);
    frame.Handle(1, &log);
    frame.Handle(2, &log);
    std::vector<fw::CCmdTarget*> route{&view, nullptr, &doc, &frame};
    EXPECT_TRUE(fw::RouteCommand(route, 1));
    EXPECT_TRUE(fw::RouteCommand(route, 2));
    EXPECT_FALSE(fw::RouteCommand(route, 3));
    EXPECT_EQ(log, (std::vector<std::string>{"doc", "frame"}));
}

TEST(CommandRouting, EnablingFollowsHandlersAlongTheRoute) {
    std::vector<std::string> log;
    Target view("view"), doc("doc"), app("app");
    app.Handle(10, &log);     // command handler only: enabled
    doc.Update(11, false, 1); // update handler: its word counts
    app.Handle(11, &log);
    view.Update(12, true, 0); // update handler without a command
    struct Case {
        unsigned id;
        bool enabled;
        std::optional<int> check;
    } cases[] = {
        {10, true, std::nullopt}, {11, false, 1}, {12, true, 0}, {13, false, std::nullopt}};
    for (const Case& c : cases) {
        fw::CCmdUI ui(c.id);
        fw::RouteUpdate({&view, &doc, &app}, ui);
        EXPECT_EQ(ui.IsEnabled(), c.enabled) << c.id;
        EXPECT_EQ(ui.GetCheck(), c.check) << c.id;
    }
}

namespace {

class BaseTarget : public fw::CCmdTarget {
public:
    explicit BaseTarget(std::vector<std::string>* log) {
        OnCommand(5, [log] { log->push_back("base"); });
    }
};

class DerivedTarget : public BaseTarget {
public:
    explicit DerivedTarget(std::vector<std::string>* log) : BaseTarget(log) {
        OnCommand(5, [log] { log->push_back("derived"); });
    }
};

} // namespace

TEST(CommandRouting, DerivedHandlerOverridesItsBase) {
    std::vector<std::string> log;
    DerivedTarget t(&log);
    fw::RouteCommand({&t}, 5);
    EXPECT_EQ(log, std::vector<std::string>{"derived"});
}

TEST(CommandRouting, RangeHandlerGetsTheId) {
    std::vector<unsigned> got;
    Target t("t");
    t.HandleRange(57616, 57619, &got);
    EXPECT_TRUE(fw::RouteCommand({&t}, 57618));
    EXPECT_FALSE(fw::RouteCommand({&t}, 57620));
    EXPECT_EQ(got, std::vector<unsigned>{57618});
}
