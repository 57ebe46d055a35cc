#include "profile/QtProfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QStandardPaths>

#include <algorithm>
#include <chrono>

#include "core/files/Log.h"
#include "core/files/SafeFile.h"
#include "core/settings/ProfileValues.h"
#include "profile/QtLockFile.h"

namespace {

#ifdef Q_OS_WIN
constexpr bool kRegistry = true; // no file and no lock: QSettings writes at once
#else
constexpr bool kRegistry = false;
#endif

// The lock held elsewhere is looked at again this often; a write that failed
// (a folder made read-only for a while) less often.
constexpr int kBusyRetryMs = 1000;
constexpr int kFailedRetryMs = 5000;
// The last tries at the end wait this long in all (every profile object
// together) for the lock, so that the end of a session is never held up.
constexpr int kEndWaitMs = 2000;

// What is left of the one wait shared by all tries at the end.
int EndWaitLeft(int waitMs) {
    using Clock = std::chrono::steady_clock;
    static const Clock::time_point deadline = Clock::now() + std::chrono::milliseconds(waitMs);
    const auto left =
        std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
    return static_cast<int>(std::max<long long>(0, left));
}
// A profile larger than this holds no profile of this program's, and reading
// it would hold the window for seconds: it is neither read nor written.
constexpr qint64 kMaxProfileBytes = 8 << 20;

QString FromView(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QString UserProfilePath() {
    if (kRegistry) {
        return {};
    }
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QLatin1Char('/') + FromView(quill::kCompanyName) + QLatin1Char('/') +
           FromView(quill::kProductName) + QStringLiteral(".conf");
}

// Opening a named pipe or a device would wait for ever; a huge file would
// take seconds. Either stays unread.
bool SafeToRead(const QString& path) {
    const QFileInfo info(path);
    if (kRegistry || !info.exists()) {
        return true;
    }
    return info.isFile() && info.size() <= kMaxProfileBytes;
}

QSettings* MakeSettings(const QString& path) {
    if (SafeToRead(path)) {
        return new QSettings(QSettings::NativeFormat, QSettings::UserScope,
                             FromView(quill::kCompanyName), FromView(quill::kProductName));
    }
    return new QSettings(QString(), QSettings::IniFormat); // defaults only
}

// QSettings writes values into a private copy of the profile (nobody else
// waits on the copy's lock), which then replaces the profile while this
// program holds the profile's lock.
bool WriteThroughCopy(const std::string& path, const QMap<QString, QVariant>& values) {
    quill::FileContents current = quill::ReadWholeFile(path, kMaxProfileBytes);
    if (current.status != quill::ReadStatus::Ok && current.status != quill::ReadStatus::Missing) {
        quill::LogFailure(quill::LogArea::Files,
                          "could not read the profile " + path + ": " +
                              quill::DescribeCause(quill::ReadFailure(current)));
        return false;
    }
    quill::RemoveStaleTemporaries(path);
    const QFileInfo target(QFile::decodeName(path.c_str()));
    // Named as the safe writer names its temporaries, so one left by a kill goes.
    const QString copy = target.path() + QStringLiteral("/.") + target.fileName() +
                         QStringLiteral(".%1.tmp").arg(QRandomGenerator::global()->generate64(), 16,
                                                       16, QLatin1Char('0'));
    bool ok = false;
    {
        QFile file(copy);
        ok = file.open(QIODevice::WriteOnly | QIODevice::NewOnly) &&
             file.write(current.bytes.data(), static_cast<qint64>(current.bytes.size())) ==
                 static_cast<qint64>(current.bytes.size());
    }
    if (ok) {
        QSettings settings(copy, QSettings::IniFormat);
        for (auto it = values.begin(); it != values.end(); ++it) {
            settings.setValue(it.key(), it.value());
        }
        settings.sync();
        ok = settings.status() == QSettings::NoError;
    }
    const quill::FileContents written =
        ok ? quill::ReadWholeFile(QFile::encodeName(copy).toStdString()) : quill::FileContents{};
    QFile::remove(copy);
    quill::FileError error{"writing a copy of it", 0};
    if (ok && written.status == quill::ReadStatus::Ok &&
        quill::ReplaceFileContents(path, written.bytes, quill::Durability::Synced, &error)) {
        quill::LogStep(quill::LogArea::Files, "saved the profile " + path);
        return true;
    }
    quill::LogFailure(quill::LogArea::Files,
                      "could not save the profile " + path + ": " + quill::DescribeCause(error));
    return false;
}

} // namespace

QtProfile::QtProfile() : m_path(UserProfilePath()), m_settings(MakeSettings(m_path)) {
    if (!m_settings->fileName().isEmpty()) {
        m_path = m_settings->fileName();
    }
    m_retry.setSingleShot(true);
    QObject::connect(&m_retry, &QTimer::timeout, [this] {
        const Outcome outcome = WriteUnwritten(0);
        if (outcome != Outcome::Waiting && m_onRetried) {
            m_onRetried(outcome == Outcome::Written);
        }
    });
}

QtProfile::~QtProfile() {
    if (!m_unwritten.isEmpty()) {
        WriteUnwritten(EndWaitLeft(kEndWaitMs));
    }
}

QString QtProfile::Key(std::string_view section, std::string_view name) {
    return FromView(section) + QLatin1Char('/') + FromView(name);
}

QVariant QtProfile::Value(const QString& key) const {
    auto unwritten = m_unwritten.constFind(key);
    return unwritten != m_unwritten.constEnd() ? *unwritten : m_settings->value(key);
}

std::optional<std::string> QtProfile::ReadString(std::string_view section,
                                                 std::string_view name) const {
    const QVariant value = Value(Key(section, name));
    if (!value.isValid()) {
        return std::nullopt;
    }
    // Strings go in and come out as plain text; QSettings escapes a leading "@"
    // itself, so a note beginning with "@" reads back unchanged.
    return value.toString().toStdString();
}

std::optional<int> QtProfile::ReadInt(std::string_view section, std::string_view name) const {
    const QVariant value = Value(Key(section, name));
    if (!value.isValid()) {
        return std::nullopt;
    }
    // A number written by another process reads back as text here.
    bool ok = false;
    const int number = value.toString().trimmed().toInt(&ok);
    if (!ok) {
        return std::nullopt; // not a number: treated as absent, so the default applies
    }
    return number;
}

bool QtProfile::WriteString(std::string_view section, std::string_view name,
                            std::string_view value) {
    return Write(Key(section, name), FromView(value));
}

bool QtProfile::WriteInt(std::string_view section, std::string_view name, int value) {
    return Write(Key(section, name), value);
}

bool QtProfile::Write(const QString& key, const QVariant& value) {
    m_unwritten.insert(key, value);
    return WriteUnwritten(0) != Outcome::Failed;
}

bool QtProfile::Flush(int waitMs) {
    if (waitMs > 0 && !m_unwritten.isEmpty()) {
        waitMs = std::max(1, EndWaitLeft(waitMs));
    }
    const Outcome outcome = WriteUnwritten(waitMs);
    return outcome == Outcome::Written || (outcome == Outcome::Waiting && waitMs == 0);
}

QtProfile::Outcome QtProfile::WriteUnwritten(int waitMs) {
    if (m_unwritten.isEmpty()) {
        return Outcome::Written;
    }
    if (kRegistry) {
        for (auto it = m_unwritten.begin(); it != m_unwritten.end(); ++it) {
            m_settings->setValue(it.key(), it.value());
        }
        m_settings->sync();
        if (m_settings->status() != QSettings::NoError) {
            return Outcome::Failed;
        }
        m_unwritten.clear();
        return Outcome::Written;
    }
    QDir().mkpath(QFileInfo(m_path).path());
    const std::string path = QFile::encodeName(m_path).toStdString();
    QtLockFile profileLock(path + ".lock");
    quill::HeldLock lock(profileLock, waitMs);
    if (lock.Result() == quill::CrossProcessLock::Attempt::Busy) {
        m_retry.start(kBusyRetryMs);
        return Outcome::Waiting;
    }
    const bool written = lock.Taken() && WriteThroughCopy(path, m_unwritten);
    lock.Release();
    if (!written) {
        m_retry.start(kFailedRetryMs);
        return Outcome::Failed;
    }
    m_unwritten.clear();
    m_retry.stop();
    Refresh();
    return Outcome::Written;
}

void QtProfile::Refresh() {
    // Nothing is ever set on these settings here (writes go through a copy), so
    // this only reads and never waits for the lock.
    if (SafeToRead(m_path)) {
        m_settings->sync();
    }
}
