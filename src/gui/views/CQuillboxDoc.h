#pragma once

#include <QObject>
#include <QString>

// The one document. It holds no data (the frame does); it carries the caption's
// title and is where every view is asked to redraw.
class CQuillboxDoc : public QObject {
    Q_OBJECT
public:
    explicit CQuillboxDoc(QObject* parent = nullptr);

    // Re-initialises the empty document in place (Ctrl+N).
    bool OnNewDocument();

    void SetTitle(const QString& title);
    const QString& GetTitle() const { return m_title; }

    // Makes every view of the document redraw.
    void UpdateAllViews();

signals:
    void TitleChanged(const QString& title);
    void ViewsUpdateRequested();

private:
    QString m_title;
};
