#include "posting_fixture.h"

#include "posting/posting_filters.h"

#include <QDir>
#include <QFile>

namespace vant::test {

void PostingFixture::SetUp()
{
    qputenv("VANT_SQL_TRACE", QDir(folder.path()).filePath(QStringLiteral("trace.sql")).toLocal8Bit());
    session = std::make_unique<Session>(prompts, QDir(folder.path()).filePath(QStringLiteral("vantlog.txt")));
    session->dbConnection = database.connect();
    session->quoteChar = QStringLiteral("'");
    session->productCode = QStringLiteral("Accounts");
    session->companyCode = QStringLiteral("1");
    session->companyName = QStringLiteral("Kormo Traders");
    session->financialYear = TestDatabase::kYear;
    session->voucherTable = QStringLiteral("accvoucher") + TestDatabase::kYear;
    TestDatabase::seedCompanies(db());
    tracedStatements();
}

void PostingFixture::addLine(const OffLineLine &line)
{
    const auto quotedOrNull = [](QString text) {
        return text.isNull() ? QStringLiteral("NULL")
                             : QStringLiteral("'%1'").arg(text.replace(QLatin1Char('\''), QStringLiteral("''")));
    };
    exec({QStringLiteral("insert into AccOffLineVoucher(CompanyCode,DivisionCode,AcType,VoucherNo,VoucherDt,"
                         "LedgerCode,OppLedgerCode,CrDr,Amount,VoucherCode,TransType,Narration,BillRefNo,OldVoucherNo,"
                         "Moved) values (%1,1,%2,%3,'%4',%5,%6,'%7',%8,%9,'%10',%11,%12,%3,%13)")
              .arg(line.companyCode)
              .arg(line.acType)
              .arg(line.voucherNo)
              .arg(line.date.toString(Qt::ISODate))
              .arg(line.ledgerCode)
              .arg(line.oppLedgerCode)
              .arg(line.crDr)
              .arg(line.amount)
              .arg(line.voucherCode)
              .arg(line.transType, quotedOrNull(line.narration), quotedOrNull(line.billRefNo),
                   line.moved.isEmpty() ? QStringLiteral("NULL") : quotedOrNull(line.moved))});
}

void PostingFixture::addVoucher(int voucherNo, double amount)
{
    addLine({.voucherNo = voucherNo, .amount = amount});
    addLine({.voucherNo = voucherNo,
             .crDr = QStringLiteral("C"),
             .amount = -amount,
             .ledgerCode = 201,
             .oppLedgerCode = 101});
}

VoucherGrid PostingFixture::salesOf(const QDate &day)
{
    VoucherGrid grid;
    EXPECT_TRUE(LoadOffLineVouchers(*session, {1, day, QStringLiteral("SA"), QStringLiteral("CA")}, grid));
    return grid;
}

QStringList PostingFixture::tracedStatements()
{
    QFile trace(QString::fromLocal8Bit(qgetenv("VANT_SQL_TRACE")));
    if (!trace.open(QIODevice::ReadOnly))
        return {};
    trace.seek(m_traceRead);
    const QString text = QString::fromUtf8(trace.readAll());
    m_traceRead = trace.pos();
    return text.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

} // namespace vant::test
