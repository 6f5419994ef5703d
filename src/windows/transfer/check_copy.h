#pragma once

#include "transfer/reconcile.h"
#include "widgets/report_paper.h"

#include <QCoreApplication>

class QWidget;

namespace vant {

struct Session;

// The copy of a period beside its source, as a person reads it and as an office files it.
class CheckCopy
{
    Q_DECLARE_TR_FUNCTIONS(vant::CheckCopy)

public:
    // The totals per voucher code and per ledger, source and copy side by side, then every
    // difference with its voucher, the voucher's copy and the column. The companies are named
    // as the caller gives them.
    static Report report(const Reconciliation &result, const QString &source, const QString &copy,
                         const QString &period);

    // Reconciles the period and shows the result in a window of its own over the parent; a
    // reconciliation that fails is reported under "Reconcile". Nothing is changed.
    static void run(Session &session, const ReconcileRequest &request, QWidget *parent);
};

} // namespace vant
