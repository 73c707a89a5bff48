#include "CmdTarget.h"

#include <utility>

namespace fw {

bool CCmdTarget::OnCmdMsg(unsigned id) {
    const CommandEntry* entry = FindCommand(id);
    if (!entry)
        return false;
    // Copy the handler: it may replace this target's tables while it runs.
    auto handler = entry->handler;
    handler(id);
    return true;
}

bool CCmdTarget::OnUpdateCmdMsg(CCmdUI& ui) {
    // The latest declaration wins, so that a derived class overrides the
    // handlers its base declared in its constructor.
    for (auto it = m_updates.rbegin(); it != m_updates.rend(); ++it) {
        if (ui.m_nID >= it->first && ui.m_nID <= it->last) {
            auto handler = it->handler;
            handler(ui);
            return true;
        }
    }
    return false;
}

bool CCmdTarget::HasCommandHandler(unsigned id) const {
    return FindCommand(id) != nullptr;
}

const CCmdTarget::CommandEntry* CCmdTarget::FindCommand(unsigned id) const {
    for (auto it = m_commands.rbegin(); it != m_commands.rend(); ++it) {
        if (id >= it->first && id <= it->last)
            return &*it;
    }
    return nullptr;
}

void CCmdTarget::OnCommand(unsigned id, std::function<void()> handler) {
    m_commands.push_back({id, id, [h = std::move(handler)](unsigned) { h(); }});
}

void CCmdTarget::OnCommandRange(unsigned first, unsigned last,
                                std::function<void(unsigned)> handler) {
    m_commands.push_back({first, last, std::move(handler)});
}

void CCmdTarget::OnUpdateCommandUI(unsigned id, std::function<void(CCmdUI&)> handler) {
    m_updates.push_back({id, id, std::move(handler)});
}

void CCmdTarget::OnUpdateCommandUIRange(unsigned first, unsigned last,
                                        std::function<void(CCmdUI&)> handler) {
    m_updates.push_back({first, last, std::move(handler)});
}

bool RouteCommand(const std::vector<CCmdTarget*>& route, unsigned id) {
    for (CCmdTarget* target : route) {
        if (target && target->OnCmdMsg(id))
            return true;
    }
    return false;
}

void RouteUpdate(const std::vector<CCmdTarget*>& route, CCmdUI& ui) {
    for (CCmdTarget* target : route) {
        if (target && target->OnUpdateCmdMsg(ui)) {
            // An update handler that left the enabled state alone means
            // "enabled", as with any handled command.
            if (!ui.HasEnableState())
                ui.Enable(true);
            return;
        }
    }
    bool handled = false;
    for (CCmdTarget* target : route) {
        if (target && target->HasCommandHandler(ui.m_nID)) {
            handled = true;
            break;
        }
    }
    ui.Enable(handled);
}

} // namespace fw
