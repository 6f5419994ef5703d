#include "run_comparison.h"

#include <QCoreApplication>
#include <QMap>

#include <algorithm>
#include <utility>

namespace vant {

namespace {

QString said(const char *text)
{
    return QCoreApplication::translate("vant::RunComparison", text);
}

QString answerText(const std::optional<bool> &answer)
{
    if (!answer)
        return said(QT_TRANSLATE_NOOP("vant::RunComparison", "not asked"));
    return *answer ? said(QT_TRANSLATE_NOOP("vant::RunComparison", "Yes"))
                   : said(QT_TRANSLATE_NOOP("vant::RunComparison", "No"));
}

void compareTables(const RunRecord &preview, const RunRecord &run, QList<RunDifference> &differences)
{
    QMap<QString, std::pair<TableChanges, TableChanges>> tables;
    for (const TableChanges &changes : preview.tables)
        tables[changes.table.toLower()].first = changes;
    for (const TableChanges &changes : run.tables)
        tables[changes.table.toLower()].second = changes;
    for (const auto &[before, after] : std::as_const(tables)) {
        const QString table = before.table.isEmpty() ? after.table : before.table;
        const std::pair<const char *, qint64 TableChanges::*> counts[] = {
            {QT_TRANSLATE_NOOP("vant::RunComparison", "%1: rows removed"), &TableChanges::deleted},
            {QT_TRANSLATE_NOOP("vant::RunComparison", "%1: rows added"), &TableChanges::inserted},
            {QT_TRANSLATE_NOOP("vant::RunComparison", "%1: rows changed"), &TableChanges::updated},
        };
        for (const auto &[what, count] : counts) {
            if (before.*count != after.*count)
                differences.append(
                    {said(what).arg(table), QString::number(before.*count), QString::number(after.*count)});
        }
    }
}

void compareNumbers(const AssignedNumbers &preview, const AssignedNumbers &run, QList<RunDifference> &differences)
{
    if (rangeText(preview.vouchers) != rangeText(run.vouchers))
        differences.append({said(QT_TRANSLATE_NOOP("vant::RunComparison", "Voucher numbers")),
                            rangeText(preview.vouchers), rangeText(run.vouchers)});
    QMap<std::pair<int, QString>, std::pair<NumberRange, NumberRange>> codes;
    for (const SubNumberRange &sub : preview.subNumbers)
        codes[{sub.voucherCode, sub.year}].first = sub.range;
    for (const SubNumberRange &sub : run.subNumbers)
        codes[{sub.voucherCode, sub.year}].second = sub.range;
    for (auto it = codes.cbegin(); it != codes.cend(); ++it) {
        const auto &[before, after] = it.value();
        if (rangeText(before) != rangeText(after))
            differences.append({said(QT_TRANSLATE_NOOP("vant::RunComparison", "Sub-numbers of voucher code %1 (%2)"))
                                    .arg(it.key().first)
                                    .arg(it.key().second),
                                rangeText(before), rangeText(after)});
    }
}

// Each marked voucher that one of the two did not post: posted by the other, or not posted for
// another reason.
void compareVouchers(const RunRecord &preview, const RunRecord &run, QList<RunDifference> &differences)
{
    if (preview.job != u"post")
        return;
    if (preview.posted != run.posted)
        differences.append({said(QT_TRANSLATE_NOOP("vant::RunComparison", "Vouchers posted")),
                            QString::number(preview.posted), QString::number(run.posted)});
    QStringList vouchers;
    QMap<QString, QString> previewReasons;
    QMap<QString, QString> runReasons;
    for (const FailedVoucher &voucher : preview.failed) {
        previewReasons.insert(voucher.voucherNo, voucher.reason);
        vouchers << voucher.voucherNo;
    }
    for (const FailedVoucher &voucher : run.failed) {
        runReasons.insert(voucher.voucherNo, voucher.reason);
        if (!vouchers.contains(voucher.voucherNo))
            vouchers << voucher.voucherNo;
    }
    const QString posted = said(QT_TRANSLATE_NOOP("vant::RunComparison", "posted"));
    const QString notPosted = said(QT_TRANSLATE_NOOP("vant::RunComparison", "not posted: %1"));
    for (const QString &voucher : std::as_const(vouchers)) {
        const auto state = [&](const QMap<QString, QString> &reasons) {
            return reasons.contains(voucher) ? notPosted.arg(reasons.value(voucher)) : posted;
        };
        if (state(previewReasons) != state(runReasons))
            differences.append({said(QT_TRANSLATE_NOOP("vant::RunComparison", "Off-line voucher %1")).arg(voucher),
                                state(previewReasons), state(runReasons)});
    }
}

void compareAnswers(const RunRecord &preview, const RunRecord &run, QList<RunDifference> &differences)
{
    const qsizetype asked = std::max(preview.questions.size(), run.questions.size());
    for (qsizetype i = 0; i < asked; ++i) {
        const auto answer = [i](const RunRecord &record) {
            return i < record.questions.size() ? std::optional(record.questions.at(i).answer) : std::nullopt;
        };
        const AskedQuestion &question = i < preview.questions.size() ? preview.questions.at(i) : run.questions.at(i);
        if (answer(preview) != answer(run))
            differences.append(
                {said(QT_TRANSLATE_NOOP("vant::RunComparison", "Question \"%1\"")).arg(question.shown.simplified()),
                 answerText(answer(preview)), answerText(answer(run))});
    }
}

} // namespace

QString rangeText(const NumberRange &range)
{
    if (range.isEmpty())
        return said(QT_TRANSLATE_NOOP("vant::RunComparison", "none"));
    return range.first == range.last ? QString::number(range.first)
                                     : QStringLiteral("%1-%2").arg(range.first).arg(range.last);
}

QString resultText(const QString &result)
{
    static const char *const results[] = {
        QT_TRANSLATE_NOOP("vant::RunComparison", "completed"), QT_TRANSLATE_NOOP("vant::RunComparison", "incomplete"),
        QT_TRANSLATE_NOOP("vant::RunComparison", "refused"),   QT_TRANSLATE_NOOP("vant::RunComparison", "declined"),
        QT_TRANSLATE_NOOP("vant::RunComparison", "stopped"),   QT_TRANSLATE_NOOP("vant::RunComparison", "failed"),
    };
    for (const char *known : results) {
        if (result == QLatin1String(known))
            return said(known);
    }
    return result;
}

QList<RunDifference> runDifferences(const RunRecord &preview, const RunRecord &run)
{
    QList<RunDifference> differences;
    if (preview.result != run.result)
        differences.append({said(QT_TRANSLATE_NOOP("vant::RunComparison", "Result")), resultText(preview.result),
                            resultText(run.result)});
    compareTables(preview, run, differences);
    compareNumbers(preview.numbers, run.numbers, differences);
    compareVouchers(preview, run, differences);
    compareAnswers(preview, run, differences);
    return differences;
}

QString comparisonSummary(const QList<RunDifference> &differences)
{
    if (differences.isEmpty())
        return said(QT_TRANSLATE_NOOP("vant::RunComparison", "The run did what the preview showed."));
    const char *const one =
        QT_TRANSLATE_NOOP("vant::RunComparison", "The run did not do what the preview showed, in 1 point: the data "
                                                 "changed between the preview and the run, perhaps by another user.");
    const char *const many =
        QT_TRANSLATE_NOOP("vant::RunComparison", "The run did not do what the preview showed, in %1 points: the data "
                                                 "changed between the preview and the run, perhaps by another user.");
    return differences.size() == 1 ? said(one) : said(many).arg(differences.size());
}

} // namespace vant
