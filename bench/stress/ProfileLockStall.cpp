// The longest stall of an event loop that writes the profile the way the
// program does (the note as it is typed, the due check once a minute) while
// another process holds the profile's lock, and whether the last value lands
// after the lock is let go.
//
//   quillmark_profile_lock_stall <seconds held>
//
// The profile goes to a temporary config folder (XDG_CONFIG_HOME).

#include "profile/QtLockFile.h"
#include "profile/QtProfile.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTimer>

#include <csignal>
#include <cstdio>
#include <sys/wait.h>
#include <unistd.h>

int main(int argc, char** argv) {
    const int heldSeconds = argc > 1 ? std::atoi(argv[1]) : 60;
    QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(config.path()));
    QCoreApplication app(argc, argv);
    QtProfile profile;
    const QString file = profile.Path();
    QDir().mkpath(QFileInfo(file).path());

    int ready[2];
    if (::pipe(ready) != 0) {
        return 2;
    }
    const pid_t holder = ::fork();
    if (holder == 0) {
        QtLockFile lock(QFile::encodeName(file + ".lock").toStdString());
        const bool taken = lock.Take(5000) == quill::CrossProcessLock::Attempt::Taken;
        (void)!::write(ready[1], taken ? "1" : "0", 1);
        ::sleep(static_cast<unsigned>(heldSeconds));
        lock.Release();
        ::_exit(0);
    }
    char taken = '0';
    (void)!::read(ready[0], &taken, 1);
    if (taken != '1') {
        std::fprintf(stderr, "the helper could not take the lock\n");
        return 2;
    }

    QElapsedTimer clock;
    clock.start();
    qint64 lastTick = 0;
    qint64 longest = 0;
    int writes = 0;
    QTimer tick;
    QObject::connect(&tick, &QTimer::timeout, [&] {
        const qint64 now = clock.elapsed();
        longest = std::max(longest, now - lastTick);
        lastTick = now;
    });
    tick.start(5);
    QTimer typing;
    QObject::connect(&typing, &QTimer::timeout, [&] {
        profile.WriteString("Status", "Note text", "note " + std::to_string(++writes));
        profile.WriteString("Status", "Last due check", std::to_string(writes));
    });
    typing.start(250);
    bool landed = false;
    QTimer check;
    QObject::connect(&check, &QTimer::timeout, [&] {
        if (clock.elapsed() < heldSeconds * 1000LL) {
            return;
        }
        typing.stop();
        QFile written(file);
        landed = written.open(QIODevice::ReadOnly) &&
                 written.readAll().contains(("note " + std::to_string(writes)).c_str());
        if (landed || clock.elapsed() > heldSeconds * 1000LL + 10000) {
            app.quit();
        }
    });
    check.start(100);
    app.exec();
    ::kill(holder, SIGKILL);
    ::waitpid(holder, nullptr, 0);
    std::printf("profile lock held %d s by another process: %d writes, longest stall %lld ms, "
                "last value written after the release: %s\n",
                heldSeconds, writes * 2, static_cast<long long>(longest), landed ? "yes" : "no");
    return landed ? 0 : 1;
}
