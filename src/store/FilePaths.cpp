#include "FilePaths.h"

#include <QStandardPaths>

#include <algorithm>

QString FileNameFromPath(const QString& path)
{
    const qsizetype separator =
        std::max(path.lastIndexOf(QLatin1Char('/')), path.lastIndexOf(QLatin1Char('\\')));
    return path.mid(separator + 1);
}

QString StripExtension(const QString& name)
{
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    return dot < 0 ? name : name.left(dot);
}

QString RosterCaption(const QString& filePath)
{
    return StripExtension(FileNameFromPath(filePath));
}

QString DocumentsFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
}
