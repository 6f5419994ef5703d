#include "company_context.h"

#include "db/sql_literals.h"
#include "session.h"
#include "text_helpers.h"

namespace vant {

namespace {

void report(Session &session, const Error &error, const char *procedure, bool show = false)
{
    session.ReportError(error, QString(), QString::fromLatin1(procedure), show);
}

} // namespace

Outcome<QString> companyCodeOf(const QVariant &code, const QString &what)
{
    const Outcome<int> number = wholeNumber(code, what);
    if (!number)
        return number.error();
    return QString::number(*number);
}

bool DefaultCompanySet(Session &session)
{
    auto rs = session.openRecordset(QStringLiteral("select a.*,b.DivisionName from acccompanymaster a inner join "
                                                   "accdivisionmaster b on a.DefaultDIvision=b.DIvisionCode and "
                                                   "DefaultCompany='Y'"));
    if (!rs) {
        report(session, rs.error(), "DefaultCompanySet", true);
        return false;
    }
    if (rs->eof())
        return false;
    // Every statement of every job selects the company's rows by this code.
    const Outcome<QString> code =
        companyCodeOf(rs->value(QStringLiteral("companycode")), QStringLiteral("The default company's code"));
    if (!code) {
        report(session, code.error(), "DefaultCompanySet", true);
        return false;
    }
    session.companyCode = *code;
    session.companyName = rs->text(QStringLiteral("companyname"));
    session.financialYear = rs->text(QStringLiteral("defaultyear"));
    session.voucherTable = (QStringLiteral("accvoucher") + session.financialYear).trimmed();
    session.finYearBegin = GetFinDateBegin(session, session.financialYear, session.companyCode);
    session.finYearEnd = GetFinDateEnd(session.finYearBegin);
    const QString storedFormat = rs->text(QStringLiteral("basedatefmt"));
    session.dateFormat = storedFormat.trimmed().isEmpty() ? QStringLiteral("dd-MM-yyyy") : ChangeCase(storedFormat);
    return true;
}

QDate GetFinDateBegin(Session &session, const QString &financialYear, const QString &companyCode)
{
    const QDate fallback = GetFromCompany(session, companyCode);
    auto rs = session.openRecordset(
        QStringLiteral(" select top 1 FinYearBegin from accyearenddetails where FinancialYear=")
        + sqlQuoted(financialYear) + QStringLiteral(" and companycode=") + sqlQuoted(companyCode));
    if (!rs) {
        report(session, rs.error(), "GetFinDateBegin");
        return fallback;
    }
    // A value that is no date counts as none.
    const QDate begin = rs->eof() ? QDate() : dateOf(rs->value(0));
    return begin.isValid() ? begin : fallback;
}

QDate GetFromCompany(Session &session, const QString &companyCode)
{
    const QDate today = QDate::currentDate();
    auto rs = session.openRecordset(QStringLiteral("select  FinYearBegin from acccompanymaster where companycode=")
                                    + sqlQuoted(companyCode));
    if (!rs) {
        report(session, rs.error(), "GetFromCompany");
        return today;
    }
    const QDate begin = rs->eof() ? QDate() : dateOf(rs->value(0));
    return begin.isValid() ? begin : today;
}

QString shadowCompaniesQuery(const QString &parentCode)
{
    return QStringLiteral("SELECT CompanyName,CompanyCode from Acccompanymaster  where parentcompanycode=")
           + sqlQuoted(parentCode);
}

QString GetCompanyName(Session &session, const QString &companyCode)
{
    const Outcome<QString> name = companyName(session, companyCode);
    if (!name) {
        report(session, name.error(), "GetCompanyName");
        return QStringLiteral("ERROR");
    }
    return *name;
}

Outcome<QString> companyName(Session &session, const QString &companyCode)
{
    auto rs = session.openRecordset(QStringLiteral("select  companyname from acccompanymaster where companycode=")
                                    + sqlQuoted(companyCode));
    if (!rs)
        return rs.error();
    if (rs->eof() || rs->isNull(0))
        return QStringLiteral("NOTFOUND");
    return rs->text(0);
}

Outcome<qint64> countRows(Session &session, const QString &statement)
{
    auto rs = session.openRecordset(statement);
    if (!rs)
        return rs.error();
    return rs->eof() ? 0 : leadingInt(rs->text(0));
}

int GetRecordCount(Session &session, const QString &statement, bool firstColumn)
{
    auto rs = session.openRecordset(statement);
    if (!rs) {
        report(session, rs.error(), "GetRecordCount");
        return 0;
    }
    if (!firstColumn)
        return rs->recordCount();
    if (rs->eof())
        return 0;
    return leadingInt(rs->text(0));
}

QVariant GetValueFromTbl(Session &session, const QString &statement)
{
    auto rs = session.openRecordset(statement);
    if (!rs) {
        report(session, rs.error(), "GetValueFromTbl");
        return {};
    }
    if (rs->eof())
        return {};
    return rs->value(0);
}

} // namespace vant
