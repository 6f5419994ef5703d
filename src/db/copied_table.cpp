#include "copied_table.h"

#include "copy_forms.h"
#include "recordset.h"
#include "sql_literals.h"

#include <QStringList>

#include <algorithm>

namespace vant {

using namespace Qt::StringLiterals;

namespace {

const QString kLedgerCode = QStringLiteral("LedgerCode");

// The aid of the ledger that a column names.
QString aidOf(const QString &ledgerColumn)
{
    return filled(u"(select top 1 l.aid from accledgermaster l where l.ledgercode={ledger})",
                  {{"ledger"_L1, ledgerColumn}});
}

// The number and date forms, each with its row check and its condition that agree (copy_forms.h).
const copyform::Form &formOf(ReadAs read)
{
    const char *name = read == ReadAs::Stored     ? "number"
                       : read == ReadAs::Required ? "required number"
                       : read == ReadAs::Number   ? "leading number"
                                                  : "date";
    const QList<copyform::Form> &forms = copyform::numberAndDateForms();
    return *std::find_if(forms.begin(), forms.end(),
                         [name](const copyform::Form &form) { return qstrcmp(form.name, name) == 0; });
}

QString written(const CopiedColumn &column, const QString &source, const QString &alias, const QList<Place> &own)
{
    switch (column.read) {
    case ReadAs::Text: return copyform::text(source);
    case ReadAs::Trimmed: return copyform::trimmed(source);
    case ReadAs::Stored:
    case ReadAs::Required:
    case ReadAs::Number:
    case ReadAs::Date: return formOf(column.read).written(source);
    case ReadAs::OwnLedgerIfNone:
        return filled(u"case when {opposite} is null or {blank} then {own} else {leading} end",
                      {{"opposite"_L1, source},
                       {"blank"_L1, copyform::blank(source)},
                       {"own"_L1, copyform::number(alias + u'.' + kLedgerCode)},
                       {"leading"_L1, copyform::leadingNumber(source)}});
    case ReadAs::LedgerAid: return aidOf(source);
    case ReadAs::Own: return filled(QString::fromLatin1(column.source), own);
    }
    return {};
}

QString refused(const CopiedColumn &column, const QString &source, const QString &alias, int aid)
{
    switch (column.read) {
    case ReadAs::Stored:
    case ReadAs::Required:
    case ReadAs::Number:
    case ReadAs::Date: return formOf(column.read).refused(source);
    case ReadAs::OwnLedgerIfNone:
        return filled(u"({leading} or (({opposite} is null or {blank}) and {own}))",
                      {{"leading"_L1, copyform::mayRefuseLeadingNumber(source)},
                       {"opposite"_L1, source},
                       {"blank"_L1, copyform::blank(source)},
                       {"own"_L1, copyform::mayRefuseNumber(alias + u'.' + kLedgerCode)}});
    case ReadAs::LedgerAid:
        // No number, no row in the ledger master, or an aid that is no whole number (a ledger
        // without aid has none to post).
        return filled(u"({code} or {ledger}.ledgercode is null or {aid})",
                      {{"code"_L1, copyform::mayRefuseRequiredNumber(source)},
                       {"ledger"_L1, ledgerAlias(alias, aid)},
                       {"aid"_L1, copyform::mayRefuseWholeNumber(ledgerAlias(alias, aid) + QStringLiteral(".aid"))}});
    case ReadAs::Text:
    case ReadAs::Trimmed:
    case ReadAs::Own: break;
    }
    return {};
}

Outcome<QString> checked(const Recordset &row, const CopiedColumn &column, const QString &owner, const AidOf &aid)
{
    const QString source = sourceOf(column);
    const QVariant value = row.value(source);
    const QString what = source + QStringLiteral(" of ") + owner;
    switch (column.read) {
    case ReadAs::Stored:
    case ReadAs::Required:
    case ReadAs::Number:
    case ReadAs::Date: return formOf(column.read).read(value, what);
    case ReadAs::OwnLedgerIfNone:
        if (value.isNull() || isBlank(value.toString()))
            return optionalNumberLiteral(row.value(kLedgerCode), kLedgerCode + QStringLiteral(" of ") + owner);
        return leadingNumberLiteral(value, what);
    case ReadAs::LedgerAid: {
        const Outcome<int> read = aid(value, what);
        return read ? Outcome<QString>(QString::number(*read)) : Outcome<QString>(read.error());
    }
    case ReadAs::Text:
    case ReadAs::Trimmed:
    case ReadAs::Own: break;
    }
    return QString();
}

} // namespace

QString ledgerAlias(const QString &alias, int aid)
{
    return alias + QStringLiteral("_l") + QString::number(aid);
}

QString finiteNumber(const QString &column)
{
    return QStringLiteral("%1 between -1.7976931348623157e308 and 1.7976931348623157e308").arg(column);
}

QString plainNumber(const QString &column, bool required)
{
    const QString finite = finiteNumber(column);
    return required ? QStringLiteral("(%1 is not null and %2)").arg(column, finite)
                    : QStringLiteral("(%1 is null or %2)").arg(column, finite);
}

QString sourceOf(const CopiedColumn &column)
{
    if (column.read == ReadAs::Own)
        return QString();
    return QLatin1StringView(column.source ? column.source : column.name);
}

bool carriesSourceValue(const CopiedColumn &column)
{
    return column.read != ReadAs::Own && column.read != ReadAs::LedgerAid
           && sourceOf(column) == QLatin1StringView(column.name);
}

QString insertColumns(CopiedTable table)
{
    QStringList names;
    for (const CopiedColumn &column : table)
        names << QLatin1StringView(column.name);
    return names.join(u',');
}

QString insertValues(CopiedTable table, const QString &alias, const QList<Place> &own)
{
    QStringList values;
    for (const CopiedColumn &column : table)
        values << written(column, alias + u'.' + sourceOf(column), alias, own);
    return values.join(u',');
}

QString overFiniteNumber(ReadAs read, const QString &source, const QString &form, QString (*isNumber)(const QString &))
{
    const bool asStored = read == ReadAs::Stored || read == ReadAs::Required;
    // Adding a float zero makes the number a float as a conversion would, without calling a
    // function on the embedded database.
    return filled(u"case when {finite} then {written} else {form} end",
                  {{"finite"_L1, isNumber ? isNumber(source) : finiteNumber(source)},
                   {"written"_L1, asStored ? source : u'(' + source + u"+0e0)"_s},
                   {"form"_L1, form}});
}

QString insertValuesOverNumbers(CopiedTable table, const QString &alias, const QList<Place> &own,
                                bool (*overNumber)(ReadAs), QString (*isNumber)(const QString &))
{
    QStringList values;
    for (const CopiedColumn &column : table) {
        const QString source = alias + u'.' + sourceOf(column);
        const QString form = written(column, source, alias, own);
        values << (overNumber(column.read) ? overFiniteNumber(column.read, source, form, isNumber) : form);
    }
    return values.join(u',');
}

QString refusalCondition(CopiedTable table, const QString &alias)
{
    QStringList conditions;
    int aid = 0;
    for (const CopiedColumn &column : table) {
        if (column.read == ReadAs::LedgerAid)
            ++aid;
        const QString condition = refused(column, alias + u'.' + sourceOf(column), alias, aid);
        if (!condition.isEmpty() && !conditions.contains(condition))
            conditions << condition;
    }
    return conditions.isEmpty() ? QStringLiteral("1=0") : u'(' + conditions.join(QStringLiteral(" or ")) + u')';
}

QString refusalsOfColumns(CopiedTable table, const QString &alias, bool (*settled)(ReadAs),
                          const std::function<QString(const CopiedColumn &, const QString &)> &tested)
{
    QStringList refusals;
    for (const CopiedColumn &column : table) {
        if (settled(column.read))
            continue;
        const QString refused = tested(column, refusalCondition(CopiedTable(&column, 1), alias));
        if (refused != QStringLiteral("1=0") && !refusals.contains(refused))
            refusals << refused;
    }
    return refusals.isEmpty() ? QStringLiteral("1=0") : u'(' + refusals.join(QStringLiteral(" or ")) + u')';
}

QString ledgerJoins(CopiedTable table, const QString &alias)
{
    QString joins;
    int aid = 0;
    for (const CopiedColumn &column : table) {
        if (column.read != ReadAs::LedgerAid)
            continue;
        joins +=
            filled(u" left join accledgermaster {ledger} on {ledger}.ledgercode={alias}.{source}",
                   {{"ledger"_L1, ledgerAlias(alias, ++aid)}, {"alias"_L1, alias}, {"source"_L1, sourceOf(column)}});
    }
    return joins;
}

Status firstRefusedValue(const Recordset &row, CopiedTable table, const QString &owner, const AidOf &aidOf)
{
    for (const bool first : {true, false}) {
        for (const CopiedColumn &column : table) {
            if (column.readFirst != first)
                continue;
            if (const Outcome<QString> read = checked(row, column, owner, aidOf); !read)
                return read.error();
        }
    }
    return {};
}

} // namespace vant
