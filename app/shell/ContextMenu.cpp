#include "ContextMenu.h"

#include "framework/MdiChildFrame.h"
#include "framework/MdiFrame.h"
#include "framework/Resources.h"

#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QWidget>

#include <functional>
#include <vector>

void DoTrackContextMenu(QWidget* view, fw::CMDIChildWnd* frame, unsigned menu,
                        const std::string& popup, fw::CPoint point) {
    const fw::CMenuResource* resource = fw::FindMenuResource(menu);
    if (!resource || !frame || !frame->GetMDIFrame())
        return;
    const fw::CMenuItem* items = nullptr;
    for (const fw::CMenuItem& item : resource->items) {
        if (item.kind == fw::CMenuItem::popup && item.text == popup)
            items = &item;
    }
    if (!items)
        return;
    std::vector<fw::CCmdTarget*> route = frame->GetMDIFrame()->GetCommandRoute(frame);
    QMenu qmenu(view);
    std::function<void(QMenu*, const std::vector<fw::CMenuItem>&)> fill =
        [&](QMenu* into, const std::vector<fw::CMenuItem>& entries) {
            for (const fw::CMenuItem& entry : entries) {
                if (entry.kind == fw::CMenuItem::separator) {
                    into->addSeparator();
                } else if (entry.kind == fw::CMenuItem::popup) {
                    fill(into->addMenu(QString::fromStdString(entry.text)), entry.items);
                } else {
                    QAction* action = fw::MakeCommandAction(entry.id, into);
                    fw::SetActionMenuText(action, entry.text);
                    action->setShortcut(QKeySequence());
                    fw::CCmdUI ui(entry.id);
                    fw::RouteUpdate(route, ui);
                    fw::ApplyCmdUI(action, ui);
                    const unsigned id = entry.id;
                    QObject::connect(action, &QAction::triggered, frame,
                                     [frame, id] { frame->ExecuteCommand(id); });
                    into->addAction(action);
                }
            }
        };
    fill(&qmenu, items->items);
    qmenu.exec(view->mapToGlobal(QPoint(point.x, point.y)));
}
