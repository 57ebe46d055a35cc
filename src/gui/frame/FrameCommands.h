#pragma once

#include <QObject>
#include <functional>
#include <map>

class CMainFrame;
class QAction;
class QMenu;

// The frame's commands as actions carrying their numeric ids, shared by the
// toolbar, the tray menu and the accelerators. Enabled state and check marks
// are recomputed by UpdateCommandUI before a menu shows.
class FrameCommands : public QObject {
    Q_OBJECT
public:
    static constexpr int kShowWindow = 32843;
    static constexpr int kHideWindow = 32844;
    static constexpr int kAbout = 57664;
    static constexpr int kExit = 57665;
    static constexpr int kNewDocument = 57600;

    FrameCommands(CMainFrame& frame, bool translucencyAvailable);

    QAction* Action(int id) const;
    // The five level items, as the tray submenu and the toolbar drop-down show them.
    QMenu* LevelMenu() const { return m_levelMenu; }

    // Gives a command that another part of the program handles (settings dialog,
    // saving the note) its handler; until then its items are disabled.
    void SetHandler(int id, std::function<void()> handler);

    void UpdateCommandUI();

    void ShowWindow();
    void HideWindow();

private:
    QAction* Add(int id, const QString& text, const QString& toolTip = QString());
    void ForwardToFocus(const char* slot);

    CMainFrame& m_frame;
    bool m_translucencyAvailable;
    std::map<int, QAction*> m_actions;
    std::map<int, std::function<void()>> m_handlers;
    QMenu* m_levelMenu;
};
