#pragma once

#include <functional>
#include <string>
#include <vector>

#include <Qt>

class QAction;
class QIcon;
class QMenu;
class QMenuBar;
class QObject;
class QPixmap;
class QToolBar;
class QWidget;

namespace fw {

class CCmdUI;

// One entry of a menu resource: a command, a separator or a popup.
struct CMenuItem {
    enum Kind { item, separator, popup };
    Kind kind = item;
    unsigned id = 0;
    std::string text; // may hold "\t" and the shortcut after it
    std::vector<CMenuItem> items;
};

struct CMenuResource {
    unsigned id = 0;
    std::vector<CMenuItem> items;
};

// A toolbar resource: its buttons in order (0 a separator) and the image
// strip that holds one tile of width x height per button, in button order.
struct CToolBarResource {
    unsigned id = 0;
    int width = 16;
    int height = 15;
    std::string image;
    std::vector<unsigned> buttons;
};

// Registers the resource description of the running program: menus,
// toolbars, bitmaps and icons, each under its number. The text, one
// statement a line ('#' starts a comment):
//   bitmap ID PATH
//   icon ID PATH
//   toolbar ID WIDTH HEIGHT PATH
//       ID ID 0 ID ...          (0 is a separator)
//   end
//   menu ID
//       popup "TEXT"
//           item ID "TEXT"      (\t before a shortcut, \" a quote)
//           separator
//       end
//   end
// Paths are Qt resource paths or files. Throws std::invalid_argument with the
// line number on a malformed description. A later registration replaces all.
void RegisterResourceScript(const std::string& text);

const CMenuResource* FindMenuResource(unsigned id);
const CToolBarResource* FindToolBarResource(unsigned id);
// Null pixmap/icon when the number is not registered or the file is missing.
QPixmap LoadBitmapResource(unsigned id);
QIcon LoadIconResource(unsigned id);
// The toolbar image of a command, from the first toolbar that has it.
QIcon LoadCommandIcon(unsigned commandId);

// The id a widget or action carries, so that code and tests find it by number.
void SetControlId(QObject* object, unsigned id);
unsigned GetControlId(const QObject* object);
// The first child of parent (recursively) that carries id, or null.
QObject* FindControl(const QObject* parent, unsigned id);
template <class T> T* FindControlAs(const QObject* parent, unsigned id) {
    return dynamic_cast<T*>(FindControl(parent, id));
}

// A new action for a command: its id, its prompt as status tip and its
// tooltip from the string table entry of the id ("prompt\ntooltip"), and its
// toolbar image.
QAction* MakeCommandAction(unsigned id, QObject* parent);
// Sets text and shortcut from a menu text ("&New\tCtrl+N").
void SetActionMenuText(QAction* action, const std::string& menuText);
// Puts what the update handler said onto the action.
void ApplyCmdUI(QAction* action, const CCmdUI& ui);

// Fills a menu bar from a menu resource. actionFor gives the action of a
// command; the recently-used entry (the framework's first MRU id) stands for
// the whole range of recently-used commands.
void BuildMenuBar(QMenuBar* bar, const CMenuResource& menu,
                  const std::function<QAction*(unsigned)>& actionFor);
// Fills a toolbar from a toolbar resource.
void BuildToolBar(QToolBar* bar, const CToolBarResource& resource,
                  const std::function<QAction*(unsigned)>& actionFor);

} // namespace fw
