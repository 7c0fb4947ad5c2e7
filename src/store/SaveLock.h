#pragma once

#include <QLockFile>
#include <QString>
#include <memory>

// Taken by a copy of the program from the moment it checks whether a roster file changed until
// it has replaced it, in a lock file beside the roster file: two copies saving the same file at
// once take turns, and the second sees the first one's change. Released when destroyed.
class SaveLock {
public:
    // False only when another copy kept the file locked for longer than any save takes. Where
    // no lock can be made (a folder that cannot be written) the save goes on unlocked and fails
    // on its own.
    bool lock(const QString& rosterPath);
    void unlock() { lock_.reset(); }

private:
    std::unique_ptr<QLockFile> lock_;
};
