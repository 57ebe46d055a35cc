#pragma once

#include "core/settings/BrowserMenuEntry.h"

#include <QString>
#include <memory>

// The link host program, installed beside the program itself.
QString LinkHostProgramPath();

// The "Add link" entry for this system's browsers: the link host registered
// with every browser of the user.
std::unique_ptr<quill::BrowserMenuEntry> CreateBrowserMenuEntry(const QString& hostProgram);

// The settings dialog's text for the integration box, naming this system's browser.
QString IntegrationCheckText();
