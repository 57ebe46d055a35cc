#pragma once

#include "profile/QtProfile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace quill::test {

// A temporary working folder with an empty "Data" folder, and an emptied
// profile: every test starts like a first run on a fresh machine. The tests'
// current folder stays elsewhere, so nothing may reach Data through it.
class RunFolder {
public:
    RunFolder() {
        QDir(Path()).mkpath(QStringLiteral("Data"));
        ClearProfile();
    }
    ~RunFolder() { ClearProfile(); }

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
    QByteArray Read(const QString& path) const {
        QFile file(QDir(Path()).filePath(path));
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
};

} // namespace quill::test
