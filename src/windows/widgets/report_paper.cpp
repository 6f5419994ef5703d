#include "report_paper.h"

#include <QAbstractTextDocumentLayout>
#include <QCoreApplication>
#include <QFile>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextTable>

#include <algorithm>

namespace vant {

namespace {

// The error number of a file that cannot be written, as the client library gives it.
constexpr int kPathFileAccessError = 75;
// More columns than this do not stand side by side on an upright page.
constexpr int kUprightColumns = 7;
constexpr qreal kBodyPoints = 8.5;
constexpr qreal kHeadingPoints = 9;

QString madeAtText(const QDateTime &madeAt)
{
    return madeAt.toString(QStringLiteral("yyyy-MM-dd HH:mm"));
}

// A field as RFC 4180 writes it: between quotes, its quotes doubled, when it holds a quote, a
// comma or a line break.
QString csvField(const QString &field)
{
    static const QString special = QStringLiteral("\",\r\n");
    if (std::none_of(field.cbegin(), field.cend(), [](QChar c) { return special.contains(c); }))
        return field;
    return u'"' + QString(field).replace(u'"', QStringLiteral("\"\"")) + u'"';
}

void csvRecord(QString &csv, const QStringList &fields)
{
    QStringList quoted;
    for (const QString &field : fields)
        quoted << csvField(field);
    csv += quoted.join(u',') + QStringLiteral("\r\n");
}

// The heading of every page: the report and its company, then its period, the user and the time.
QStringList headingLines(const Report &report)
{
    return {report.title + QStringLiteral(" \u2014 ") + report.company,
            QCoreApplication::translate("vant::ReportPaper", "Period: %1").arg(report.period) + QStringLiteral("    ")
                + QCoreApplication::translate("vant::ReportPaper", "User: %1").arg(report.user) + QStringLiteral("    ")
                + madeAtText(report.madeAt)};
}

void addTable(QTextCursor &cursor, const ReportTable &table)
{
    QTextCharFormat bold;
    bold.setFontWeight(QFont::Bold);
    cursor.insertBlock();
    cursor.insertText(table.title, bold);
    const int columns = int(std::max<qsizetype>(1, table.headers.size()));
    QTextTableFormat format;
    format.setHeaderRowCount(1);
    format.setCellPadding(2);
    format.setCellSpacing(0);
    format.setBorderStyle(QTextFrameFormat::BorderStyle_Solid);
    format.setBorderCollapse(true);
    format.setWidth(QTextLength(QTextLength::PercentageLength, 100));
    QTextTable *grid = cursor.insertTable(int(table.rows.size()) + 1, columns, format);
    for (int column = 0; column < table.headers.size(); ++column)
        grid->cellAt(0, column).firstCursorPosition().insertText(table.headers.at(column), bold);
    for (int row = 0; row < table.rows.size(); ++row) {
        const QStringList &cells = table.rows.at(row);
        for (int column = 0; column < columns && column < cells.size(); ++column)
            grid->cellAt(row + 1, column).firstCursorPosition().insertText(cells.at(column));
    }
    cursor.movePosition(QTextCursor::End);
}

// The body of the report: its free lines and its tables, measured on the device.
void fillBody(QTextDocument &body, const Report &report)
{
    QTextCursor cursor(&body);
    // One edit: the document is laid out once, not after every cell.
    cursor.beginEditBlock();
    for (int i = 0; i < report.lines.size(); ++i) {
        if (i > 0)
            cursor.insertBlock();
        cursor.insertText(report.lines.at(i));
    }
    for (const ReportTable &table : report.tables)
        addTable(cursor, table);
    cursor.endEditBlock();
}

void paintHeading(QPainter &painter, const QRectF &area, const QStringList &lines, const QString &pageNumber)
{
    const qreal lineHeight = painter.fontMetrics().height();
    for (int i = 0; i < lines.size(); ++i)
        painter.drawText(QRectF(area.left(), area.top() + i * lineHeight, area.width(), lineHeight),
                         Qt::AlignLeft | Qt::AlignVCenter, lines.at(i));
    const qreal rule = area.top() + lines.size() * lineHeight + lineHeight / 4;
    painter.drawLine(QPointF(area.left(), rule), QPointF(area.right(), rule));
    painter.drawText(QRectF(area.left(), area.bottom() - lineHeight, area.width(), lineHeight), Qt::AlignCenter,
                     pageNumber);
}

} // namespace

QByteArray reportCsv(const Report &report)
{
    QString csv;
    csvRecord(csv, {report.title});
    csvRecord(csv, {QCoreApplication::translate("vant::ReportPaper", "Company"), report.company});
    csvRecord(csv, {QCoreApplication::translate("vant::ReportPaper", "Period"), report.period});
    csvRecord(csv, {QCoreApplication::translate("vant::ReportPaper", "User"), report.user});
    csvRecord(csv, {QCoreApplication::translate("vant::ReportPaper", "Made"), madeAtText(report.madeAt)});
    for (const QString &line : report.lines)
        csvRecord(csv, {line});
    for (const ReportTable &table : report.tables) {
        csv += QStringLiteral("\r\n");
        csvRecord(csv, {table.title});
        csvRecord(csv, table.headers);
        for (const QStringList &row : table.rows)
            csvRecord(csv, row);
    }
    return QByteArrayLiteral("\xEF\xBB\xBF") + csv.toUtf8();
}

Status saveReportCsv(const Report &report, const QString &path)
{
    // The file is replaced whole or not at all.
    QSaveFile file(path);
    const QByteArray csv = reportCsv(report);
    if (file.open(QIODevice::WriteOnly) && file.write(csv) == csv.size() && file.commit())
        return {};
    return Error{kPathFileAccessError, file.errorString()};
}

void setReportPage(const Report &report, QPagedPaintDevice &device)
{
    qsizetype widest = 0;
    for (const ReportTable &table : report.tables)
        widest = std::max(widest, table.headers.size());
    device.setPageLayout(QPageLayout(QPageSize(QPageSize::A4),
                                     widest > kUprightColumns ? QPageLayout::Landscape : QPageLayout::Portrait,
                                     QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter));
}

int paintReport(const Report &report, QPagedPaintDevice &device)
{
    return paintReportPages(report, device, [&device] { device.newPage(); });
}

int paintReportPages(const Report &report, QPaintDevice &device, const std::function<void()> &nextPage)
{
    QPainter painter;
    if (!painter.begin(&device))
        return 0;
    QFont headingFont = painter.font();
    headingFont.setPointSizeF(kHeadingPoints);
    painter.setFont(headingFont);
    const QRectF page(0, 0, device.width(), device.height());
    const QStringList heading = headingLines(report);
    const qreal lineHeight = painter.fontMetrics().height();
    const qreal headingHeight = (heading.size() + 1) * lineHeight;
    const qreal bodyHeight = page.height() - headingHeight - 2 * lineHeight;

    QTextDocument body;
    body.documentLayout()->setPaintDevice(&device);
    QFont bodyFont = headingFont;
    bodyFont.setPointSizeF(kBodyPoints);
    body.setDefaultFont(bodyFont);
    body.setDocumentMargin(0);
    body.setPageSize(QSizeF(page.width(), bodyHeight));
    fillBody(body, report);

    const int pages = body.pageCount();
    for (int index = 0; index < pages; ++index) {
        if (index > 0)
            nextPage();
        paintHeading(painter, page, heading,
                     QCoreApplication::translate("vant::ReportPaper", "Page %1 of %2").arg(index + 1).arg(pages));
        painter.save();
        painter.translate(0, headingHeight - index * bodyHeight);
        QAbstractTextDocumentLayout::PaintContext context;
        context.clip = QRectF(0, index * bodyHeight, page.width(), bodyHeight);
        painter.setClipRect(context.clip);
        body.documentLayout()->draw(&painter, context);
        painter.restore();
    }
    painter.end();
    return pages;
}

Status saveReportPdf(const Report &report, const QString &path)
{
    QFile probe(path);
    if (!probe.open(QIODevice::WriteOnly))
        return Error{kPathFileAccessError, probe.errorString()};
    probe.close();
    QPdfWriter pdf(path);
    pdf.setTitle(report.title);
    pdf.setCreator(QCoreApplication::applicationName());
    setReportPage(report, pdf);
    if (paintReport(report, pdf) == 0)
        return Error{kPathFileAccessError,
                     QCoreApplication::translate("vant::ReportPaper", "The PDF file could not be written.")};
    return {};
}

} // namespace vant
