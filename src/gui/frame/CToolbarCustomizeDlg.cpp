#include "gui/frame/CToolbarCustomizeDlg.h"

#include "core/frame/ToolbarLayout.h"
#include "gui/frame/FrameCommands.h"

#include <QAction>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

CToolbarCustomizeDlg::CToolbarCustomizeDlg(FrameCommands& commands, const std::vector<int>& buttons,
                                           QWidget* parent)
    : QDialog(parent), m_commands(commands), m_list(new QListWidget(this)) {
    setObjectName(QStringLiteral("toolbarCustomizeDlg"));
    setWindowTitle(tr("Customize"));
    setAttribute(Qt::WA_DeleteOnClose);
    m_list->setObjectName(QStringLiteral("buttons"));

    auto* side = new QVBoxLayout;
    auto button = [this, side](const QString& text, const char* name, auto slot) {
        auto* push = new QPushButton(text, this);
        push->setObjectName(QLatin1String(name));
        push->setAutoDefault(false);
        connect(push, &QPushButton::clicked, this, slot);
        side->addWidget(push);
    };
    button(tr("Move &up"), "up", [this] { Move(-1); });
    button(tr("Move &down"), "down", [this] { Move(1); });
    button(tr("Add &separator"), "separator", [this] { AddSeparator(); });
    button(tr("&Reset"), "reset", [this] { Reset(); });
    side->addStretch();
    button(tr("Close"), "close", [this] { close(); });

    auto* layout = new QHBoxLayout(this);
    layout->addWidget(m_list);
    layout->addLayout(side);

    Fill(buttons);
    connect(m_list, &QListWidget::itemChanged, this, &CToolbarCustomizeDlg::Changed);
}

// The shown buttons in their order, then the commands not on the toolbar, unchecked.
void CToolbarCustomizeDlg::Fill(const std::vector<int>& buttons) {
    m_filling = true;
    m_list->clear();
    for (int id : buttons) {
        AddItem(id, true);
    }
    for (int id : quill::ToolbarCommands()) {
        if (std::find(buttons.begin(), buttons.end(), id) == buttons.end()) {
            AddItem(id, false);
        }
    }
    m_filling = false;
}

QListWidgetItem* CToolbarCustomizeDlg::AddItem(int id, bool shown) {
    QString text = tr("(separator)");
    QIcon icon;
    if (id != quill::kToolbarSeparator) {
        QAction* action = m_commands.Action(id);
        text = action->toolTip();
        icon = action->icon();
    }
    auto* item = new QListWidgetItem(icon, text, m_list);
    item->setData(Qt::UserRole, id);
    item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
    item->setCheckState(shown ? Qt::Checked : Qt::Unchecked);
    return item;
}

std::vector<int> CToolbarCustomizeDlg::Buttons() const {
    std::vector<int> buttons;
    for (int row = 0; row < m_list->count(); ++row) {
        const QListWidgetItem* item = m_list->item(row);
        if (item->checkState() == Qt::Checked) {
            buttons.push_back(item->data(Qt::UserRole).toInt());
        }
    }
    return buttons;
}

void CToolbarCustomizeDlg::Reset() {
    Fill(quill::DefaultToolbarButtons());
    Changed();
}

void CToolbarCustomizeDlg::Move(int by) {
    const int row = m_list->currentRow();
    const int target = row + by;
    if (row < 0 || target < 0 || target >= m_list->count()) {
        return;
    }
    m_filling = true;
    QListWidgetItem* item = m_list->takeItem(row);
    m_list->insertItem(target, item);
    m_list->setCurrentRow(target);
    m_filling = false;
    Changed();
}

void CToolbarCustomizeDlg::AddSeparator() {
    m_filling = true;
    QListWidgetItem* item = AddItem(quill::kToolbarSeparator, true);
    const int row = m_list->currentRow();
    if (row >= 0) {
        m_list->takeItem(m_list->row(item));
        m_list->insertItem(row + 1, item);
    }
    m_list->setCurrentItem(item);
    m_filling = false;
    Changed();
}

void CToolbarCustomizeDlg::Changed() {
    if (!m_filling) {
        emit ButtonsChanged(Buttons());
    }
}
