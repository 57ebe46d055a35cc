#pragma once

#include "core/settings/Profile.h"

#include <QMap>
#include <QSettings>
#include <QTimer>
#include <QVariant>

#include <functional>
#include <memory>

// The user's profile in QSettings (the registry on Windows, a config file elsewhere),
// under the company "Tarnwick software" and the product "Quillmark".
//
// A write never waits for the profile's lock: QSettings would wait without
// limit while another process holds it, and the window with it. The values
// wait in memory instead (reads see them) and are tried again shortly; a
// write that fails for another reason is tried again as well.
class QtProfile : public quill::Profile {
public:
    QtProfile();
    // Ends with one more try that waits a little for the lock (see Flush).
    ~QtProfile() override;
    QtProfile(const QtProfile&) = delete;
    QtProfile& operator=(const QtProfile&) = delete;

    std::optional<std::string> ReadString(std::string_view section,
                                          std::string_view name) const override;
    std::optional<int> ReadInt(std::string_view section, std::string_view name) const override;
    // False only when the value could not be written (it is still kept and
    // tried again); a lock held elsewhere is no failure.
    bool WriteString(std::string_view section, std::string_view name,
                     std::string_view value) override;
    bool WriteInt(std::string_view section, std::string_view name, int value) override;

    // Writes what is waiting; false when it could not be written. waitMs 0:
    // without waiting (a lock held elsewhere is no failure then); otherwise a
    // last try at the end, waiting at most waitMs for the lock, counted from
    // the first such try of any profile object.
    bool Flush(int waitMs = 0);
    bool HasUnwrittenValues() const { return !m_unwritten.isEmpty(); }
    // Told the outcome of each later try (true once the values are written).
    void OnRetried(std::function<void(bool written)> report) { m_onRetried = std::move(report); }
    // Re-reads what other processes wrote.
    void Refresh();
    // The profile file (the registry path on Windows).
    QString Path() const { return m_path; }
    QSettings& Settings() { return *m_settings; }

private:
    enum class Outcome { Written, Waiting, Failed };
    static QString Key(std::string_view section, std::string_view name);
    QVariant Value(const QString& key) const;
    bool Write(const QString& key, const QVariant& value);
    Outcome WriteUnwritten(int waitMs);

    QString m_path;
    std::unique_ptr<QSettings> m_settings;
    QMap<QString, QVariant> m_unwritten;
    QTimer m_retry;
    std::function<void(bool)> m_onRetried;
};
