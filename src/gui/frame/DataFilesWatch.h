#pragma once

#include <QFileSystemWatcher>
#include <QObject>
#include <QStringList>
#include <QTimer>
#include <functional>

namespace quill {
class ListStore;
}

// Takes in the data files as another program (an editor, a synced folder)
// changes them while this one runs, without waiting for the next activation.
// Saves replace a file, so its folder is watched as well as the files; the
// folder also sees the page file and this program's own saves, which the
// store's file stamps tell apart from an outside change.
class DataFilesWatch : public QObject {
    Q_OBJECT
public:
    // reload: runs when a file changed elsewhere, once per burst of changes.
    DataFilesWatch(const quill::ListStore& store, std::function<void()> reload, QObject* parent);

private:
    void OnChange();
    void Look();
    // A replaced or recreated file is a new one to the watcher.
    void WatchFiles();

    const quill::ListStore& m_store;
    std::function<void()> m_reload;
    QStringList m_files;
    QFileSystemWatcher m_watcher;
    QTimer m_settle;
};
