#include "frame/FrameCommands.h"

#include "app/CAboutDlg.h"
#include "frame/CMainFrame.h"
#include "frame/ToolbarLayout.h"
#include "frame/Transparency.h"
#include "views/CQuillboxDoc.h"

#include <QAction>
#include <QApplication>
#include <QMenu>

FrameCommands::FrameCommands(CMainFrame& frame, bool translucencyAvailable)
    : QObject(&frame), m_frame(frame), m_translucencyAvailable(translucencyAvailable),
      m_levelMenu(new QMenu(&frame)) {
    using namespace quill;
    Add(kSettingsCommand, tr("&Settings"), tr("Settings"));
    Add(kSaveNoteCommand, tr("Save"), tr("Save"));
    Add(kCutCommand, tr("Cut"), tr("Cut"));
    Add(kCopyCommand, tr("Copy"), tr("Copy"));
    Add(kPasteCommand, tr("Paste"), tr("Paste"));
    Add(kTransparenceCommand, tr("Transparence"), tr("Transparence"));
    for (const LevelCommand& level : LevelCommands()) {
        QAction* action = Add(
            level.id, QString::fromUtf8(level.item.data(), static_cast<int>(level.item.size())));
        action->setCheckable(true);
        connect(action, &QAction::triggered, this,
                [this, id = level.id] { ApplyLevelCommand(m_frame.State(), id); });
        m_levelMenu->addAction(action);
    }
    m_levelMenu->setObjectName(QStringLiteral("levelMenu"));
    connect(m_levelMenu, &QMenu::aboutToShow, this, &FrameCommands::UpdateCommandUI);

    Add(kShowWindow, tr("S&how window"))->setCheckable(true);
    Add(kHideWindow, tr("&Hide window"))->setCheckable(true);
    Add(kAbout, tr("&About Quillmark..."));
    Add(kExit, tr("E&xit"));
    connect(Action(kShowWindow), &QAction::triggered, this, &FrameCommands::ShowWindow);
    connect(Action(kHideWindow), &QAction::triggered, this, &FrameCommands::HideWindow);
    connect(Action(kAbout), &QAction::triggered, this, [] {
        CAboutDlg dialog;
        dialog.exec();
    });
    connect(Action(kExit), &QAction::triggered, &m_frame, &QWidget::close);

    // Cut, copy and paste act on whatever has the focus (the note, a dialog's field).
    connect(Action(kCutCommand), &QAction::triggered, this, [this] { ForwardToFocus("cut"); });
    connect(Action(kCopyCommand), &QAction::triggered, this, [this] { ForwardToFocus("copy"); });
    connect(Action(kPasteCommand), &QAction::triggered, this, [this] { ForwardToFocus("paste"); });

    // The accelerators. Editing keys reach a focused editor first; these are
    // for the toolbar's sake and for widgets without their own.
    auto* newDocument = Add(kNewDocument, tr("New"));
    newDocument->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));
    connect(newDocument, &QAction::triggered, this, [this] {
        if (m_frame.m_pDocument != nullptr) {
            m_frame.m_pDocument->OnNewDocument();
        }
    });
    Action(kCutCommand)
        ->setShortcuts(
            {QKeySequence(Qt::CTRL | Qt::Key_X), QKeySequence(Qt::SHIFT | Qt::Key_Delete)});
    Action(kCopyCommand)
        ->setShortcuts(
            {QKeySequence(Qt::CTRL | Qt::Key_C), QKeySequence(Qt::CTRL | Qt::Key_Insert)});
    Action(kPasteCommand)
        ->setShortcuts(
            {QKeySequence(Qt::CTRL | Qt::Key_V), QKeySequence(Qt::SHIFT | Qt::Key_Insert)});
    auto* undo = Add(57643, tr("Undo"));
    undo->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::Key_Z), QKeySequence(Qt::ALT | Qt::Key_Backspace)});
    connect(undo, &QAction::triggered, this, [this] { ForwardToFocus("undo"); });
    for (int id : {kCutCommand, kCopyCommand, kPasteCommand, 57643, kNewDocument}) {
        m_frame.addAction(Action(id));
    }

    UpdateCommandUI();
}

QAction* FrameCommands::Add(int id, const QString& text, const QString& toolTip) {
    auto* action = new QAction(text, this);
    action->setData(id);
    action->setObjectName(QStringLiteral("command%1").arg(id));
    if (!toolTip.isEmpty()) {
        action->setToolTip(toolTip);
    }
    m_actions[id] = action;
    return action;
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
        connect(action, &QAction::triggered, this, [this, id] {
            if (auto& run = m_handlers[id]) {
                run();
            }
        });
    }
    m_handlers[id] = std::move(handler);
    UpdateCommandUI();
}

void FrameCommands::UpdateCommandUI() {
    const auto& state = m_frame.State();
    for (const quill::LevelCommand& level : quill::LevelCommands()) {
        Action(level.id)->setChecked(quill::IsLevelCommandChecked(level.id, state.m_transparency));
    }
    Action(kShowWindow)->setChecked(state.m_bWindowShown);
    Action(kHideWindow)->setChecked(!state.m_bWindowShown);
    Action(quill::kTransparenceCommand)->setEnabled(m_translucencyAvailable);
    for (int id : {quill::kSettingsCommand, quill::kSaveNoteCommand}) {
        auto it = m_handlers.find(id);
        Action(id)->setEnabled(it != m_handlers.end() && it->second);
    }
}

void FrameCommands::ShowWindow() {
    m_frame.showNormal();
    m_frame.activateWindow();
    m_frame.State().m_bWindowShown = true;
}

void FrameCommands::HideWindow() {
    m_frame.hide();
    m_frame.State().m_bWindowShown = false;
}

void FrameCommands::ForwardToFocus(const char* slot) {
    if (QWidget* focus = QApplication::focusWidget()) {
        QMetaObject::invokeMethod(focus, slot);
    }
}
