#include "CDlgViewGroup.h"

#include "app/records/TovarineIds.h"
#include "app/shell/CTovarineApp.h"
#include "app/shell/CTovarineDoc.h"
#include "app/shell/CTovarineSrvrItem.h"
#include "app/shell/CTovarineView1.h"
#include "app/shell/model/CObjGroup.h"
#include "app/shell/model/CRegistGroup.h"

#include "framework/Archive.h"
#include "framework/DeviceContext.h"
#include "framework/MessageBox.h"
#include "framework/Resources.h"
#include "framework/SafeFile.h"
#include "framework/StringTable.h"

#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QDialogButtonBox>
#include <QDrag>
#include <QFormLayout>
#include <QGuiApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <utility>
#include <vector>

std::function<int(CDlgViewRegistGroup&)> CDlgViewGroup::s_execRegist;
std::function<Qt::DropAction(QMimeData*, Qt::DropActions)> CDlgViewGroup::s_drag;

namespace {

class WaitCursor {
public:
    WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

CObjGroup* GroupOf(const QTreeWidgetItem* item) {
    return item ? reinterpret_cast<CObjGroup*>(item->data(0, Qt::UserRole).value<quintptr>())
                : nullptr;
}

CTovarineDoc* ActiveProject() {
    CTovarineApp* app = TovarineApp();
    return app ? app->GetActiveDocument() : nullptr;
}

// The list: a drag of an entry is the dialog's drag of its group.
class CGroupListCtrl : public QTreeWidget {
public:
    explicit CGroupListCtrl(CDlgViewGroup* owner) : QTreeWidget(owner), m_pOwner(owner) {}

protected:
    void startDrag(Qt::DropActions) override { m_pOwner->DoDragEntry(); }

private:
    CDlgViewGroup* m_pOwner;
};

} // namespace

// ---------------------------------------------------------------- "Registration group"

CDlgViewRegistGroup::CDlgViewRegistGroup(CObjGroup& group, QWidget* parent)
    : QDialog(parent), m_group(group) {
    setWindowTitle("Registration group");
    fw::SetControlId(this, 161);
    auto* form = new QFormLayout;
    m_editName = new QLineEdit(QString::fromStdString(group.m_strName), this);
    fw::SetControlId(m_editName, kIdName);
    m_editExplanation = new QLineEdit(QString::fromStdString(group.m_strExplanation), this);
    fw::SetControlId(m_editExplanation, kIdExplanation);
    form->addRow("Group name:", m_editName);
    form->addRow("Explanation:", m_editExplanation);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
}

void CDlgViewRegistGroup::accept() {
    const std::string name = m_editName->text().toStdString();
    if (name.empty()) {
        fw::AppMessageBox(fw::LoadString(tvid::IDS_GROUP_NAME_NEEDED), fw::mb::Ok);
        m_editName->setFocus();
        return;
    }
    m_group.m_strName = name;
    m_group.m_strExplanation = m_editExplanation->text().toStdString();
    QDialog::accept();
}

// ---------------------------------------------------------------- "Group list View"

CDlgViewGroup* CDlgViewGroup::Open(const std::string& path, QWidget* parent) {
    CObjGroupList groups;
    try {
        WaitCursor wait;
        CRegistGroup(path).Read(groups);
    } catch (const std::exception& e) {
        // Shown empty, the library would be overwritten by the next save.
        fw::AppMessageBox(e.what(), fw::mb::Ok | fw::mb::IconStop);
        return nullptr;
    }
    return new CDlgViewGroup(path, std::move(groups), parent);
}

CDlgViewGroup::CDlgViewGroup(const std::string& path, CObjGroupList groups, QWidget* parent)
    : QDialog(parent), m_strPath(path), m_listGroups(std::move(groups)) {
    setWindowTitle("Group list View");
    fw::SetControlId(this, 160);
    setModal(false);
    m_list = new CGroupListCtrl(this);
    fw::SetControlId(m_list, kIdList);
    m_list->setColumnCount(2);
    m_list->setHeaderLabels({QString::fromStdString(fw::LoadString(tvid::IDS_GROUP_COLUMN)),
                             QString::fromStdString(fw::LoadString(tvid::IDS_EXPLANATION_COLUMN))});
    m_list->header()->resizeSection(0, 100);
    m_list->header()->resizeSection(1, 400);
    m_list->setRootIsDecorated(false);
    m_list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_list->setDragEnabled(true);
    m_list->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_list, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& at) { DoContextMenu(at); });
    connect(m_list, &QTreeWidget::itemDoubleClicked, this, [this] { OnEdit(); });
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_list);
    resize(540, 320);
    int index = 0;
    for (auto& group : m_listGroups)
        AddEntry(index++, group.get());
}

