#pragma once

#include <QString>
#include <QTemporaryDir>

namespace quill::test {

// A temporary working folder with an empty "Data" folder, made the current
// folder for as long as the object lives. The profile is emptied as well, so
// every test starts like a first run on a fresh machine.
class RunFolder {
public:
    RunFolder();
    ~RunFolder();

    QString Path() const { return m_folder.path(); }
    QString File(const QString& relative) const { return m_folder.filePath(relative); }
    void Write(const QString& relative, const QByteArray& bytes) const;
    QByteArray Read(const QString& relative) const;
    // Copies the shipped Data folder's page files in, for tests that show pages.
    void CopyShippedData() const;

    static void ClearProfile();

private:
    QTemporaryDir m_folder;
    QString m_previous;
};

} // namespace quill::test
