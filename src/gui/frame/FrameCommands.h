#pragma once

#include <QObject>
#include <functional>
#include <map>

class CQuillboxDoc;
class FrameSettingsOwner;
class QAction;
class QMenu;

// The frame's commands as actions carrying their numeric ids, built from the
// command table and shared by the toolbar, the tray menu and the accelerators.
// Enabled state and check marks are recomputed by UpdateCommandUI before a
// menu shows.
class FrameCommands : public QObject {
    Q_OBJECT
public:
    FrameCommands(QWidget& window, FrameSettingsOwner& settings, CQuillboxDoc& document,
                  bool translucencyAvailable);

    QAction* Action(int id) const;
    // The five level items, as the tray submenu and the toolbar drop-down show them.
    QMenu* LevelMenu() const { return m_levelMenu; }

    // Gives a command that another part of the program handles (settings dialog,
    // saving the note) its handler; until then its items are disabled.
    void SetHandler(int id, std::function<void()> handler);

    void UpdateCommandUI();

    bool WindowShown() const { return m_windowShown; }
    void ShowWindow();
    // Into the tray, or minimised where there is none to come back from.
    void HideWindow();
    void SetHideToTray(bool toTray) { m_hideToTray = toTray; }

private:
    QAction* Add(int id, const QString& text, const QString& toolTip);
    void Connect(int id, std::function<void()> run);
    void AddKeysAndForwarding();

    QWidget& m_window;
    FrameSettingsOwner& m_settings;
    bool m_translucencyAvailable;
    bool m_windowShown = true;
    bool m_hideToTray = true;
    std::map<int, QAction*> m_actions;
    std::map<int, std::function<void()>> m_handlers;
    QMenu* m_levelMenu;
};
