#include "gui/platform/EngineReadAhead.h"

#include "core/startup/ReadAheadPlan.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QLibraryInfo>
#include <QLocale>
#include <QLoggingCategory>

#include <fcntl.h>
#include <link.h>
#include <malloc.h>
#include <pthread.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <fstream>
#include <set>

Q_LOGGING_CATEGORY(lcReadAhead, "quillmark.readahead", QtInfoMsg)

namespace {

// Small steps, so that stopping is never far off and the system can put the
// program's own reads in between.
constexpr off_t kStep = 4 << 20;

std::string Chosen(const char* variable, const QString& otherwise) {
    const QString chosen = qEnvironmentVariable(variable);
    return QDir::cleanPath(chosen.isEmpty() ? otherwise : chosen).toStdString();
}

quill::EngineLayout Layout(const QString& plugin) {
    return {plugin.toStdString(),
            Chosen("QTWEBENGINE_RESOURCES_PATH",
                   QLibraryInfo::path(QLibraryInfo::DataPath) + QStringLiteral("/resources")),
            Chosen("QTWEBENGINE_LOCALES_PATH", QLibraryInfo::path(QLibraryInfo::TranslationsPath) +
                                                   QStringLiteral("/qtwebengine_locales")),
            QLocale().name().toStdString(),
            Chosen("QTWEBENGINE_PROCESS_PATH",
                   QLibraryInfo::path(QLibraryInfo::LibraryExecutablesPath) +
                       QStringLiteral("/QtWebEngineProcess"))};
}

// What the program has loaded, and the loader's folders: the user's, those
// the loaded libraries came from, then the usual ones.
quill::LibrarySearch Search() {
    quill::LibrarySearch search;
    dl_iterate_phdr(
        [](dl_phdr_info* info, size_t, void* loaded) {
            if (info->dlpi_name != nullptr && info->dlpi_name[0] == '/') {
                static_cast<std::vector<std::string>*>(loaded)->push_back(info->dlpi_name);
            }
            return 0;
        },
        &search.loaded);
    const QString userFolders = qEnvironmentVariable("LD_LIBRARY_PATH");
    for (const QString& folder : userFolders.split(QLatin1Char(':'), Qt::SkipEmptyParts)) {
        search.folders.push_back(folder.toStdString());
    }
    std::set<std::string> known;
    for (const std::string& library : search.loaded) {
        const std::string folder = library.substr(0, library.rfind('/'));
        if (known.insert(folder).second) {
            search.folders.push_back(folder);
        }
    }
    search.folders.insert(search.folders.end(), {"/lib", "/usr/lib"});
    return search;
}

std::uint64_t MemoryAvailable() {
    std::ifstream info("/proc/meminfo");
    std::string name;
    std::uint64_t kilobytes = 0;
    while (info >> name >> kilobytes) {
        if (name == "MemAvailable:") {
            return kilobytes * 1024;
        }
        info.ignore(64, '\n');
    }
    return 0;
}

// Below every other thread for the processor, and for the disk where its
// scheduler knows priorities.
void LowestPriority() {
    sched_param none{};
    pthread_setschedparam(pthread_self(), SCHED_IDLE, &none);
    constexpr int kThisThread = 1;      // IOPRIO_WHO_PROCESS with id 0
    constexpr int kIdleClass = 3 << 13; // IOPRIO_CLASS_IDLE
    syscall(SYS_ioprio_set, kThisThread, 0, kIdleClass);
}

// Asks for the file's pages without waiting for them: the kernel reads them
// into its cache while this thread moves on.
bool ReadAhead(const std::string& path, std::uint64_t size, const std::atomic<bool>& stop) {
    const int file = open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (file < 0) {
        return true;
    }
    for (off_t at = 0; static_cast<std::uint64_t>(at) < size && !stop; at += kStep) {
        posix_fadvise(file, at, kStep, POSIX_FADV_WILLNEED);
    }
    close(file);
    return !stop;
}

void ReadAll(const quill::EngineLayout& layout, const quill::LibrarySearch& search,
             const std::atomic<bool>& stop) {
    QElapsedTimer clock;
    clock.start();
    const auto plan = quill::PlanEngineReadAhead(layout, search, MemoryAvailable());
    std::uint64_t bytes = 0;
    for (const quill::FileToRead& file : plan) {
        if (!ReadAhead(file.path, file.size, stop)) {
            return;
        }
        bytes += file.size;
    }
    qCDebug(lcReadAhead) << "web engine read ahead:" << plan.size() << "files," << (bytes >> 20)
                         << "MB asked for in" << clock.elapsed() << "ms";
}

} // namespace

EngineReadAhead::EngineReadAhead(const QString& plugin)
    // The loader's list is taken here, on the main thread: at the lowest
    // priority the thread could be held up inside the loader's lock, which the
    // page's own loading needs.
    : m_reader([this, layout = Layout(plugin), search = Search()] {
          LowestPriority();
          ReadAll(layout, search, m_stop);
          // glibc keeps the heap the thread's allocations came from. Trimming
          // takes the lock of every heap, the main one too, so the main thread
          // does it.
          if (QCoreApplication* application = QCoreApplication::instance()) {
              QMetaObject::invokeMethod(
                  application, [] { malloc_trim(0); }, Qt::QueuedConnection);
          }
      }) {}

EngineReadAhead::~EngineReadAhead() {
    m_stop = true;
    m_reader.join();
}