CDlgViewGroup::~CDlgViewGroup() = default;

void CDlgViewGroup::AddEntry(int at, CObjGroup* group) {
    auto* item = new QTreeWidgetItem;
    item->setText(0, QString::fromStdString(group->m_strName));
    item->setText(1, QString::fromStdString(group->m_strExplanation));
    item->setData(0, Qt::UserRole, QVariant::fromValue(reinterpret_cast<quintptr>(group)));
    m_list->insertTopLevelItem(at, item);
}

int CDlgViewGroup::GetEntryCount() const {
    return m_list->topLevelItemCount();
}

CObjGroup* CDlgViewGroup::GetEntryGroup(int index) const {
    return GroupOf(m_list->topLevelItem(index));
}

void CDlgViewGroup::SelectEntry(int index, bool only) {
    if (only)
        m_list->clearSelection();
    if (QTreeWidgetItem* item = m_list->topLevelItem(index))
        item->setSelected(true);
}

QTreeWidgetItem* CDlgViewGroup::LastSelected() const {
    QTreeWidgetItem* last = nullptr;
    for (int i = 0; i < m_list->topLevelItemCount(); ++i) {
        if (m_list->topLevelItem(i)->isSelected())
            last = m_list->topLevelItem(i);
    }
    return last;
}

bool CDlgViewGroup::IsCommandEnabled(unsigned command) const {
    switch (command) {
    case kPaste: {
        const QMimeData* data = QGuiApplication::clipboard()->mimeData();
        return data && data->hasFormat(SymbolMimeType());
    }
    case kCut:
    case kCopy:
        return ActiveProject() && LastSelected();
    case kEdit:
    case kDelete:
        return LastSelected() != nullptr;
    default:
        return false;
    }
}

void CDlgViewGroup::OnCommand(unsigned command) {
    switch (command) {
    case kCut:
        OnCut();
        break;
    case kCopy:
        OnCopy();
        break;
    case kPaste:
        OnPaste();
        break;
    case kEdit:
        OnEdit();
        break;
    case kDelete:
        OnDelete();
        break;
    default:
        break;
    }
}

void CDlgViewGroup::DoContextMenu(const QPoint& at) {
    const fw::CMenuResource* resource = fw::FindMenuResource(tvid::IDR_POPUP_GROUPLIST);
    if (!resource || resource->items.empty())
        return;
    QMenu menu(this);
    for (const fw::CMenuItem& entry : resource->items.front().items) {
        if (entry.kind == fw::CMenuItem::separator) {
            menu.addSeparator();
            continue;
        }
        QAction* action = menu.addAction(QString::fromStdString(entry.text));
        action->setEnabled(IsCommandEnabled(entry.id));
        const unsigned id = entry.id;
        connect(action, &QAction::triggered, this, [this, id] { OnCommand(id); });
    }
    menu.exec(m_list->viewport()->mapToGlobal(at));
}

bool CDlgViewGroup::DoCopyToClipboard(bool cut) {
    CTovarineDoc* doc = ActiveProject();
    QTreeWidgetItem* item = LastSelected();
    if (!doc || !item)
        return false;
    CObjGroup* group = GroupOf(item);
    CTovarineSrvrItem1* server = doc->GetClipboardItem();
    server->SetRenderGroups({group});
    QGuiApplication::clipboard()->setMimeData(server->GetClipboardData(nullptr));
    server->SetRenderGroups({});
    if (!cut)
        return true;
    delete item;
    for (auto it = m_listGroups.begin(); it != m_listGroups.end(); ++it) {
        if (it->get() == group) {
            m_listGroups.DeleteAt(it);
            break;
        }
    }
    m_bModified = true;
    return true;
}

void CDlgViewGroup::OnCut() {
    DoCopyToClipboard(true);
}

void CDlgViewGroup::OnCopy() {
    DoCopyToClipboard(false);
}

void CDlgViewGroup::OnPaste() {
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    if (!data || !data->hasFormat(SymbolMimeType()))
        return;
    const QByteArray bytes = data->data(SymbolMimeType());
    CObjGroupList pasted;
    try {
        fw::CArchive ar = fw::CArchive::ForLoading(std::vector<uint8_t>(
            reinterpret_cast<const uint8_t*>(bytes.constData()),
            reinterpret_cast<const uint8_t*>(bytes.constData()) + bytes.size()));
        pasted.Serialize(ar);
    } catch (const fw::CArchiveException& e) {
        fw::AppMessageBox(e.what(), fw::mb::Ok | fw::mb::IconExclamation);
        return;
    }
    // Every pasted group goes where the last selected entry stands, so that
    // several stand in reverse order.
    QTreeWidgetItem* last = LastSelected();
    const int at = last ? m_list->indexOfTopLevelItem(last) : 0;
    while (!pasted.IsEmpty()) {
        std::unique_ptr<CObjGroup> group = pasted.RemoveHead();
        group->m_strName.clear();
        group->m_strExplanation.clear();
        group->m_ptMoveOffset = fw::CPoint();
        group->m_ptAnchorOffset = fw::CPoint();
        CDlgViewRegistGroup dialog(*group, this);
        const int answer = s_execRegist ? s_execRegist(dialog) : dialog.exec();
        if (answer != QDialog::Accepted)
            continue;
        AddEntry(at, m_listGroups.AddTail(std::move(group)));
        m_bModified = true;
    }
}

