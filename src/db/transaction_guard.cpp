#include "database.h"

namespace vant {

TransactionGuard::~TransactionGuard()
{
    rollback();
}

void TransactionGuard::rollback()
{
    if (m_open)
        m_db.rollbackTransaction();
    m_open = false;
}

Status TransactionGuard::begin()
{
    Status status = m_db.beginTransaction();
    m_open = bool(status);
    return status;
}

Status TransactionGuard::commit()
{
    Status status = m_db.commitTransaction();
    if (status)
        m_open = false;
    return status;
}

} // namespace vant
