#include "WorkFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryFile>

QString GetWorkFilePath()
{
    QTemporaryFile reservation(QDir::temp().filePath(QStringLiteral("vdoXXXXXX.tmp")));
    if (!reservation.open())
        return {};
    // The temporary file removes itself when it goes out of scope.
    return reservation.fileName();
}

bool CreatePrivateFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::NewOnly,
                     QFileDevice::ReadOwner | QFileDevice::WriteOwner);
}

bool DeleteWorkFile(const QString& path)
{
    return QFile::remove(path) || !QFile::exists(path);
}
