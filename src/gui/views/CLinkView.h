#pragma once

#include <QWidget>

class CMainFrame;
class CQuillboxDoc;

// The "Links" tab. Its page arrives with the page host.
class CLinkView : public QWidget {
    Q_OBJECT
public:
    CLinkView(CMainFrame& frame, CQuillboxDoc& document);
};
