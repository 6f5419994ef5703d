#pragma once

#include "db/outcome.h"

#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

class QPaintDevice;
class QPagedPaintDevice;

namespace vant {

// One table of a report: its title, its column heads and its rows of cells as shown.
struct ReportTable
{
    QString title;
    QStringList headers;
    QList<QStringList> rows;
};

// What a window puts on paper or into a file: whose books and which period it is about, who
// made it and when, free lines of text and tables. Every page printed carries the company,
// the period, the user, the time and the page's number.
struct Report
{
    QString title;
    QString company;
    QString period;
    QString user;
    QDateTime madeAt = QDateTime::currentDateTime();
    QStringList lines;
    QList<ReportTable> tables;
};

// The report as one CSV file (RFC 4180: fields quoted where they hold a quote, a comma or a
// line break; lines end in CR LF), in UTF-8 with a byte-order mark so that spreadsheets read
// it as such: first the heading fields, one per line as name and value, then the free lines,
// then each table after an empty line as its title, its heads and its rows.
QByteArray reportCsv(const Report &report);
Status saveReportCsv(const Report &report, const QString &path);

// A4 pages, turned sideways when a table has more columns than stand side by side upright.
void setReportPage(const Report &report, QPagedPaintDevice &device);
// Lays the report out on the device's pages, each with its heading and page number; the
// number of pages printed.
int paintReport(const Report &report, QPagedPaintDevice &device);
// The same on any device whose pages the caller turns.
int paintReportPages(const Report &report, QPaintDevice &device, const std::function<void()> &nextPage);
// The report as a PDF file of A4 pages, turned sideways for a wide table.
Status saveReportPdf(const Report &report, const QString &path);

} // namespace vant
