#pragma once

#include <QDialog>

// "About Quillmark": the icon, the version, a second line and a link to the web site.
class CAboutDlg : public QDialog {
    Q_OBJECT
public:
    explicit CAboutDlg(QWidget* parent = nullptr);
};
