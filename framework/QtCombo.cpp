#include "QtCombo.h"

#include <QComboBox>
#include <QListView>
#include <QSize>
#include <QStandardItemModel>

namespace fw {

int CQtCombo::AddString(const std::string& text) {
    // The first entry of an empty box is not selected by adding it, as in
    // the platform's control: a list shows a choice only when one is made.
    bool noSelection = m_box->currentIndex() < 0;
    m_box->addItem(QString::fromStdString(text));
    if (noSelection && m_box->currentIndex() >= 0)
        m_box->setCurrentIndex(-1);
    return m_box->count() - 1;
}

int CQtCombo::DeleteString(int index) {
    if (index < 0 || index >= m_box->count())
        return CB_ERR;
    m_box->removeItem(index);
    return m_box->count();
}

void CQtCombo::ResetContent() {
    m_box->clear();
}

int CQtCombo::GetCount() const {
    return m_box->count();
}

std::string CQtCombo::GetLBText(int index) const {
    return index >= 0 && index < m_box->count() ? m_box->itemText(index).toStdString()
                                                : std::string();
}

intptr_t CQtCombo::GetItemData(int index) const {
    if (index < 0 || index >= m_box->count())
        return CB_ERR;
    return static_cast<intptr_t>(m_box->itemData(index, Qt::UserRole).toLongLong());
}

int CQtCombo::SetItemData(int index, intptr_t data) {
    if (index < 0 || index >= m_box->count())
        return CB_ERR;
    m_box->setItemData(index, QVariant::fromValue<qlonglong>(data), Qt::UserRole);
    return 0;
}

int CQtCombo::GetCurSel() const {
    return m_box->currentIndex();
}

int CQtCombo::SetCurSel(int index) {
    if (index < 0 || index >= m_box->count()) {
        m_box->setCurrentIndex(-1);
        return CB_ERR;
    }
    m_box->setCurrentIndex(index);
    return index;
}

int CQtCombo::SetItemHeight(int index, int height) {
    if (index < 0) {
        m_box->setMinimumHeight(height);
        return 0;
    }
    for (int i = 0; i < m_box->count(); ++i)
        m_box->setItemData(i, QSize(0, height), Qt::SizeHintRole);
    return 0;
}

bool CQtCombo::IsWindowEnabled() const {
    return m_box->isEnabled();
}

} // namespace fw
