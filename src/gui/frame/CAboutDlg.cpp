#include "gui/frame/CAboutDlg.h"

#include "gui/common/DialogUnits.h"

#include <QDesktopServices>
#include <QLabel>
#include <QPushButton>
#include <QUrl>

namespace {
const char* const kWebSite = "https://quillmark.example.org/";
}

CAboutDlg::CAboutDlg(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("aboutDialog"));
    setWindowTitle(tr("About Quillmark"));
    // Opened without a parent, it would come up behind the always-on-top window.
    setWindowFlag(Qt::WindowStaysOnTopHint);
    const DialogUnits units(font());

    auto* icon = new QLabel(this);
    icon->setPixmap(windowIcon().pixmap(units.Size(20, 20)));
    icon->setGeometry(units.Rect(7, 7, 20, 20));

    auto* version = new QLabel(tr("Quillmark Version 1.0"), this);
    version->setObjectName(QStringLiteral("versionLabel"));
    version->setTextFormat(Qt::PlainText);
    version->setGeometry(units.Rect(40, 7, 119, 8));

    auto* line = new QLabel(tr("Notes, links and tasks at hand."), this);
    line->setGeometry(units.Rect(40, 20, 119, 8));

    auto* ok = new QPushButton(tr("OK"), this);
    ok->setObjectName(QStringLiteral("okButton"));
    ok->setDefault(true);
    ok->setGeometry(units.Rect(178, 7, 50, 14));
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    auto* link = new QPushButton(QString::fromLatin1(kWebSite), this);
    link->setObjectName(QStringLiteral("webSiteButton"));
    link->setFlat(true);
    link->setCursor(Qt::PointingHandCursor);
    link->setStyleSheet(QStringLiteral("color: palette(link); text-decoration: underline;"
                                       "text-align: left; border: none;"));
    link->setGeometry(units.Rect(40, 36, 119, 14));
    connect(link, &QPushButton::clicked, this,
            [] { QDesktopServices::openUrl(QUrl(QString::fromLatin1(kWebSite))); });

    setFixedSize(units.Size(235, 58));
}
