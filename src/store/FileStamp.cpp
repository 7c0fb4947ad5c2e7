#include "store/FileStamp.h"

#include <QCryptographicHash>
#include <QFile>

#include <sys/stat.h>

namespace {

FileStamp ToStamp(const struct stat& status)
{
    const auto nanoseconds = [](const timespec& time) {
        return static_cast<qint64>(time.tv_sec) * 1'000'000'000 + time.tv_nsec;
    };
    return {static_cast<quint64>(status.st_dev), static_cast<quint64>(status.st_ino),
            static_cast<qint64>(status.st_size), nanoseconds(status.st_mtim),
            nanoseconds(status.st_ctim)};
}

} // namespace

std::optional<FileStamp> StampOf(const QString& path)
{
    struct stat status {};
    if (::stat(QFile::encodeName(path).constData(), &status) != 0)
        return std::nullopt;
    return ToStamp(status);
}

QByteArray DigestOf(const QString& path)
{
    QFile file(path);
    QCryptographicHash hash(QCryptographicHash::Sha256);
    if (!file.open(QIODevice::ReadOnly) || !hash.addData(&file))
        return {};
    return hash.result();
}

std::optional<FileStamp> StampOf(int descriptor)
{
    struct stat status {};
    if (::fstat(descriptor, &status) != 0)
        return std::nullopt;
    return ToStamp(status);
}
