#include "gui/frame/FrameToolBar.h"

#include "core/frame/CommandTable.h"
#include "core/frame/ToolbarLayout.h"
#include "core/settings/Profile.h"
#include "core/settings/ProfileValues.h"
#include "gui/common/AfterFirstPaint.h"
#include "gui/frame/CToolbarCustomizeDlg.h"
#include "gui/frame/FrameCommands.h"
#include "gui/frame/ToolbarIcons.h"

#include <QAction>
#include <QEvent>
#include <QMainWindow>
#include <QMenu>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>

FrameToolBar::FrameToolBar(QMainWindow& frame, FrameCommands& commands, quill::Profile& profile)
    : QObject(&frame), m_frame(frame), m_commands(commands), m_profile(profile),
      m_toolBar(new QToolBar(tr("Standard"), &frame)), m_contextMenu(new QMenu(&frame)) {
    m_toolBar->setObjectName(QStringLiteral("Standard"));
    m_toolBar->setIconSize(QSize(16, 15));
    m_toolBar->setMovable(true);
    m_toolBar->setContextMenuPolicy(Qt::CustomContextMenu);
    SetIcons(DrawnToolbarIcon);
    // The theme's icons come once the window is drawn; they have the same size.
    new AfterFirstPaint(frame, *this, [this] { SetIcons(ToolbarIcon); });
    m_toolBar->installEventFilter(this);
    m_frame.addToolBar(Qt::TopToolBarArea, m_toolBar);

    m_contextMenu->setObjectName(QStringLiteral("toolbarMenu"));
    QAction* standard = m_commands.Action(quill::kStandardToolbarCommand);
    m_contextMenu->addAction(standard);
    connect(standard, &QAction::toggled, m_toolBar, &QToolBar::setVisible);
    connect(m_contextMenu, &QMenu::aboutToShow, this,
            [this, standard] { standard->setChecked(m_toolBar->isVisible()); });
    m_contextMenu->addSeparator();
    QAction* customize = m_commands.Action(quill::kCustomizeCommand);
    m_contextMenu->addAction(customize);
    connect(customize, &QAction::triggered, this, &FrameToolBar::OnCustomize);
    connect(m_toolBar, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& at) { m_contextMenu->popup(m_toolBar->mapToGlobal(at)); });

    m_buttons = quill::ParseToolbarButtons(
        m_profile.ReadString(quill::kSettingsSection, quill::kToolbarButtonsValue));
    Build();
}

bool FrameToolBar::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_toolBar && event->type() == QEvent::PaletteChange) {
        SetIcons(ToolbarIcon);
    }
    return QObject::eventFilter(watched, event);
}

void FrameToolBar::SetButtons(const std::vector<int>& buttons) {
    m_buttons = buttons;
    m_profile.WriteString(quill::kSettingsSection, quill::kToolbarButtonsValue,
                          quill::FormatToolbarButtons(m_buttons));
    Build();
}

void FrameToolBar::SetIcons(QIcon (*icon)(int commandId)) {
    for (int id : quill::ToolbarCommands()) {
        m_commands.Action(id)->setIcon(icon(id));
    }
}

void FrameToolBar::Build() {
    m_toolBar->clear();
    for (int id : m_buttons) {
        if (id == quill::kToolbarSeparator) {
            m_toolBar->addSeparator();
            continue;
        }
        m_toolBar->addAction(m_commands.Action(id));
        if (id == quill::kTransparenceCommand) {
            // Button 6 drops the five levels down; it does nothing by itself.
            auto* button = qobject_cast<QToolButton*>(
                m_toolBar->widgetForAction(m_commands.Action(quill::kTransparenceCommand)));
            button->setMenu(m_commands.LevelMenu());
            button->setPopupMode(QToolButton::InstantPopup);
            button->setObjectName(QStringLiteral("transparenceButton"));
        }
    }
    m_commands.UpdateCommandUI();
}

void FrameToolBar::OnCustomize() {
    if (m_customize) {
        m_customize->raise();
        m_customize->activateWindow();
        return;
    }
    m_customize = new CToolbarCustomizeDlg(m_commands, m_buttons, &m_frame);
    connect(m_customize, &CToolbarCustomizeDlg::ButtonsChanged, this, &FrameToolBar::SetButtons);
    m_customize->show();
}
