#pragma once

#include <QObject>
#include <QPointer>
#include <vector>

class CToolbarCustomizeDlg;
class FrameCommands;
class QMainWindow;
class QMenu;
class QToolBar;
namespace quill {
class Profile;
}

// The "Standard" toolbar, its context menu and its customisation. The user's
// choice of buttons is kept in the profile's "Settings" section.
class FrameToolBar : public QObject {
    Q_OBJECT
public:
    FrameToolBar(QMainWindow& frame, FrameCommands& commands, quill::Profile& profile);

    QToolBar* ToolBar() const { return m_toolBar; }
    QMenu* ContextMenu() const { return m_contextMenu; }
    const std::vector<int>& Buttons() const { return m_buttons; }

    // Lays the toolbar out anew and keeps the layout.
    void SetButtons(const std::vector<int>& buttons);
    // "&Customize...": the customisation dialog, modeless.
    void OnCustomize();

protected:
    // A new palette (the desktop turned dark or light) redraws the pictures.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Build();
    void SetIcons(QIcon (*icon)(int commandId));

    QMainWindow& m_frame;
    FrameCommands& m_commands;
    quill::Profile& m_profile;
    QToolBar* m_toolBar;
    QMenu* m_contextMenu;
    std::vector<int> m_buttons;
    QPointer<CToolbarCustomizeDlg> m_customize;
};
