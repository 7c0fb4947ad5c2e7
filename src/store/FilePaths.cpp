#include "store/FilePaths.h"

#include "store/ParticipantNames.h"

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
    QString name = QString(text).replace(QLatin1Char('/'), QLatin1Char('-'));
    // A line break or a tab in a file name (from a name typed before they were refused) only
    // confuses the file choosers and the calendar programs.
    name.removeIf(IsControlCharacter);
    return name;
}

QString DocumentsFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
}
