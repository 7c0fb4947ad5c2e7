#pragma once

#include <QStringList>

class Settings;

// The last roster files saved, most recent first, as the File menus list them. Kept in the
// settings store, section "MRU", keys "1" to "4".
class RecentFiles {
public:
    static constexpr int Capacity = 4;

    // Reads keys "1", "2"... up to the first missing or empty one.
    void load(const Settings& settings);

    // Puts the path first (paths are compared exactly, letter case included) and saves the
    // list, one key per entry, keys beyond the entries left as they are, unless the path is already
    // first: then nothing changes and nothing is written.
    void add(const QString& path, Settings& settings);

    const QStringList& paths() const { return paths_; }

    // The menu caption of the entry at a 1-based position: "&1. Garde 2012.dat".
    static QString caption(int position, const QString& path);

private:
    QStringList paths_;
};
