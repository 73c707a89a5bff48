#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace fw {

// What an update handler may say about one command: enabled, check mark,
// text, and (for the recently-used entries) whether it is shown at all.
class CCmdUI {
public:
    explicit CCmdUI(unsigned id) : m_nID(id) {}

    void Enable(bool on = true) { m_enabled = on; }
    void SetCheck(int check = 1) { m_check = check; }
    void SetText(const std::string& text) { m_text = text; }
    void SetVisible(bool on) { m_visible = on; }

    bool IsEnabled() const { return m_enabled.value_or(false); }
    bool HasEnableState() const { return m_enabled.has_value(); }
    std::optional<int> GetCheck() const { return m_check; }
    const std::optional<std::string>& GetText() const { return m_text; }
    bool IsVisible() const { return m_visible; }

    unsigned m_nID;

private:
    std::optional<bool> m_enabled;
    std::optional<int> m_check;
    std::optional<std::string> m_text;
    bool m_visible = true;
};

// A receiver of commands: the stand-in for a message map. A target declares
// its command handlers and update handlers by id or id range; the frame walks
// a route of targets and the first one with a handler takes the command.
class CCmdTarget {
public:
    CCmdTarget() = default;
    CCmdTarget(const CCmdTarget&) = delete;
    CCmdTarget& operator=(const CCmdTarget&) = delete;
    virtual ~CCmdTarget() = default;

    // Runs the command handler of id; false when this target has none.
    virtual bool OnCmdMsg(unsigned id);
    // Runs the update handler of the command; false when this target has none.
    virtual bool OnUpdateCmdMsg(CCmdUI& ui);
    virtual bool HasCommandHandler(unsigned id) const;

protected:
    void OnCommand(unsigned id, std::function<void()> handler);
    void OnCommandRange(unsigned first, unsigned last, std::function<void(unsigned)> handler);
    void OnUpdateCommandUI(unsigned id, std::function<void(CCmdUI&)> handler);
    void OnUpdateCommandUIRange(unsigned first, unsigned last,
                                std::function<void(CCmdUI&)> handler);

private:
    struct CommandEntry {
        unsigned first;
        unsigned last;
        std::function<void(unsigned)> handler;
    };
    struct UpdateEntry {
        unsigned first;
        unsigned last;
        std::function<void(CCmdUI&)> handler;
    };
    const CommandEntry* FindCommand(unsigned id) const;

    std::vector<CommandEntry> m_commands;
    std::vector<UpdateEntry> m_updates;
};

// Gives a command to the first target of the route that handles it; false
// when none does. Null entries of the route are skipped.
bool RouteCommand(const std::vector<CCmdTarget*>& route, unsigned id);

// Fills ui from the first update handler on the route. Without one, the
// command is enabled exactly when some target has a handler for it, so a
// command that nobody handles shows disabled.
void RouteUpdate(const std::vector<CCmdTarget*>& route, CCmdUI& ui);

} // namespace fw
