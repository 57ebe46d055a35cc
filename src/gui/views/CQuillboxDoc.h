#pragma once

#include "core/lists/AllViews.h"
#include "core/lists/ListStore.h"
#include "gui/views/PagePlugin.h"

#include <QObject>
#include <QString>

// The one document: it owns both lists (the store) and the caption's title,
// and is where every view is asked to redraw.
class CQuillboxDoc : public QObject, public quill::AllViews, private quill::SaveFailureReporter {
    Q_OBJECT
public:
    // workingFolder: where Data/ lies; the views write and serve their pages there.
    explicit CQuillboxDoc(const QString& workingFolder, QObject* parent = nullptr);

    const QString& WorkingFolder() const { return m_workingFolder; }

    quill::ListStore& Store() { return m_store; }
    const quill::ListStore& Store() const { return m_store; }
    // Where the page views take their web engine from, for the whole run.
    PagePlugin& Pages() { return m_pages; }

    // Re-initialises the document in place (Ctrl+N): the lists stay, the views redraw.
    bool OnNewDocument();

    void SetTitle(const QString& title);
    const QString& GetTitle() const { return m_title; }

    // Makes every view of the document redraw.
    void UpdateAllViews() override;

    // The page file cannot be written: said once; afterwards no page is written.
    void ReportPageFileUnwritable();
    bool PageFileUnwritable() const { return m_pageFileUnwritable; }

signals:
    void TitleChanged(const QString& title);
    void ViewsUpdateRequested();
    // A list's file could not be written, for the cause given; the change
    // stays in memory.
    void SaveFailed(const QString& path, const QString& cause);
    // The pages cannot be shown: the program has to end.
    void PageFileFailed();

private:
    void ReportSaveFailure(const std::string& path, const quill::FileError& cause) override;

    QString m_workingFolder;
    quill::ListStore m_store{*this};
    PagePlugin m_pages;
    QString m_title;
    bool m_pageFileUnwritable = false;
};
