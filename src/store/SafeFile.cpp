#include "store/SafeFile.h"

#include <unistd.h>

SafeFile::SafeFile(const QString& path)
    : file_(path)
{
}

// An uncommitted file is discarded by its QSaveFile: the target is left as it was.
SafeFile::~SafeFile() = default;

bool SafeFile::open()
{
    failed_ = false;
    if (!file_.open(QIODevice::WriteOnly))
        return false;
    return QIODevice::open(QIODevice::WriteOnly | QIODevice::Unbuffered);
}

bool SafeFile::commit()
{
    if (!isOpen())
        return false;
    QIODevice::close();
    const bool complete = !failed_ && file_.flush() && ::fsync(file_.handle()) == 0;
    if (!complete) {
        // Discards the new file at once.
        file_.cancelWriting();
        file_.commit();
        return false;
    }
    return file_.commit();
}

qint64 SafeFile::readData(char*, qint64)
{
    return -1;
}

qint64 SafeFile::writeData(const char* data, qint64 size)
{
    // One failed write spoils the whole file, even if the writer goes on.
    if (!failed_ && file_.write(data, size) != size)
        failed_ = true;
    return failed_ ? -1 : size;
}

bool WriteFileSafely(const QString& path, const QByteArray& content)
{
    SafeFile file(path);
    return file.open() && file.write(content) == content.size() && file.commit();
}
