#include "gui/frame/DataFilesWatch.h"

#include "core/lists/ListStore.h"

#include <QFileInfo>

namespace {
// A writer's burst (truncate, write, rename) is over by then.
constexpr int kSettleMs = 100;
} // namespace

DataFilesWatch::DataFilesWatch(const quill::ListStore& store, std::function<void()> reload,
                               QObject* parent)
    : QObject(parent), m_store(store),
      m_reload(std::move(reload)), m_files{QString::fromStdString(store.LinkFilePath()),
                                           QString::fromStdString(store.TaskFilePath())} {
    m_settle.setSingleShot(true);
    m_settle.setInterval(kSettleMs);
    connect(&m_settle, &QTimer::timeout, this, &DataFilesWatch::Look);
    connect(&m_watcher, &QFileSystemWatcher::directoryChanged, this, &DataFilesWatch::OnChange);
    connect(&m_watcher, &QFileSystemWatcher::fileChanged, this, &DataFilesWatch::OnChange);
    m_watcher.addPath(QFileInfo(m_files.front()).absolutePath());
    WatchFiles();
}

void DataFilesWatch::OnChange() {
    // Not restarted by later events, so a file written without pause is
    // still taken in every little while.
    if (!m_settle.isActive()) {
        m_settle.start();
    }
}

void DataFilesWatch::Look() {
    WatchFiles();
    if (m_store.ChangedElsewhere()) {
        m_reload();
    }
}

void DataFilesWatch::WatchFiles() {
    const QStringList watched = m_watcher.files();
    if (!watched.isEmpty()) {
        m_watcher.removePaths(watched);
    }
    for (const QString& file : m_files) {
        if (QFileInfo::exists(file)) {
            m_watcher.addPath(file);
        }
    }
}
