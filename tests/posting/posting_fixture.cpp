#include "posting_fixture.h"

#include <QDir>
#include <QFile>

namespace vant::test {

void PostingFixture::SetUp()
{
    qputenv("VANT_SQL_TRACE", QDir(folder.path()).filePath(QStringLiteral("trace.sql")).toLocal8Bit());
    session = std::make_unique<Session>(prompts, QDir(folder.path()).filePath(QStringLiteral("vantlog.txt")));
    session->DBConnection = database.connect();
    session->QuoteChar = QStringLiteral("'");
    session->ProductCode = QStringLiteral("Accounts");
    session->CompanyCode = QStringLiteral("1");
    session->CompanyName = QStringLiteral("Kormo Traders");
    session->FinancialYear = TestDatabase::kYear;
    session->VoucherTable = QStringLiteral("accvoucher") + TestDatabase::kYear;
    TestDatabase::seedCompanies(db());
    tracedStatements();
}

void PostingFixture::TearDown()
{
    qunsetenv("VANT_SQL_TRACE");
}

namespace {

QString quoted(QString text)
{
    return QLatin1Char('\'') + text.replace(QLatin1Char('\''), QStringLiteral("''")) + QLatin1Char('\'');
}

} // namespace

void PostingFixture::addLine(const OffLineLine &line)
{
    const QString moved = line.moved.isEmpty() ? QStringLiteral("NULL") : QLatin1Char('\'') + line.moved + QLatin1Char('\'');
    const QString billRef = line.billRefNo.isNull() ? QStringLiteral("NULL") : quoted(line.billRefNo);
    exec({QStringLiteral("insert into AccOffLineVoucher(CompanyCode,DivisionCode,AcType,VoucherNo,VoucherDt,"
                         "LedgerCode,OppLedgerCode,CrDr,Amount,VoucherCode,TransType,Narration,BillRefNo,OldVoucherNo,"
                         "Moved) values (%1,%2,%3,%4,'%5',%6,%7,'%8',%9,%10,'%11','%12',%13,%4,%14)")
              .arg(line.companyCode)
              .arg(line.divisionCode)
              .arg(line.acType)
              .arg(line.voucherNo)
              .arg(line.date.toString(Qt::ISODate))
              .arg(line.ledgerCode)
              .arg(line.oppLedgerCode)
              .arg(line.crDr)
              .arg(line.amount)
              .arg(line.voucherCode)
              .arg(line.transType, QString(line.narration).replace(QLatin1Char('\''), QStringLiteral("''")), billRef,
                   moved)});
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

QStringList PostingFixture::logLines() const
{
    QFile log(session->errorLog.logPath());
    if (!log.open(QIODevice::ReadOnly))
        return {};
    return QString::fromLatin1(log.readAll()).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
}

} // namespace vant::test
