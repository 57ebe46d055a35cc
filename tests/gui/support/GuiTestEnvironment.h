#pragma once

#include <QTemporaryDir>

namespace quill::test {

// Points HOME and the XDG folders at a temporary folder for the whole test
// run, so no test reads or writes the real user's profile, data or instance.
class GuiTestEnvironment {
public:
    GuiTestEnvironment();
    ~GuiTestEnvironment();

    static QString ConfigFolder();
    // The profile file QSettings uses under the temporary config folder.
    static QString ProfileFile();

private:
    QTemporaryDir m_home;
};

} // namespace quill::test
