#include "BrowserIntegration.h"

#include "integration/HostManifestFiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QStandardPaths>

#include <windows.h>

namespace {

const wchar_t kMenuExtKey[] = L"Software\\Microsoft\\Internet Explorer\\MenuExt\\&Add link";
constexpr DWORD kMenuContexts = 0x30; // on text selections and on anchors

struct HostKey {
    const wchar_t* key;
    quill::BrowserFamily family;
};

// Where each browser looks up a native-messaging host for the current user.
const HostKey kHostKeys[] = {
    {L"Software\\Google\\Chrome\\NativeMessagingHosts\\quillmark.link_host",
     quill::BrowserFamily::Chromium},
    {L"Software\\Chromium\\NativeMessagingHosts\\quillmark.link_host",
     quill::BrowserFamily::Chromium},
    {L"Software\\Microsoft\\Edge\\NativeMessagingHosts\\quillmark.link_host",
     quill::BrowserFamily::Chromium},
    {L"Software\\Mozilla\\NativeMessagingHosts\\quillmark.link_host",
     quill::BrowserFamily::Firefox},
};

void SetDefaultString(HKEY key, const std::wstring& text) {
    // The size counts the terminating null.
    RegSetValueExW(key, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                   static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t)));
}

// The old menu-extension key plus the hosts' registry keys, each pointing at
// the manifest file for its browser family. Results of registry calls are
// ignored, as for every other integration step.
class WindowsBrowserMenuEntry : public quill::BrowserMenuEntry {
public:
    explicit WindowsBrowserMenuEntry(const QString& hostProgram) {
        const QString folder =
            QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation) +
            QStringLiteral("/NativeMessagingHosts");
        m_chromiumFolder = QDir::toNativeSeparators(folder + QStringLiteral("/chromium"));
        m_firefoxFolder = QDir::toNativeSeparators(folder + QStringLiteral("/firefox"));
        m_manifests = std::make_unique<quill::HostManifestFiles>(
            std::vector<quill::ManifestFolder>{
                {m_chromiumFolder.toStdString(), quill::BrowserFamily::Chromium, {}},
                {m_firefoxFolder.toStdString(), quill::BrowserFamily::Firefox, {}}},
            QDir::toNativeSeparators(hostProgram).toStdString());
    }

    void Apply(bool integrate, const std::string& extensionPage) override {
        if (integrate) {
            AddMenuExtension(extensionPage);
            m_manifests->Apply(true, extensionPage);
            for (const HostKey& host : kHostKeys) {
                HKEY key = nullptr;
                if (RegCreateKeyExW(HKEY_CURRENT_USER, host.key, 0, nullptr, 0, KEY_WRITE, nullptr,
                                    &key, nullptr) == ERROR_SUCCESS) {
                    SetDefaultString(key, ManifestPath(host.family).toStdWString());
                    RegCloseKey(key);
                }
            }
        } else {
            RegDeleteTreeW(HKEY_CURRENT_USER, kMenuExtKey);
            RegDeleteKeyW(HKEY_CURRENT_USER, kMenuExtKey);
            for (const HostKey& host : kHostKeys) {
                RegDeleteKeyW(HKEY_CURRENT_USER, host.key);
            }
            m_manifests->Apply(false, extensionPage);
        }
    }

private:
    static void AddMenuExtension(const std::string& page) {
        HKEY key = nullptr;
        if (RegCreateKeyExW(HKEY_CURRENT_USER, kMenuExtKey, 0, nullptr, 0, KEY_WRITE, nullptr, &key,
                            nullptr) != ERROR_SUCCESS) {
            return;
        }
        SetDefaultString(key, QString::fromStdString(page).toStdWString());
        RegSetValueExW(key, L"Contexts", 0, REG_DWORD,
                       reinterpret_cast<const BYTE*>(&kMenuContexts), sizeof kMenuContexts);
        RegCloseKey(key);
    }

    QString ManifestPath(quill::BrowserFamily family) const {
        const QString name = QString::fromStdString(quill::HostManifestFileName());
        return (family == quill::BrowserFamily::Chromium ? m_chromiumFolder : m_firefoxFolder) +
               QLatin1Char('\\') + name;
    }

    QString m_chromiumFolder;
    QString m_firefoxFolder;
    std::unique_ptr<quill::HostManifestFiles> m_manifests;
};

} // namespace

QString LinkHostProgramPath() {
    return QDir(QCoreApplication::applicationDirPath())
        .filePath(QStringLiteral("quillmark-link-host.exe"));
}

std::unique_ptr<quill::BrowserMenuEntry> CreateBrowserMenuEntry(const QString& hostProgram) {
    return std::make_unique<WindowsBrowserMenuEntry>(hostProgram);
}

QString IntegrationCheckText() {
    return QStringLiteral("   Add \"Add link\" button to IE context menu.");
}
