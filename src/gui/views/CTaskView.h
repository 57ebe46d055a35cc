#pragma once

#include <QWidget>

class CMainFrame;
class CQuillboxDoc;

// The "Tasks" tab. Its page arrives with the page host.
class CTaskView : public QWidget {
    Q_OBJECT
public:
    CTaskView(CMainFrame& frame, CQuillboxDoc& document);
};
