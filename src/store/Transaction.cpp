#include "store/Transaction.h"

#include "store/RosterDatabase.h"

#include <sqlite3.h>

Transaction::Transaction(const RosterDatabase& db)
    : db_(db)
{
    db_.execute("BEGIN");
}

Transaction::~Transaction()
{
    // A rollback that fails leaves nothing to do: the engine has already ended the transaction.
    if (open_)
        sqlite3_exec(db_.handle(), "ROLLBACK", nullptr, nullptr, nullptr);
}

void Transaction::commit()
{
    db_.execute("COMMIT");
    open_ = false;
}
