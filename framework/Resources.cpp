#include "Resources.h"

#include "CmdTarget.h"
#include "CommandIds.h"
#include "StringTable.h"

#include <QAction>
#include <QIcon>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <QPixmap>
#include <QToolBar>
#include <QVariant>

#include <map>
#include <sstream>
#include <stdexcept>

namespace fw {

namespace {

struct Registry {
    std::map<unsigned, CMenuResource> menus;
    std::map<unsigned, CToolBarResource> toolbars;
    std::map<unsigned, std::string> bitmaps;
    std::map<unsigned, std::string> icons;
};

Registry& Resources() {
    static Registry registry;
    return registry;
}

const char* const kIdProperty = "controlId";

// Splits a line into words; a quoted word keeps its blanks and reads \t, \"
// and \\ as a tab, a quote and a backslash.
std::vector<std::string> Tokenize(const std::string& line, int lineNo) {
    std::vector<std::string> words;
    size_t i = 0;
    while (i < line.size()) {
        char c = line[i];
        if (c == ' ' || c == '\t' || c == '\r') {
            ++i;
            continue;
        }
        if (c == '#')
            break;
        std::string word;
        if (c == '"') {
            ++i;
            bool closed = false;
            while (i < line.size()) {
                char d = line[i++];
                if (d == '"') {
                    closed = true;
                    break;
                }
                if (d == '\\' && i < line.size()) {
                    char e = line[i++];
                    word += e == 't' ? '\t' : e;
                } else {
                    word += d;
                }
            }
            if (!closed)
                throw std::invalid_argument("resource line " + std::to_string(lineNo) +
                                            ": unterminated text");
        } else {
            while (i < line.size() && line[i] != ' ' && line[i] != '\t' && line[i] != '\r')
                word += line[i++];
        }
        words.push_back(word);
    }
    return words;
}

unsigned ToId(const std::string& word, int lineNo) {
    try {
        size_t used = 0;
        unsigned long v = std::stoul(word, &used);
        if (used == word.size() && v <= 0xFFFFFFFFul)
            return static_cast<unsigned>(v);
    } catch (const std::exception&) {
    }
    throw std::invalid_argument("resource line " + std::to_string(lineNo) + ": \"" + word +
                                "\" is not a number");
}

[[noreturn]] void Fail(int lineNo, const std::string& what) {
    throw std::invalid_argument("resource line " + std::to_string(lineNo) + ": " + what);
}

} // namespace

void RegisterResourceScript(const std::string& text) {
    Registry reg;
    std::istringstream in(text);
    std::string line;
    int lineNo = 0;
    enum State { top, inToolbar, inMenu } state = top;
    CToolBarResource toolbar;
    CMenuResource menu;
    std::vector<std::vector<CMenuItem>*> stack;
    while (std::getline(in, line)) {
        ++lineNo;
        std::vector<std::string> w = Tokenize(line, lineNo);
        if (w.empty())
            continue;
        if (state == top) {
            if ((w[0] == "bitmap" || w[0] == "icon") && w.size() == 3) {
                auto& map = w[0] == "bitmap" ? reg.bitmaps : reg.icons;
                map[ToId(w[1], lineNo)] = w[2];
            } else if (w[0] == "toolbar" && w.size() == 5) {
                toolbar = CToolBarResource{};
                toolbar.id = ToId(w[1], lineNo);
                toolbar.width = static_cast<int>(ToId(w[2], lineNo));
                toolbar.height = static_cast<int>(ToId(w[3], lineNo));
                toolbar.image = w[4];
                state = inToolbar;
            } else if (w[0] == "menu" && w.size() == 2) {
                menu = CMenuResource{};
                menu.id = ToId(w[1], lineNo);
                stack = {&menu.items};
                state = inMenu;
            } else {
                Fail(lineNo, "unknown statement \"" + w[0] + "\"");
            }
        } else if (state == inToolbar) {
            if (w.size() == 1 && w[0] == "end") {
                reg.toolbars[toolbar.id] = toolbar;
                state = top;
                continue;
            }
            for (const std::string& word : w)
                toolbar.buttons.push_back(ToId(word, lineNo));
        } else {
            if (w[0] == "end" && w.size() == 1) {
                stack.pop_back();
                if (stack.empty()) {
                    reg.menus[menu.id] = menu;
                    state = top;
                }
            } else if (w[0] == "popup" && w.size() == 2) {
                CMenuItem popup;
                popup.kind = CMenuItem::popup;
                popup.text = w[1];
                stack.back()->push_back(popup);
                stack.push_back(&stack.back()->back().items);
            } else if (w[0] == "item" && w.size() == 3) {
                CMenuItem item;
                item.id = ToId(w[1], lineNo);
                item.text = w[2];
                stack.back()->push_back(item);
            } else if (w[0] == "separator" && w.size() == 1) {
                CMenuItem sep;
                sep.kind = CMenuItem::separator;
                stack.back()->push_back(sep);
            } else {
                Fail(lineNo, "unknown menu statement \"" + w[0] + "\"");
            }
        }
    }
    if (state != top)
        Fail(lineNo, "missing \"end\"");
    Resources() = std::move(reg);
}

const CMenuResource* FindMenuResource(unsigned id) {
    auto it = Resources().menus.find(id);
    return it == Resources().menus.end() ? nullptr : &it->second;
}

const CToolBarResource* FindToolBarResource(unsigned id) {
    auto it = Resources().toolbars.find(id);
    return it == Resources().toolbars.end() ? nullptr : &it->second;
}

QPixmap LoadBitmapResource(unsigned id) {
    auto it = Resources().bitmaps.find(id);
    if (it == Resources().bitmaps.end())
        return {};
    return QPixmap(QString::fromStdString(it->second));
}

QIcon LoadIconResource(unsigned id) {
    auto it = Resources().icons.find(id);
    if (it == Resources().icons.end())
        return {};
    return QIcon(QString::fromStdString(it->second));
}

QIcon LoadCommandIcon(unsigned commandId) {
    for (const auto& [id, bar] : Resources().toolbars) {
        int tile = 0;
        for (unsigned button : bar.buttons) {
            if (button == 0)
                continue;
            if (button == commandId) {
                QPixmap strip(QString::fromStdString(bar.image));
                if (strip.isNull() || strip.width() < (tile + 1) * bar.width)
                    return {};
                return QIcon(strip.copy(tile * bar.width, 0, bar.width, bar.height));
            }
            ++tile;
        }
    }
    return {};
}

void SetControlId(QObject* object, unsigned id) {
    object->setProperty(kIdProperty, id);
    if (object->objectName().isEmpty())
        object->setObjectName(QStringLiteral("id%1").arg(id));
}

unsigned GetControlId(const QObject* object) {
    QVariant v = object->property(kIdProperty);
    return v.isValid() ? v.toUInt() : 0;
}

QObject* FindControl(const QObject* parent, unsigned id) {
    for (QObject* child : parent->children()) {
        if (GetControlId(child) == id)
            return child;
    }
    for (QObject* child : parent->children()) {
        if (QObject* found = FindControl(child, id))
            return found;
    }
    return nullptr;
}

QAction* MakeCommandAction(unsigned id, QObject* parent) {
    auto* action = new QAction(parent);
    SetControlId(action, id);
    std::string text;
    if (TryLoadString(id, text)) {
        size_t nl = text.find('\n');
        std::string prompt = text.substr(0, nl);
        std::string tip = nl == std::string::npos ? prompt : text.substr(nl + 1);
        action->setStatusTip(QString::fromStdString(prompt));
        action->setToolTip(QString::fromStdString(tip));
        action->setText(QString::fromStdString(tip));
    }
    QIcon icon = LoadCommandIcon(id);
    if (!icon.isNull())
        action->setIcon(icon);
    return action;
}

void SetActionMenuText(QAction* action, const std::string& menuText) {
    size_t tab = menuText.find('\t');
    QString tip = action->toolTip();
    action->setText(QString::fromStdString(menuText.substr(0, tab)));
    if (tab != std::string::npos)
        action->setShortcut(QKeySequence(QString::fromStdString(menuText.substr(tab + 1))));
    // setText also replaces a tooltip that was never set apart.
    if (!tip.isEmpty())
        action->setToolTip(tip);
}

void ApplyCmdUI(QAction* action, const CCmdUI& ui) {
    action->setEnabled(ui.IsEnabled());
    if (ui.GetCheck()) {
        action->setCheckable(true);
        action->setChecked(*ui.GetCheck() != 0);
    } else if (action->isCheckable()) {
        action->setChecked(false);
    }
    if (ui.GetText())
        action->setText(QString::fromStdString(*ui.GetText()));
    action->setVisible(ui.IsVisible());
}

namespace {

void FillMenu(QMenu* menu, const std::vector<CMenuItem>& items,
              const std::function<QAction*(unsigned)>& actionFor) {
    for (const CMenuItem& item : items) {
        switch (item.kind) {
        case CMenuItem::separator:
            menu->addSeparator();
            break;
        case CMenuItem::popup:
            FillMenu(menu->addMenu(QString::fromStdString(item.text)), item.items, actionFor);
            break;
        case CMenuItem::item:
            if (item.id == id::FILE_MRU_FILE1) {
                for (unsigned mru = id::FILE_MRU_FILE1; mru <= id::FILE_MRU_LAST; ++mru) {
                    QAction* a = actionFor(mru);
                    if (mru == id::FILE_MRU_FILE1)
                        SetActionMenuText(a, item.text);
                    else
                        a->setVisible(false);
                    menu->addAction(a);
                }
                break;
            }
            QAction* a = actionFor(item.id);
            SetActionMenuText(a, item.text);
            menu->addAction(a);
            break;
        }
    }
}

} // namespace

void BuildMenuBar(QMenuBar* bar, const CMenuResource& menu,
                  const std::function<QAction*(unsigned)>& actionFor) {
    for (const CMenuItem& item : menu.items) {
        if (item.kind == CMenuItem::popup) {
            FillMenu(bar->addMenu(QString::fromStdString(item.text)), item.items, actionFor);
        } else if (item.kind == CMenuItem::item) {
            QAction* a = actionFor(item.id);
            SetActionMenuText(a, item.text);
            bar->addAction(a);
        }
    }
}

void BuildToolBar(QToolBar* bar, const CToolBarResource& resource,
                  const std::function<QAction*(unsigned)>& actionFor) {
    for (unsigned button : resource.buttons) {
        if (button == 0)
            bar->addSeparator();
        else
            bar->addAction(actionFor(button));
    }
}

} // namespace fw
