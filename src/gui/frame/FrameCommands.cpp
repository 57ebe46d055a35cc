#include "gui/frame/FrameCommands.h"

#include "core/frame/CommandTable.h"
#include "core/settings/Transparency.h"
#include "gui/common/AfterFirstPaint.h"
#include "gui/common/Utf8View.h"
#include "gui/frame/CAboutDlg.h"
#include "gui/frame/CommandLook.h"
#include "gui/frame/FrameFind.h"
#include "gui/settings/FrameSettingsOwner.h"
#include "gui/views/CQuillboxDoc.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QWindow>

namespace {

void ForwardToFocus(const char* slot) {
    if (QWidget* focus = QApplication::focusWidget()) {
        QMetaObject::invokeMethod(focus, slot);
    }
}

} // namespace

FrameCommands::FrameCommands(QWidget& window, FrameSettingsOwner& settings, CQuillboxDoc& document,
                             bool translucencyAvailable)
    : QObject(&window), m_window(window), m_settings(settings),
      m_translucencyAvailable(translucencyAvailable), m_levelMenu(new QMenu(&window)) {
    using namespace quill;
    for (const FrameCommand& command : CommandTable()) {
        Add(command.id, FromUtf8View(command.text), FromUtf8View(command.toolTip));
    }
    for (const LevelCommand& level : LevelCommands()) {
        m_levelMenu->addAction(Add(level.id, FromUtf8View(level.item), {}));
        Connect(level.id, [this, id = level.id] {
            m_settings.Change([id](FrameSettings& held) { ApplyLevelCommand(held, id); });
        });
    }
    m_levelMenu->setObjectName(QStringLiteral("levelMenu"));
    connect(m_levelMenu, &QMenu::aboutToShow, this, &FrameCommands::UpdateCommandUI);

    Connect(kShowWindowCommand, [this] { ShowWindow(); });
    Connect(kHideWindowCommand, [this] { HideWindow(); });
    Connect(kAboutCommand, [] {
        CAboutDlg dialog;
        dialog.exec();
    });
    Connect(kExitCommand, [this] { m_window.close(); });
    Connect(kNewDocumentCommand, [&document] { document.OnNewDocument(); });
    new FrameFind(m_window, *Action(kFindCommand));
    AddKeysAndForwarding();
    UpdateCommandUI();
}

// The accelerators and the commands that act on whatever has the focus (the
// note, a dialog's field).
void FrameCommands::AddKeysAndForwarding() {
    for (const CommandLook& look : CommandLooks()) {
        QAction* action = Action(look.id);
        if (action == nullptr) {
            continue;
        }
        if (look.focusSlot != nullptr) {
            Connect(look.id, [slot = look.focusSlot] { ForwardToFocus(slot); });
        }
        if (!look.shortcuts.isEmpty()) {
            action->setShortcuts(look.shortcuts);
            m_window.addAction(action);
        }
    }
}

QAction* FrameCommands::Add(int id, const QString& text, const QString& toolTip) {
    auto* action = new QAction(text, this);
    action->setData(id);
    action->setObjectName(QStringLiteral("command%1").arg(id));
    action->setCheckable(LookOf(id).checkable);
    if (!toolTip.isEmpty()) {
        action->setToolTip(toolTip);
    }
    m_actions[id] = action;
    return action;
}

void FrameCommands::Connect(int id, std::function<void()> run) {
    connect(Action(id), &QAction::triggered, this, std::move(run));
}

QAction* FrameCommands::Action(int id) const {
    auto it = m_actions.find(id);
    return it != m_actions.end() ? it->second : nullptr;
}

void FrameCommands::SetHandler(int id, std::function<void()> handler) {
    QAction* action = Action(id);
    if (action == nullptr) {
        return;
    }
    if (!m_handlers.contains(id)) {
        Connect(id, [this, id] {
            if (auto& run = m_handlers[id]) {
                run();
            }
        });
    }
    m_handlers[id] = std::move(handler);
    UpdateCommandUI();
}

void FrameCommands::UpdateCommandUI() {
    using namespace quill;
    for (const LevelCommand& level : LevelCommands()) {
        Action(level.id)->setChecked(
            IsLevelCommandChecked(level.id, m_settings.Get().transparency));
    }
    Action(kShowWindowCommand)->setChecked(m_windowShown);
    Action(kHideWindowCommand)->setChecked(!m_windowShown);
    Action(kTransparenceCommand)->setEnabled(m_translucencyAvailable);
    for (int id : {kSettingsCommand, kSaveNoteCommand}) {
        auto it = m_handlers.find(id);
        Action(id)->setEnabled(it != m_handlers.end() && it->second);
    }
}

void FrameCommands::ShowWindow() {
    m_window.showNormal();
    m_window.activateWindow();
    m_windowShown = true;
}

void FrameCommands::HideWindow() {
    QWindow* handle = m_window.windowHandle();
    if (m_hideToTray) {
        m_window.hide();
    } else if (m_window.isVisible() && handle != nullptr && handle->isExposed()) {
        m_window.showMinimized();
    } else {
        // Window managers map a new window as normal whatever it asks, and
        // take Qt's activation of a window just mapped as a wish to restore
        // it: the window is minimised once it is on screen.
        const bool hidden = !m_window.isVisible();
        m_window.show();
        if (hidden) {
            // Hidden while minimised (into a tray since gone), Qt still counts
            // it minimised, so minimising it below would change nothing should
            // Qt not yet have heard that the window manager mapped it normal.
            m_window.setWindowState(m_window.windowState() & ~Qt::WindowMinimized);
        }
        new AfterFirstPaint(m_window, *this, [this] {
            if (!m_windowShown) {
                m_window.showMinimized();
            }
        });
    }
    m_windowShown = false;
}
