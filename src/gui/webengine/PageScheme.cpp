#include "gui/webengine/PageScheme.h"

#include <QBuffer>
#include <QFile>
#include <QGuiApplication>
#include <QPalette>
#include <QWebEngineProfile>
#include <QWebEngineUrlRequestJob>
#include <QWebEngineUrlScheme>

#include <initializer_list>
#include <optional>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

// The files a page may name beside itself, by their type.
QByteArray ContentTypeFor(const QString& name) {
    if (name.endsWith(QLatin1String(".gif"), Qt::CaseInsensitive)) {
        return "image/gif";
    }
    if (name.endsWith(QLatin1String(".png"), Qt::CaseInsensitive)) {
        return "image/png";
    }
    if (name.endsWith(QLatin1String(".css"), Qt::CaseInsensitive)) {
        return "text/css";
    }
    return {};
}

// A page's image or style sheet is a few kilobytes; a larger file is not
// read on the window's thread.
constexpr qint64 kMaxServedFileBytes = 16 << 20;

// The file's bytes when it is a regular file of sane size. Opened without
// waiting and checked on the open file: a named pipe in the Data folder
// would otherwise hold the window (and its signal handling) for good.
std::optional<QByteArray> ReadRegularFile(const QString& path) {
#ifdef Q_OS_UNIX
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        return std::nullopt;
    }
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode) || info.st_size > kMaxServedFileBytes) {
        ::close(fd);
        return std::nullopt;
    }
    QFile file;
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return std::nullopt;
    }
    QByteArray bytes = file.read(kMaxServedFileBytes + 1);
#else
    QFile file(path);
    if (file.size() > kMaxServedFileBytes || !file.open(QIODevice::ReadOnly)) {
        return std::nullopt;
    }
    QByteArray bytes = file.read(kMaxServedFileBytes + 1);
#endif
    if (file.error() != QFileDevice::NoError || bytes.size() > kMaxServedFileBytes) {
        return std::nullopt;
    }
    return bytes;
}

void Reply(QWebEngineUrlRequestJob* job, const QByteArray& contentType, const QByteArray& bytes) {
    auto* buffer = new QBuffer(job);
    buffer->setData(bytes);
    job->reply(contentType, buffer);
}

void SetDefault(const char* name, const QByteArray& value) {
    if (qEnvironmentVariableIsEmpty(name)) {
        qputenv(name, value);
    }
}

// The pages are small static documents: software drawing shows them just as
// well, and leaving OpenGL and the GPU code unloaded saves about a quarter of
// the program's memory. They are the program's own, served only from its own
// scheme with scripts off, so the engine runs them in this process: a
// separate renderer and its launcher would each map the engine's code again,
// about 20 MB more in all. Each switch can still be set otherwise from
// outside; a process-model switch given there (a renderer limit, say) wins
// over running in this process. Called once the application exists.
void ChoosePageEngineSwitches() {
    QByteArray flags = qgetenv("QTWEBENGINE_CHROMIUM_FLAGS");
    auto add = [&flags](std::initializer_list<const char*> chosenBy, const QByteArray& flag) {
        for (const char* name : chosenBy) {
            if (flags.contains(name)) {
                return;
            }
        }
        flags += flags.isEmpty() ? "" : " ";
        flags += flag;
    };
    add({"--single-process", "--renderer-process-limit", "--process-per-site", "--process-per-tab",
         "--site-per-process"},
        "--single-process");
    add({"-gpu"}, "--disable-gpu");
    // The pages follow a dark desktop through their style sheet's
    // prefers-color-scheme, which the engine takes from this switch only.
    if (QGuiApplication::palette().color(QPalette::Window).lightness() < 128) {
        add({"--force-dark-mode"}, "--force-dark-mode");
    }
    qputenv("QTWEBENGINE_CHROMIUM_FLAGS", flags);
    SetDefault("QT_QUICK_BACKEND", "software");
}

} // namespace

void RegisterPageScheme() {
    QWebEngineUrlScheme scheme(kPageScheme);
    scheme.setSyntax(QWebEngineUrlScheme::Syntax::Host);
    scheme.setFlags(QWebEngineUrlScheme::SecureScheme | QWebEngineUrlScheme::LocalScheme);
    QWebEngineUrlScheme::registerScheme(scheme);

    ChoosePageEngineSwitches();
}

PageSchemeHandler::PageSchemeHandler(QWebEngineProfile* profile)
    : QWebEngineUrlSchemeHandler(profile), m_profile(profile) {
    m_profile->installUrlSchemeHandler(kPageScheme, this);
}

void PageSchemeHandler::SetPage(const QString& host, const QString& folder, const QString& pageName,
                                const QByteArray& page) {
    m_pages.insert(host, ServedPage{folder, pageName, page});
}

void PageSchemeHandler::requestStarted(QWebEngineUrlRequestJob* job) {
    const QUrl url = job->requestUrl();
    auto page = m_pages.constFind(url.host());
    const QString name = url.path(QUrl::FullyDecoded).mid(1);
    if (page == m_pages.constEnd() || job->requestMethod() != "GET") {
        job->fail(QWebEngineUrlRequestJob::UrlNotFound);
        return;
    }
    if (name == page->name) {
        Reply(job, "text/html;charset=utf-8", page->bytes);
        return;
    }
    // Only plain files of a known type straight in the Data folder.
    const QByteArray contentType = ContentTypeFor(name);
    if (contentType.isEmpty() || name.contains(QLatin1Char('/')) ||
        name.contains(QLatin1Char('\\')) || name.startsWith(QLatin1Char('.'))) {
        job->fail(QWebEngineUrlRequestJob::UrlNotFound);
        return;
    }
    const std::optional<QByteArray> bytes = ReadRegularFile(page->folder + QLatin1Char('/') + name);
    if (!bytes) {
        job->fail(QWebEngineUrlRequestJob::UrlNotFound);
        return;
    }
    Reply(job, contentType, *bytes);
}
