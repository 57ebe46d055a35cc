#include "views/CQuillboxDoc.h"

CQuillboxDoc::CQuillboxDoc(QObject* parent) : QObject(parent) {}

bool CQuillboxDoc::OnNewDocument() {
    // The document holds no data, so there is nothing to reset; its title stays
    // the name of the active tab.
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
