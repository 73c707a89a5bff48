#include "DialogBars.h"

#include "app/records/TovarineIds.h"

#include "framework/CommandIds.h"
#include "framework/MdiChildFrame.h"
#include "framework/Resources.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMainWindow>
#include <QTabBar>
#include <QToolBar>
#include <QWidget>

namespace {

QComboBox* AddCombo(QWidget* parent, QHBoxLayout* layout, unsigned id, int width) {
    auto* combo = new QComboBox(parent);
    fw::SetControlId(combo, id);
    combo->setEditable(false);
    combo->setMinimumWidth(width);
    layout->addWidget(combo);
    return combo;
}

} // namespace

QToolBar* CreateDialogBar(fw::CMDIChildWnd* frame, unsigned templateId, const std::string& title) {
    auto* content = new QWidget;
    auto* layout = new QHBoxLayout(content);
    layout->setContentsMargins(4, 2, 4, 2);
    switch (templateId) {
    case tvid::IDD_COORDINATION_BAR:
        AddCombo(content, layout, tvid::IDC_COORD_ZOOM, 70);
        AddCombo(content, layout, tvid::IDC_COORD_GRAPH, 220);
        layout->addWidget(new QLabel(QStringLiteral("at"), content));
        AddCombo(content, layout, tvid::IDC_COORD_VOLTAGE, 90);
        break;
    case tvid::IDD_REPORT_BAR: {
        auto* tabs = new QTabBar(content);
        fw::SetControlId(tabs, tvid::IDC_REPORT_TAB);
        tabs->setExpanding(false);
        layout->addWidget(tabs);
        QComboBox* zoom = AddCombo(content, layout, tvid::IDC_REPORT_ZOOM, 70);
        for (const char* item : {"200%", "170%", "150%", "140%", "130%", "120%", "110%", "100%",
                                 "90%", "80%", "70%", "60%", "50%"})
            zoom->addItem(QString::fromLatin1(item));
        break;
    }
    case tvid::IDD_IMPEMAP_BAR: {
        QComboBox* zoom = AddCombo(content, layout, tvid::IDC_IMPEMAP_ZOOM, 70);
        for (const char* item : {"200%", "150%", "100%", "75%", "50%"})
            zoom->addItem(QString::fromLatin1(item));
        break;
    }
    default:
        delete content;
        return nullptr;
    }
    layout->addStretch(1);

    auto* bar = new QToolBar(QString::fromStdString(title), frame->GetBarHost());
    fw::SetControlId(bar, fw::id::IDW_DIALOGBAR);
    bar->setObjectName(QStringLiteral("dialogbar%1").arg(templateId));
    bar->addWidget(content);
    bar->setMovable(true);
    bar->setAllowedAreas(Qt::TopToolBarArea | Qt::BottomToolBarArea);
    frame->GetBarHost()->addToolBar(Qt::TopToolBarArea, bar);
    return bar;
}
