#include "gui/views/CQuillboxDoc.h"

CQuillboxDoc::CQuillboxDoc(const QString& workingFolder, QObject* parent)
    : QObject(parent), m_workingFolder(workingFolder) {}

bool CQuillboxDoc::OnNewDocument() {
    // The lists are the program's data, not the document's: nothing is reset;
    // the title stays the name of the active tab.
    emit ViewsUpdateRequested();
    return true;
}

void CQuillboxDoc::SetTitle(const QString& title) {
    if (title == m_title) {
        return;
    }
    m_title = title;
    emit TitleChanged(m_title);
}

void CQuillboxDoc::UpdateAllViews() {
    emit ViewsUpdateRequested();
}

void CQuillboxDoc::ReportPageFileUnwritable() {
    if (!m_pageFileUnwritable) {
        m_pageFileUnwritable = true;
        emit PageFileFailed();
    }
}

void CQuillboxDoc::ReportSaveFailure(const std::string& path, const quill::FileError& cause) {
    emit SaveFailed(QString::fromStdString(path),
                    QString::fromStdString(quill::DescribeCause(cause)));
}
