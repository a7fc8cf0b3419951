#include "support/ByteSafeTemporaryDir.h"

#include <QFile>
#include <QtGlobal>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <ftw.h>

namespace {
    // Depth first, so a folder is empty by the time it is reached; never through a link.
    int removeEntry(const char* path, const struct stat*, int, struct FTW*)
    {
        if (::remove(path) != 0) {
            qWarning("Cannot remove %s: %s", path, std::strerror(errno));
            return -1;
        }
        return 0;
    }
} // namespace

ByteSafeTemporaryDir::~ByteSafeTemporaryDir()
{
    if (isValid() && autoRemove()) {
        const int openFoldersAtMost = 16;
        ::nftw(QFile::encodeName(path()).constData(), removeEntry, openFoldersAtMost, FTW_DEPTH | FTW_PHYS);
    }
}
