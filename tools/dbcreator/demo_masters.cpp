#include "demo_masters.h"

#include "creator_options.h"
#include "demo_ledgers.h"
#include "demo_sql.h"
#include "session/connection.h"
#include "session/password_digest.h"

namespace vant::demo {

namespace {

void addUser(QStringList &statements, const DemoContext &context, const QString &user, const QString &password,
             const QString &name)
{
    statements << InsertStatement::into(QStringLiteral("psm_employee_master"))
                      .text("PEM_EMP_USERID", user)
                      .text("PEM_EMP_PASSWORD", context.plainPasswords ? password : PasswordDigest(password))
                      .text("PEM_EMP_NAME", name)
                      .values();
}

void addCompany(QStringList &statements, const DemoContext &context, int code, const QString &name, int parent)
{
    InsertStatement company = InsertStatement::into(QStringLiteral("acccompanymaster"));
    company.number("CompanyCode", code)
        .text("CompanyName", name)
        .text("DefaultCompany", parent == 0 ? QStringLiteral("Y") : QStringLiteral("N"))
        .number("DefaultDIvision", 1)
        .text("defaultyear", context.year.key)
        .text("basedatefmt", QStringLiteral("DD/MM/YYYY"))
        .date("FinYearBegin", context.year.begin);
    if (parent == 0)
        company.null("parentcompanycode");
    else
        company.number("parentcompanycode", parent);
    company.number("Voucherno", 0).now("ts");
    statements << company.values()
               << InsertStatement::into(QStringLiteral("accyearenddetails"))
                      .number("companycode", code)
                      .text("FinancialYear", context.year.key)
                      .date("FinYearBegin", context.year.begin)
                      .values();
}

void addDivision(QStringList &statements, int company, int code, const QString &name)
{
    statements << InsertStatement::into(QStringLiteral("accdivisionmaster"))
                      .number("CompanyCode", company)
                      .number("DivisionCode", code)
                      .text("DivisionName", name)
                      .values();
}

} // namespace

QStringList masterStatements(const DemoContext &context)
{
    QStringList statements;
    statements
        << InsertStatement::into(QStringLiteral("QRX_PRODUCT_CONFIG")).text("QPC_CRNT_VERID", kProgramVersion).values();

    addUser(statements, context, kDemoUser, kDemoPassword, QStringLiteral("Administrator"));
    addUser(statements, context, kDemoClerk, kDemoClerkPassword, QStringLiteral("Counter Clerk"));

    const QString name = QStringLiteral("Kormo Traders");
    addCompany(statements, context, kDefaultCompany, name, 0);
    addCompany(statements, context, kShadowCompanyA, name + QStringLiteral(" Shadow A"), kDefaultCompany);
    addCompany(statements, context, kShadowCompanyB, name + QStringLiteral(" Shadow B"), kDefaultCompany);

    addDivision(statements, kDefaultCompany, 1, QStringLiteral("Head Office"));
    addDivision(statements, kDefaultCompany, 2, QStringLiteral("Branch Store"));
    addDivision(statements, kDefaultCompany, 3, QStringLiteral("Warehouse"));
    // Shadow A has been transferred to before; shadow B receives its divisions on the first transfer.
    addDivision(statements, kShadowCompanyA, 1, QStringLiteral("Head Office"));

    for (const DemoLedger &ledger : kLedgers) {
        statements << InsertStatement::into(QStringLiteral("accledgermaster"))
                          .number("ledgercode", ledger.code)
                          .text("LedgerName", QString::fromLatin1(ledger.name))
                          .number("aid", aidOf(ledger.code))
                          .values();
    }
    return statements;
}

} // namespace vant::demo
