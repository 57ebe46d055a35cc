#include "support/RunFolder.h"

#include "QtProfile.h"

#include <QDir>
#include <QFile>

namespace quill::test {

RunFolder::RunFolder() : m_previous(QDir::currentPath()) {
    QDir(m_folder.path()).mkpath(QStringLiteral("Data"));
    QDir::setCurrent(m_folder.path());
    ClearProfile();
}

RunFolder::~RunFolder() {
    QDir::setCurrent(m_previous);
    ClearProfile();
}

void RunFolder::Write(const QString& relative, const QByteArray& bytes) const {
    QFile file(File(relative));
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        file.write(bytes);
    }
}

QByteArray RunFolder::Read(const QString& relative) const {
    QFile file(File(relative));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void RunFolder::CopyShippedData() const {
    const QString shipped = QStringLiteral(QUILLMARK_DATA_DIR);
    for (const QString& name : QDir(shipped).entryList(QDir::Files)) {
        QFile::copy(shipped + QLatin1Char('/') + name, File(QStringLiteral("Data/") + name));
    }
}

void RunFolder::ClearProfile() {
    QtProfile profile;
    profile.Settings().clear();
    profile.Flush();
}

} // namespace quill::test
