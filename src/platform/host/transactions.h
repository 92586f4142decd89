// Transactions of the host's drawing database. The manager keeps a stack of
// open transactions: startTransaction opens one on top, endTransaction
// commits the top one, abortTransaction rolls it back; topTransaction is the
// innermost open one. The manager owns the transactions: a pointer is valid
// until its transaction ends or is aborted.
#pragma once

#include "platform/host/acadstatus.h"
#include "platform/host/host_api.h"

#include <memory>
#include <vector>

class ZRLHOST_API AcTransaction {
public:
    explicit AcTransaction(int serial) : serial_(serial) {}
    // A number that tells transactions apart (1 for the first of the session).
    int serial() const { return serial_; }

private:
    int serial_;
};

class ZRLHOST_API AcTransactionManager {
public:
    AcTransaction* startTransaction();
    // eNoActiveTransactions when none is open.
    ErrorStatus endTransaction();
    ErrorStatus abortTransaction();
    AcTransaction* topTransaction() const;
    int numActiveTransactions() const { return static_cast<int>(open_.size()); }

    // How many transactions were committed and rolled back so far.
    int endedCount() const { return ended_; }
    int abortedCount() const { return aborted_; }
    // Drops every open transaction and the counts (test fixtures).
    void reset();

private:
    std::vector<std::unique_ptr<AcTransaction>> open_;
    int serial_ = 0;
    int ended_ = 0;
    int aborted_ = 0;
};

// The drawing database's transaction manager.
ZRLHOST_API AcTransactionManager* acdbTransactionManager();
