#pragma once

#include "app/shell/model/CObjGroupList.h"

#include <QDialog>

#include <functional>
#include <memory>
#include <string>

class CObjGroup;
class QLineEdit;
class QMimeData;
class QTreeWidget;
class QTreeWidgetItem;

// "Registration group": the name and the explanation of a group; a group is
// registered only with a name.
class CDlgViewRegistGroup : public QDialog {
public:
    static constexpr unsigned kIdName = 1007;
    static constexpr unsigned kIdExplanation = 1008;

    explicit CDlgViewRegistGroup(CObjGroup& group, QWidget* parent = nullptr);
    void accept() override;

    QLineEdit* m_editName;
    QLineEdit* m_editExplanation;

private:
    CObjGroup& m_group;
};

// "Group list View": the registered-group library as a list of names and
// explanations, with its commands: cut, copy and paste through the
// clipboard's element formats, editing the name and explanation, deleting,
// and dragging a group into a skeleton view. The library is read when the
// dialog opens and written, after the user agrees, when it closes.
class CDlgViewGroup : public QDialog {
public:
    static constexpr unsigned kIdList = 1006;
    // The pop-up menu's commands.
    static constexpr unsigned kEdit = 32790;
    static constexpr unsigned kDelete = 32791;
    static constexpr unsigned kCut = 32792;
    static constexpr unsigned kCopy = 32793;
    static constexpr unsigned kPaste = 32794;

    // Opens the library at path; a library that cannot be read is reported
    // and no dialog opens (null), so that no save can overwrite it.
    static CDlgViewGroup* Open(const std::string& path, QWidget* parent);
    ~CDlgViewGroup() override;

    // Runs "Registration group" modally; tests answer it in its place.
    static std::function<int(CDlgViewRegistGroup&)> s_execRegist;
    // Stands in for the modal drag loop of an entry (tests).
    static std::function<Qt::DropAction(QMimeData*, Qt::DropActions)> s_drag;

    // Called once the dialog has closed (the main frame forgets it).
    std::function<void()> m_onClosed;

    bool IsCommandEnabled(unsigned command) const;
    void OnCommand(unsigned command);
    void OnCut();
    void OnCopy();
    void OnPaste();
    void OnEdit();
    void OnDelete();
    // Drags the last selected entry's group into a skeleton view.
    Qt::DropAction DoDragEntry();
    // The close box and command 32770: the save question when the library
    // changed; false when the user kept the dialog open (or the save failed).
    bool DoClose();

    bool IsModified() const { return m_bModified; }
    int GetEntryCount() const;
    CObjGroup* GetEntryGroup(int index) const;
    void SelectEntry(int index, bool only = true);

    QTreeWidget* m_list;

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void reject() override;

private:
    CDlgViewGroup(const std::string& path, CObjGroupList groups, QWidget* parent);
    QTreeWidgetItem* LastSelected() const;
    void AddEntry(int at, CObjGroup* group);
    bool DoCopyToClipboard(bool cut);
    void DoContextMenu(const QPoint& at);

    std::string m_strPath;
    // The groups of the entries (owned here; the entries point at them).
    CObjGroupList m_listGroups;
    bool m_bModified = false;
    bool m_bClosed = false;
};
