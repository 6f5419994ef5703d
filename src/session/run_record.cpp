#include "run_record.h"

#include "text_helpers.h"

#include <QJsonArray>

namespace vant {

namespace {

QJsonObject rangeJson(const NumberRange &range)
{
    return {{QStringLiteral("first"), range.first}, {QStringLiteral("last"), range.last}};
}

QJsonObject numbersJson(const AssignedNumbers &numbers)
{
    QJsonObject json;
    if (!numbers.vouchers.isEmpty())
        json.insert(QStringLiteral("vouchers"), rangeJson(numbers.vouchers));
    QJsonArray subNumbers;
    for (const SubNumberRange &sub : numbers.subNumbers) {
        QJsonObject entry = rangeJson(sub.range);
        entry.insert(QStringLiteral("voucherCode"), sub.voucherCode);
        entry.insert(QStringLiteral("year"), sub.year);
        subNumbers.append(entry);
    }
    if (!subNumbers.isEmpty())
        json.insert(QStringLiteral("subNumbers"), subNumbers);
    return json;
}

QString rangeText(const QJsonObject &range)
{
    const qint64 first = range.value(QStringLiteral("first")).toInteger();
    const qint64 last = range.value(QStringLiteral("last")).toInteger();
    return first == last ? QString::number(first) : QStringLiteral("%1-%2").arg(first).arg(last);
}

QString tableLine(const QJsonObject &table)
{
    QStringList parts;
    const auto add = [&](const char *key, const char *verb) {
        const qint64 rows = table.value(QLatin1String(key)).toInteger();
        if (rows > 0)
            parts << QStringLiteral("%1 %2").arg(rows).arg(QLatin1String(verb));
    };
    add("deleted", "removed");
    add("inserted", "added");
    add("updated", "changed");
    return QStringLiteral("  %1: %2")
        .arg(escapedControls(table.value(QStringLiteral("table")).toString()), parts.join(u", "));
}

QString valueText(const QJsonValue &value)
{
    if (value.isArray()) {
        QStringList items;
        for (const QJsonValue &item : value.toArray())
            items << valueText(item);
        return items.join(u',');
    }
    if (value.isDouble() && value.toDouble() == double(value.toInteger()))
        return QString::number(value.toInteger());
    return escapedControls(value.toVariant().toString());
}

} // namespace

QJsonObject RunRecord::toJson() const
{
    QJsonArray tableList;
    for (const TableChanges &changes : tables) {
        tableList.append(QJsonObject{{QStringLiteral("table"), changes.table},
                                     {QStringLiteral("inserted"), changes.inserted},
                                     {QStringLiteral("deleted"), changes.deleted},
                                     {QStringLiteral("updated"), changes.updated}});
    }
    QJsonArray failures;
    for (const FailedVoucher &voucher : failed) {
        failures.append(QJsonObject{{QStringLiteral("voucherNo"), voucher.voucherNo},
                                    {QStringLiteral("reason"), voucher.reason},
                                    {QStringLiteral("tried"), voucher.tried}});
    }
    QJsonObject json{{QStringLiteral("run"), run},
                     {QStringLiteral("when"), when.toOffsetFromUtc(when.offsetFromUtc()).toString(Qt::ISODate)},
                     {QStringLiteral("user"), user},
                     {QStringLiteral("product"), product},
                     {QStringLiteral("company"), company},
                     {QStringLiteral("job"), job},
                     {QStringLiteral("dryRun"), dryRun},
                     {QStringLiteral("parameters"), parameters},
                     {QStringLiteral("tables"), tableList},
                     {QStringLiteral("numbers"), numbersJson(numbers)},
                     {QStringLiteral("result"), result},
                     {QStringLiteral("durationMs"), durationMs}};
    if (job == u"post") {
        json.insert(QStringLiteral("posted"), posted);
        json.insert(QStringLiteral("failed"), failures);
    }
    QJsonArray asked;
    for (const AskedQuestion &question : questions) {
        asked.append(
            QJsonObject{{QStringLiteral("question"), question.text},
                        {QStringLiteral("answer"), question.answer ? QStringLiteral("yes") : QStringLiteral("no")}});
    }
    if (!asked.isEmpty())
        json.insert(QStringLiteral("questions"), asked);
    if (!message.isEmpty())
        json.insert(QStringLiteral("message"), message);
    return json;
}

bool runEnded(const QJsonObject &record)
{
    const QString result = record.value(QStringLiteral("result")).toString();
    return result != kRunStarted && result != kRunGoingOn;
}

QString describeParameters(const QJsonObject &parameters)
{
    QStringList given;
    for (auto it = parameters.begin(); it != parameters.end(); ++it)
        given << escapedControls(it.key()) + QLatin1Char('=') + valueText(it.value());
    return given.join(u' ');
}

QStringList describeRecord(const QJsonObject &record)
{
    QStringList lines;
    const QJsonArray tables = record.value(QStringLiteral("tables")).toArray();
    for (const QJsonValue &table : tables)
        lines << tableLine(table.toObject());
    if (tables.isEmpty())
        lines << QStringLiteral("  no rows changed");
    const QJsonObject numbers = record.value(QStringLiteral("numbers")).toObject();
    if (numbers.contains(QStringLiteral("vouchers")))
        lines << QStringLiteral("  voucher numbers %1")
                     .arg(rangeText(numbers.value(QStringLiteral("vouchers")).toObject()));
    for (const QJsonValue &value : numbers.value(QStringLiteral("subNumbers")).toArray()) {
        const QJsonObject sub = value.toObject();
        lines << QStringLiteral("  sub-numbers of voucher code %1 (%2) %3")
                     .arg(sub.value(QStringLiteral("voucherCode")).toInteger())
                     .arg(sub.value(QStringLiteral("year")).toString(), rangeText(sub));
    }
    if (record.contains(QStringLiteral("posted")))
        lines << QStringLiteral("  vouchers posted %1").arg(record.value(QStringLiteral("posted")).toInteger());
    for (const QJsonValue &value : record.value(QStringLiteral("failed")).toArray()) {
        const QJsonObject voucher = value.toObject();
        lines << QStringLiteral("  voucher %1 %2: %3")
                     .arg(escapedControls(voucher.value(QStringLiteral("voucherNo")).toString()),
                          voucher.value(QStringLiteral("tried")).toBool(true) ? QStringLiteral("not posted")
                                                                              : QStringLiteral("not tried"),
                          escapedControls(voucher.value(QStringLiteral("reason")).toString()));
    }
    if (record.contains(QStringLiteral("message")))
        lines << QStringLiteral("  ") + escapedControls(record.value(QStringLiteral("message")).toString());
    return lines;
}

} // namespace vant
