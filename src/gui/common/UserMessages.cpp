#include "gui/common/UserMessages.h"

#include <QDir>
#include <QMessageBox>
#include <memory>

namespace {
QMessageBox* Make(QWidget* parent, QMessageBox::Icon icon, const QString& text) {
    auto* box = new QMessageBox(icon, QStringLiteral("Quillmark"), text, QMessageBox::Ok, parent);
    box->setObjectName(QStringLiteral("quillmarkMessage"));
    return box;
}

void Show(QWidget* parent, QMessageBox::Icon icon, const QString& text) {
    std::unique_ptr<QMessageBox>(Make(parent, icon, text))->exec();
}
} // namespace

QMessageBox* OpenInformation(QWidget* parent, const QString& text) {
    QMessageBox* box = Make(parent, QMessageBox::Information, text);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
    return box;
}

void ShowInformation(QWidget* parent, const QString& text) {
    Show(parent, QMessageBox::Information, text);
}

void ShowWarning(QWidget* parent, const QString& text) {
    Show(parent, QMessageBox::Warning, text);
}

void ShowSaveFailure(QWidget* parent, const QString& path, const QString& cause) {
    ShowWarning(parent, QObject::tr("Quillmark could not save your change to\n%1:\n%2\n\n"
                                    "The change is kept while the program runs, but the file "
                                    "still holds the old list.")
                            .arg(QDir::toNativeSeparators(path), cause));
}
