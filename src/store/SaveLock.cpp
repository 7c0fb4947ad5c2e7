#include "store/SaveLock.h"

namespace {

// A save takes well under a second; a lock older than this was left by a copy that stopped
// while saving on another computer (on this one, a lock whose program is gone is stale at once).
constexpr int StaleAfterMs = 30 * 1000;
constexpr int PatienceMs = 10 * 1000;

} // namespace

bool SaveLock::lock(const QString& rosterPath)
{
    lock_ = std::make_unique<QLockFile>(rosterPath + QStringLiteral(".lock"));
    lock_->setStaleLockTime(StaleAfterMs);
    if (lock_->tryLock(PatienceMs))
        return true;
    const bool heldElsewhere = lock_->error() == QLockFile::LockFailedError;
    lock_.reset();
    return !heldElsewhere;
}
