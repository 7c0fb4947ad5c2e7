#include "store/RecentFiles.h"

#include "store/FilePaths.h"
#include "store/Settings.h"

void RecentFiles::load(const Settings& settings)
{
    paths_ = settings.recentFiles(Capacity);
}

void RecentFiles::add(const QString& path, Settings& settings)
{
    const qsizetype index = paths_.indexOf(path);
    if (index == 0)
        return;
    if (index > 0)
        paths_.removeAt(index);
    paths_.prepend(path);
    if (paths_.size() > Capacity)
        paths_.removeLast();
    settings.setRecentFiles(paths_);
}

QString RecentFiles::caption(int position, const QString& path)
{
    // A "&" of the file name is shown as such, not taken for a shortcut.
    QString name = FileNameFromPath(path);
    name.replace(QLatin1Char('&'), QLatin1String("&&"));
    return QStringLiteral("&%1. %2").arg(position).arg(name);
}
