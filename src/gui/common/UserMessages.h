#pragma once

#include <QString>

class QMessageBox;
class QWidget;

// Every message box of the program is captioned "Quillmark" and goes through here.
void ShowInformation(QWidget* parent, const QString& text);
// The same, left open while the program goes on; deleted when closed.
QMessageBox* OpenInformation(QWidget* parent, const QString& text);
void ShowWarning(QWidget* parent, const QString& text);
// A change could not be written to the named file, for the cause given; it
// stays in memory.
void ShowSaveFailure(QWidget* parent, const QString& path, const QString& cause);
