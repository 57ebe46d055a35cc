// quillmark-link-host: started by the web browser for the companion extension.
// It reads framed JSON messages on stdin, queues each link beside the
// program's profile for the program to offer, and answers on stdout.

#include "core/integration/LinkHost.h"
#include "profile/QtLockFile.h"
#include "profile/QtProfile.h"

#include <QFile>

#include <iostream>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

int main() {
#ifdef _WIN32
    // Length prefixes are binary: no newline translation.
    _setmode(_fileno(stdin), _O_BINARY);
    _setmode(_fileno(stdout), _O_BINARY);
#endif
    // The queue lies beside the profile and shares its lock; QSettings only
    // says where that file is.
    const quill::HandOverPaths paths(QFile::encodeName(QtProfile().Path()).toStdString());
    QtLockFile profileLock(paths.lock);
    return quill::ServeLinkHost(std::cin, std::cout, paths, profileLock);
}
