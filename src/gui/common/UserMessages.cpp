#include "gui/common/UserMessages.h"

#include <QDir>
#include <QMessageBox>

namespace {
void Show(QWidget* parent, QMessageBox::Icon icon, const QString& text) {
    QMessageBox box(icon, QStringLiteral("Quillmark"), text, QMessageBox::Ok, parent);
    box.setObjectName(QStringLiteral("quillmarkMessage"));
    box.exec();
}
} // namespace

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
