#include "foundation/FolderListing.h"

#include <QFile>
#include <algorithm>
#include <dirent.h>
#include <fcntl.h>
#include <memory>
#include <sys/stat.h>

namespace {
    struct FolderCloser
    {
        void operator()(DIR* folder) const { ::closedir(folder); }
    };
} // namespace

QVector<FolderListing::Entry> FolderListing::entriesOf(const QString& folder)
{
    QVector<Entry> entries;
    const std::unique_ptr<DIR, FolderCloser> stream(::opendir(QFile::encodeName(folder).constData()));
    if (!stream) {
        return entries;
    }
    const int descriptor = ::dirfd(stream.get());
    while (const dirent* item = ::readdir(stream.get())) {
        const QByteArray name(item->d_name);
        if (name == "." || name == "..") {
            continue;
        }
        Entry entry;
        entry.name = name;
        struct stat status = {};
        if (::fstatat(descriptor, item->d_name, &status, AT_SYMLINK_NOFOLLOW) == 0 && S_ISLNK(status.st_mode)) {
            entry.link = true;
            entry.folder = ::fstatat(descriptor, item->d_name, &status, 0) == 0 && S_ISDIR(status.st_mode);
        } else {
            entry.folder = S_ISDIR(status.st_mode);
        }
        entries << entry;
    }
    std::sort(entries.begin(), entries.end(), [](const Entry& left, const Entry& right) {
        return QFile::decodeName(left.name) < QFile::decodeName(right.name);
    });
    return entries;
}
