#include "support/ByteSafeTemporaryDir.h"

#include <QFile>
#include <QtGlobal>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <ftw.h>

namespace {
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
        // Depth first, so a folder is empty by the time it is reached; a link goes, never what it points to.
        ::nftw(QFile::encodeName(path()).constData(), removeEntry, openFoldersAtMost, FTW_DEPTH | FTW_PHYS);
    }
}