void CDlgViewGroup::OnEdit() {
    QTreeWidgetItem* item = LastSelected();
    if (!item)
        return;
    CDlgViewRegistGroup dialog(*GroupOf(item), this);
    const int answer = s_execRegist ? s_execRegist(dialog) : dialog.exec();
    if (answer != QDialog::Accepted)
        return;
    item->setText(0, QString::fromStdString(GroupOf(item)->m_strName));
    item->setText(1, QString::fromStdString(GroupOf(item)->m_strExplanation));
    m_bModified = true;
}

void CDlgViewGroup::OnDelete() {
    QTreeWidgetItem* item = LastSelected();
    if (!item)
        return;
    if (fw::AppMessageBox(fw::LoadString(tvid::IDS_GROUP_DELETE_ASK),
                          fw::mb::YesNo | fw::mb::IconQuestion) != fw::mb::IdYes)
        return;
    CObjGroup* group = GroupOf(item);
    delete item;
    for (auto it = m_listGroups.begin(); it != m_listGroups.end(); ++it) {
        if (it->get() == group) {
            m_listGroups.DeleteAt(it);
            break;
        }
    }
    m_bModified = true;
}

Qt::DropAction CDlgViewGroup::DoDragEntry() {
    QTreeWidgetItem* item = LastSelected();
    if (!item)
        return Qt::IgnoreAction;
    // The group lands with its top-left 20 units up and to the left of the
    // cursor in the skeleton view.
    fw::CSize offset(20, 20);
    CTovarineDoc* doc = ActiveProject();
    if (CTovarineView1* view = doc ? doc->GetSkeletonView() : nullptr)
        view->GetMappingDC()->LPtoDP(&offset);
    const fw::CPoint dragOffset(std::abs(offset.cx), std::abs(offset.cy));
    // Not a project's data: a drop sets its elements up as new.
    CTovarineSrvrItem1 server;
    server.SetRenderGroups({GroupOf(item)});
    QMimeData* data = server.GetClipboardData(&dragOffset);
    const Qt::DropActions allowed = Qt::CopyAction | Qt::MoveAction;
    if (s_drag) {
        std::unique_ptr<QMimeData> owned(data);
        return s_drag(data, allowed);
    }
    auto* drag = new QDrag(this);
    drag->setMimeData(data);
    return drag->exec(allowed, Qt::CopyAction);
}

bool CDlgViewGroup::DoClose() {
    if (m_bClosed)
        return true;
    if (m_bModified) {
        const int answer = fw::AppMessageBox(fw::LoadString(tvid::IDS_GROUP_SAVE_ASK),
                                             fw::mb::YesNoCancel | fw::mb::IconQuestion);
        if (answer == fw::mb::IdCancel)
            return false;
        if (answer == fw::mb::IdYes) {
            std::vector<CObjGroup*> groups;
            for (int i = 0; i < GetEntryCount(); ++i)
                groups.push_back(GetEntryGroup(i));
            try {
                WaitCursor wait;
                CRegistGroup(m_strPath).Write(groups);
            } catch (const fw::CSafeFileException& e) {
                // The old library is as it was; the changes stay shown.
                fw::AppMessageBox(e.what(), fw::mb::Ok | fw::mb::IconStop);
                return false;
            }
        }
    }
    m_bClosed = true;
    m_list->clear();
    m_listGroups.DeleteAll();
    if (m_onClosed)
        m_onClosed();
    deleteLater();
    return true;
}

void CDlgViewGroup::closeEvent(QCloseEvent* event) {
    if (DoClose())
        event->accept();
    else
        event->ignore();
}

void CDlgViewGroup::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Delete:
        OnDelete();
        return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        OnEdit();
        return;
    case Qt::Key_Escape:
        return; // the list stays open
    default:
        QDialog::keyPressEvent(event);
    }
}

void CDlgViewGroup::reject() {
    // Escape does not close the list; the close box asks through closeEvent.
}
