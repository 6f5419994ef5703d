#include "accounts_schema.h"

#include <QSet>

namespace vant {

namespace {

Column text(const char *name, int length)
{
    return {QString::fromLatin1(name), ColumnType::Text, length};
}
Column integer(const char *name)
{
    return {QString::fromLatin1(name), ColumnType::Int, 0};
}
Column identity(const char *name)
{
    return {QString::fromLatin1(name), ColumnType::Identity, 0};
}
Column amount(const char *name)
{
    return {QString::fromLatin1(name), ColumnType::Amount, 0};
}
Column date(const char *name)
{
    return {QString::fromLatin1(name), ColumnType::Date, 0};
}

QStringList keys(std::initializer_list<const char *> names)
{
    QStringList list;
    for (const char *name : names)
        list << QString::fromLatin1(name);
    return list;
}

// SQL Server's types; the SQLite dialect reads money as float and an identity as its rowid.
QString typeName(const Column &column)
{
    switch (column.type) {
    case ColumnType::Text: return QStringLiteral("varchar(%1)").arg(column.length);
    case ColumnType::Int: return QStringLiteral("int");
    case ColumnType::Identity: return QStringLiteral("int identity(1,1)");
    case ColumnType::Amount: return QStringLiteral("money");
    case ColumnType::Date: return QStringLiteral("datetime");
    }
    return {};
}

} // namespace

Table voucherTable(const QString &financialYear)
{
    return {QStringLiteral("accvoucher") + financialYear,
            {integer("CompanyCode"),
             integer("DivisionCode"),
             integer("AcType"),
             integer("VoucherNo"),
             date("VoucherDt"),
             integer("LedgerCode"),
             integer("OppLedgerCode"),
             text("CrDr", 1),
             amount("Amount"),
             integer("VoucherCode"),
             text("Narration", 250),
             text("IsVoucherScr", 1),
             integer("VoucherSlno"),
             integer("VoucherSlnoOld"),
             text("BillRefNo", 50),
             integer("OldVoucherNo"),
             text("Counter", 20),
             identity("tsid"),
             date("TS"),
             integer("AID"),
             integer("OppAID")},
            {keys({"CompanyCode", "VoucherDt"}), keys({"CompanyCode", "OldVoucherNo"}),
             keys({"CompanyCode", "VoucherNo"})}};
}

QList<Table> accountsTables(const QStringList &financialYears)
{
    QList<Table> tables = {
        {QStringLiteral("psm_employee_master"),
         {text("PEM_EMP_USERID", 50), text("PEM_EMP_PASSWORD", 50), text("PEM_EMP_NAME", 100)},
         {keys({"PEM_EMP_USERID"})}},
        {QStringLiteral("QRX_PRODUCT_CONFIG"), {text("QPC_CRNT_VERID", 20)}, {}},
        {QStringLiteral("acccompanymaster"),
         {integer("CompanyCode"), text("CompanyName", 100), text("DefaultCompany", 1), integer("DefaultDIvision"),
          text("defaultyear", 10), text("basedatefmt", 20), date("FinYearBegin"), integer("parentcompanycode"),
          integer("Voucherno"), date("ts")},
         {keys({"CompanyCode"}), keys({"parentcompanycode"})}},
        {QStringLiteral("accdivisionmaster"),
         {integer("CompanyCode"), integer("DivisionCode"), text("DivisionName", 100)},
         {keys({"CompanyCode", "DivisionCode"})}},
        {QStringLiteral("accyearenddetails"),
         {integer("companycode"), text("FinancialYear", 10), date("FinYearBegin")},
         {keys({"companycode", "FinancialYear"})}},
        {QStringLiteral("accledgermaster"),
         {integer("ledgercode"), text("LedgerName", 100), integer("aid")},
         {keys({"ledgercode"})}},
        {QStringLiteral("AccPending"),
         {integer("CompanyCode"), integer("DivisionCode"),
          integer("AcType"),      integer("LedgerCode"),
          integer("VoucherNo"),   text("BillRefNo", 50),
          date("BillDate"),       amount("BillAmount"),
          text("InvoiceNo", 50),  amount("MRC_Amt"),
          amount("DiscAmt"),      amount("VolumeDisc"),
          amount("CashDisc"),     amount("Payable"),
          text("CrDr", 1),        text("TransType", 5),
          integer("OnAcNo"),      integer("VoucherCode"),
          date("TransDate"),      integer("VoucherSlno"),
          integer("TransSlno"),   integer("OppLedgerCode"),
          text("Remarks", 250),   text("IsPaid", 1),
          identity("slno"),       date("TS"),
          integer("AID"),         integer("OppAID")},
         {keys({"CompanyCode", "TransDate"}), keys({"CompanyCode", "VoucherNo"})}},
        {QStringLiteral("AccChequeDetails"),
         {integer("CompanyCode"),
          integer("DivisionCode"),
          integer("AcType"),
          integer("VoucherCode"),
          integer("LedgerCode"),
          integer("LedgerCode1"),
          integer("VoucherNo"),
          integer("RefVoucherNo"),
          integer("OldRefVoucherNo"),
          text("ChequeNo", 20),
          amount("ChequeAmount"),
          date("ChequeDate"),
          date("ReceiveDate"),
          date("DepositDate"),
          date("ClearDate"),
          text("Status", 10),
          text("BankName", 100),
          text("Branch", 100),
          text("Narration", 250),
          text("ChequePrinted", 1),
          identity("slno"),
          text("tranyear", 10),
          date("TS"),
          integer("AID"),
          integer("AID1")},
         {keys({"CompanyCode", "ReceiveDate"}), keys({"CompanyCode", "VoucherNo"})}},
        {QStringLiteral("accdelvoucher"),
         {integer("companycode"), integer("actype"), integer("voucherno"), integer("ledgercode"), integer("aid"),
          text("type", 1), integer("tsid"), text("tranyear", 10)},
         {}},
        {QStringLiteral("AccCompanyVoucherNo"),
         {integer("CompanyCode"), integer("VoucherCode"), text("TranYear", 10), integer("VoucherSlno"), date("ts")},
         {keys({"CompanyCode", "VoucherCode", "TranYear"})}},
        {QStringLiteral("AccOffLineVoucher"),
         {integer("CompanyCode"), integer("DivisionCode"), integer("AcType"), integer("VoucherNo"), date("VoucherDt"),
          integer("LedgerCode"), integer("OppLedgerCode"), text("CrDr", 1), amount("Amount"), integer("VoucherCode"),
          text("TransType", 5), text("Narration", 250), text("BillRefNo", 50), integer("OldVoucherNo"),
          text("Moved", 1)},
         {keys({"VoucherNo"}), keys({"OldVoucherNo"}), keys({"CompanyCode", "VoucherDt"})}},
        {QStringLiteral("AccOffLinePending"),
         {integer("CompanyCode"), integer("DivisionCode"), integer("AcType"), integer("LedgerCode"),
          integer("VoucherNo"), text("BillRefNo", 50), date("billdate"), amount("billamount"), text("InvoiceNo", 50),
          amount("MRC_Amt"), amount("discamt"), text("CrDr", 1), text("TransType", 5), text("OnAcNo", 20),
          integer("VoucherCode"), amount("Payable"), integer("OppLedgerCode"), text("Remarks", 250)},
         {keys({"CompanyCode", "VoucherNo"})}},
        {QStringLiteral("AccOffLineChequeDet"),
         {integer("CompanyCode"), integer("DivisionId"), integer("AcType"), integer("VoucherCode"),
          integer("VoucherNo"), integer("LedgerCode"), integer("LedgerCode1"), text("ChequeNo", 20),
          amount("ChequeAmount"), date("ReceiveDate"), date("ChequeDate"), date("DepositDate"), text("Status", 10),
          text("BankName", 100), text("ChequePrinted", 1)},
         {keys({"CompanyCode", "VoucherNo"})}},
    };
    for (const QString &year : financialYears)
        tables.append(voucherTable(year));
    return tables;
}

bool isDateColumn(const QString &name)
{
    static const QSet<QString> dateColumns = [] {
        QSet<QString> names;
        const QList<Table> tables = accountsTables({QString()});
        for (const Table &table : tables) {
            for (const Column &column : table.columns) {
                if (column.type == ColumnType::Date)
                    names.insert(column.name.toLower());
            }
        }
        return names;
    }();
    return dateColumns.contains(name.toLower());
}

QStringList createStatements(const Table &table)
{
    QStringList definitions;
    for (const Column &column : table.columns)
        definitions << column.name + QLatin1Char(' ') + typeName(column);
    QStringList statements = {QStringLiteral("CREATE TABLE ") + table.name + QStringLiteral(" (")
                              + definitions.join(QStringLiteral(", ")) + QLatin1Char(')')};
    for (const QStringList &index : table.indexes) {
        statements << QStringLiteral("CREATE INDEX IX_%1_%2 ON %1 (%3)")
                          .arg(table.name, index.join(QLatin1Char('_')), index.join(QLatin1Char(',')));
    }
    return statements;
}

Status createAccountsSchema(Database &db, const QStringList &financialYears)
{
    for (const Table &table : accountsTables(financialYears)) {
        for (const QString &statement : createStatements(table)) {
            if (Status done = db.execute(statement); !done)
                return done;
        }
    }
    return {};
}

} // namespace vant
