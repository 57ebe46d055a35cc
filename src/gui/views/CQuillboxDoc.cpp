#include "views/CQuillboxDoc.h"

CQuillboxDoc::CQuillboxDoc(QObject* parent) : QObject(parent) {}

bool CQuillboxDoc::OnNewDocument() {
    SetTitle(tr("Untitled"));
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
