#pragma once

class RosterDatabase;

// Writes that belong together: committed whole by commit(), rolled back if the scope is left
// before that (by an exception or an early return).
class Transaction {
public:
    explicit Transaction(const RosterDatabase& db);
    ~Transaction();
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;

    void commit();

private:
    const RosterDatabase& db_;
    bool open_ = true;
};
