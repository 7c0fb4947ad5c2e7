#include "store/RecentFiles.h"

#include "store/FilePaths.h"

namespace {

QString KeyOf(int position)
{
    return QStringLiteral("MRU/%1").arg(position);
}

} // namespace

void RecentFiles::load(QSettings& settings)
{
    paths_.clear();
    for (int position = 1; position <= Capacity; ++position) {
        const QString path = settings.value(KeyOf(position)).toString();
        if (path.isEmpty())
            break;
        paths_.append(path);
    }
}

void RecentFiles::save(QSettings& settings) const
{
    for (int i = 0; i < paths_.size(); ++i)
        settings.setValue(KeyOf(i + 1), paths_.at(i));
}

void RecentFiles::add(const QString& path, QSettings& settings)
{
    const qsizetype index = paths_.indexOf(path);
    if (index == 0)
        return;
    if (index > 0)
        paths_.removeAt(index);
    paths_.prepend(path);
    if (paths_.size() > Capacity)
        paths_.removeLast();
    save(settings);
}

QString RecentFiles::caption(int position, const QString& path)
{
    // A "&" of the file name is shown as such, not taken for a shortcut.
    QString name = FileNameFromPath(path);
    name.replace(QLatin1Char('&'), QLatin1String("&&"));
    return QStringLiteral("&%1. %2").arg(position).arg(name);
}
