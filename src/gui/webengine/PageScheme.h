#pragma once

#include "gui/views/PageEngine.h"

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QWebEngineUrlSchemeHandler>

class QWebEngineProfile;

// Registers the scheme and chooses the web engine's switches (pages drawn in
// this process, in software). Must run before the engine starts, that
// is before the first web profile or view is made.
void RegisterPageScheme();

// Serves each view the page it last wrote, and the Data folder's images and
// style sheet; nothing else. One instance on the one shared web profile,
// which owns it.
class PageSchemeHandler : public QWebEngineUrlSchemeHandler {
    Q_OBJECT
public:
    explicit PageSchemeHandler(QWebEngineProfile* profile);
    QWebEngineProfile* Profile() const { return m_profile; }

    // Makes page the text served for qm://host/pageName; files beside it come
    // from folder.
    void SetPage(const QString& host, const QString& folder, const QString& pageName,
                 const QByteArray& page);

    void requestStarted(QWebEngineUrlRequestJob* job) override;

private:
    struct ServedPage {
        QString folder;
        QString name;
        QByteArray bytes;
    };
    QWebEngineProfile* m_profile;
    QHash<QString, ServedPage> m_pages;
};
