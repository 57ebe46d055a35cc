#pragma once

#include "profile/QtProfile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace quill::test {

// A temporary current folder with an empty "Data" folder, and an emptied
// profile: every test starts like a first run on a fresh machine.
class RunFolder {
public:
    RunFolder() : m_previous(QDir::currentPath()) {
        QDir(Path()).mkpath(QStringLiteral("Data"));
        QDir::setCurrent(Path());
        ClearProfile();
    }
    ~RunFolder() {
        QDir::setCurrent(m_previous);
        ClearProfile();
    }

    // The profile file QSettings uses under the test run's config folder.
    static QString ProfileFile() {
        return qEnvironmentVariable("XDG_CONFIG_HOME") + "/Tarnwick software/Quillmark.conf";
    }
    QString Path() const { return m_folder.path(); }
    QString File(const QString& relative) const { return m_folder.filePath(relative); }
    void Write(const QString& relative, const QByteArray& bytes) const {
        QFile file(File(relative));
        if (file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
            file.write(bytes);
        }
    }
    // A path relative to the run folder, or an absolute one.
    static QByteArray Read(const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    // Copies the shipped Data folder's page files in, for tests that show pages.
    void CopyShippedData() const {
        const QDir shipped(QStringLiteral(QUILLMARK_DATA_DIR));
        for (const QString& name : shipped.entryList(QDir::Files)) {
            QFile::copy(shipped.filePath(name), File(QStringLiteral("Data/") + name));
        }
    }

private:
    static void ClearProfile() {
        QtProfile profile;
        profile.Settings().clear();
        profile.Flush();
    }

    QTemporaryDir m_folder;
    QString m_previous;
};

} // namespace quill::test
