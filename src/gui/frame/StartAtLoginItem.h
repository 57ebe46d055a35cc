#pragma once

#include <QObject>
#include <QString>

class QAction;
class QWidget;

// The tray menu's "Start at login": checked while the desktop's autostart
// entry for the program exists; choosing it writes or removes that entry.
class StartAtLoginItem : public QObject {
    Q_OBJECT
public:
    // parentWindow carries the message when the entry cannot be written; the
    // entry starts the program in workingFolder.
    StartAtLoginItem(QWidget& parentWindow, const QString& workingFolder, QObject* parent);

    QAction* Action() const { return m_action; }
    // Sets the check mark from the file, which the user may also have removed.
    void Update();

private:
    void OnTriggered(bool on);

    QWidget& m_parentWindow;
    QString m_workingFolder;
    QString m_path;
    QAction* m_action;
};
