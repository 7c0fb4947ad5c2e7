#include "FilePaths.h"

#include <QStandardPaths>

QString FileNameFromPath(const QString& path)
{
    return path.mid(path.lastIndexOf(QLatin1Char('/')) + 1);
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

QString FileNameFor(const QString& text)
{
    return QString(text).replace(QLatin1Char('/'), QLatin1Char('-'));
}

QString DocumentsFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
}
