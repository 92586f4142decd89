#include "platform/host/transactions.h"

#include "platform/host/call_log.h"

#include <string>

AcTransaction* AcTransactionManager::startTransaction() {
    open_.push_back(std::make_unique<AcTransaction>(++serial_));
    host::recordCall("AcTransactionManager::startTransaction", {std::to_wstring(serial_)});
    return open_.back().get();
}

ErrorStatus AcTransactionManager::endTransaction() {
    host::recordCall("AcTransactionManager::endTransaction");
    if (open_.empty()) return Acad::eNoActiveTransactions;
    open_.pop_back();
    ++ended_;
    return Acad::eOk;
}

ErrorStatus AcTransactionManager::abortTransaction() {
    host::recordCall("AcTransactionManager::abortTransaction");
    if (open_.empty()) return Acad::eNoActiveTransactions;
    open_.pop_back();
    ++aborted_;
    return Acad::eOk;
}

AcTransaction* AcTransactionManager::topTransaction() const {
    return open_.empty() ? nullptr : open_.back().get();
}

void AcTransactionManager::reset() {
    open_.clear();
    ended_ = 0;
    aborted_ = 0;
}

AcTransactionManager* acdbTransactionManager() {
    static AcTransactionManager manager;
    return &manager;
}
