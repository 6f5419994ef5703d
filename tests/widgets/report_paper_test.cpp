// A report put into files and on pages: a CSV that reads back to the same cells, a PDF that is
// one, and the buttons that save them, pressed by their keys.
#include "support/qt_printers.h"
#include "support/scripted_prompts.h"
#include "widgets/report_buttons.h"
#include "widgets/report_window.h"

#include <QImage>
#include <QPaintEngine>
#include <QPdfWriter>
#include <QRegularExpression>
#include <QTest>

namespace vant::test {
namespace {

using namespace Qt::StringLiterals;

// The pages of a PDF file, as its page objects.
int pdfPages(const QByteArray &pdf)
{
    static const QRegularExpression page(u"/Type\\s*/Page(?![s\\w])"_s);
    return int(QString::fromLatin1(pdf).count(page));
}

// A page that keeps the texts painted on it, page by page.
class TextRecorder : public QPaintEngine
{
public:
    TextRecorder() : QPaintEngine(QPaintEngine::AllFeatures) {}
    bool begin(QPaintDevice *) override { return true; }
    bool end() override { return true; }
    void updateState(const QPaintEngineState &) override {}
    void drawPixmap(const QRectF &, const QPixmap &, const QRectF &) override {}
    void drawPolygon(const QPointF *, int, PolygonDrawMode) override {}
    void drawPath(const QPainterPath &) override {}
    void drawTextItem(const QPointF &, const QTextItem &item) override { pages.last() << item.text(); }
    Type type() const override { return User; }

    QList<QStringList> pages{{}};
};

// An A4 page at 72 dots per inch that keeps the texts painted on it.
class RecordedPages : public QImage
{
public:
    RecordedPages() : QImage(595, 842, QImage::Format_RGB32)
    {
        setDotsPerMeterX(2835);
        setDotsPerMeterY(2835);
    }
    QPaintEngine *paintEngine() const override { return &engine; }

    mutable TextRecorder engine;
};

Report sample(int rows)
{
    Report report;
    report.title = u"Check copy"_s;
    report.company = u"Kormo Traders (1)"_s;
    report.period = u"01-04-2026 to 30-04-2026"_s;
    report.user = u"Admin"_s;
    report.madeAt = QDateTime(QDate(2026, 4, 30), QTime(17, 5));
    report.lines = {u"Source: Kormo \"Main\", Dhaka"_s};
    ReportTable table{u"Differences"_s, {u"Voucher"_s, u"Column"_s, u"In source"_s}, {}};
    for (int row = 1; row <= rows; ++row)
        table.rows << QStringList{QString::number(row), u"Narration"_s, u"\"Sale\", line %1"_s.arg(row)};
    report.tables = {table, ReportTable{u"By ledger"_s, {u"Ledger"_s}, {}}};
    return report;
}

QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// RFC 4180 with a byte-order mark: a field that holds a quote (doubled), a comma or a line break
// is quoted; every record ends in CR LF, and an empty one stands between the tables.
TEST(ReportFilesTest, ACsvQuotesTheFieldsThatNeedItAndEndsEachRecordInCrLf)
{
    Report report = sample(1);
    report.tables.first().rows << QStringList{u"2"_s, u"Narration"_s, u"two\r\nlines, \"quoted\"\nand a third"_s}
                               << QStringList{u"3"_s, QString(), u"ট্রেডার্স"_s};
    const QByteArray expected = "\xEF\xBB\xBF"
                                "Check copy\r\nCompany,Kormo Traders (1)\r\nPeriod,01-04-2026 to 30-04-2026\r\n"
                                "User,Admin\r\nMade,2026-04-30 17:05\r\n\"Source: Kormo \"\"Main\"\", Dhaka\"\r\n"
                                "\r\nDifferences\r\nVoucher,Column,In source\r\n"
                                "1,Narration,\"\"\"Sale\"\", line 1\"\r\n"
                                "2,Narration,\"two\r\nlines, \"\"quoted\"\"\nand a third\"\r\n"
                                "3,,ট্রেডার্স\r\n"
                                "\r\nBy ledger\r\nLedger\r\n";
    EXPECT_EQ(reportCsv(report), expected);
}

TEST(ReportFilesTest, APdfHasAPageForEachPageOfRows)
{
    QTemporaryDir folder;
    const QString shortPath = folder.filePath(u"short.pdf"_s);
    ASSERT_TRUE(bool(saveReportPdf(sample(3), shortPath)));
    EXPECT_EQ(pdfPages(fileBytes(shortPath)), 1);

    // 400 rows fill several pages; each page of the file is one that was laid out.
    const QString longPath = folder.filePath(u"long.pdf"_s);
    ASSERT_TRUE(bool(saveReportPdf(sample(400), longPath)));
    QPdfWriter again(folder.filePath(u"again.pdf"_s));
    setReportPage(sample(400), again);
    const int laidOut = paintReport(sample(400), again);
    EXPECT_GE(laidOut, 4);
    EXPECT_EQ(pdfPages(fileBytes(longPath)), laidOut);

    EXPECT_FALSE(bool(saveReportPdf(sample(3), folder.filePath(u"missing/short.pdf"_s))));
}

// Every page carries the report, the company, the period, the user, the time and its number.
TEST(ReportFilesTest, EveryPageCarriesItsHeadingAndNumber)
{
    RecordedPages device;
    const int pages = paintReportPages(sample(150), device, [&device] { device.engine.pages.append(QStringList()); });
    ASSERT_GE(pages, 3);
    ASSERT_EQ(device.engine.pages.size(), pages);
    for (int page = 0; page < pages; ++page) {
        SCOPED_TRACE(page);
        // A line may be painted in pieces, where its font changes.
        const QString painted = device.engine.pages.at(page).join(QString());
        for (const QString &heading : {u"Check copy \u2014 Kormo Traders (1)"_s,
                                       u"Period: 01-04-2026 to 30-04-2026    User: Admin    2026-04-30 17:05"_s,
                                       u"Page %1 of %2"_s.arg(page + 1).arg(pages), u"VoucherColumnIn source"_s})
            EXPECT_TRUE(painted.contains(heading)) << heading.toStdString() << " not in " << painted.toStdString();
    }
    // The table goes on from page to page, its heads on top of each.
    EXPECT_TRUE(device.engine.pages.at(0).join(QString()).contains(u"\"Sale\", line 1"_s));
    EXPECT_TRUE(device.engine.pages.at(pages - 1).join(QString()).contains(u"\"Sale\", line 150"_s));
}

// A report window's buttons, by their access keys: each asks for a file, adds the suffix that the
// name lacks, writes the file, and says so when it cannot.
TEST(ReportButtonsTest, SaveAsPdfAndCsvByTheirKeys)
{
    QTemporaryDir folder;
    ScriptedPrompts prompts;
    ReportWindow window(sample(2), prompts, nullptr);
    QString chosen;
    QStringList asked;
    window.buttons()->setPathChooser([&](QWidget *, const QString &caption, const QString &suggested, const QString &) {
        asked << caption + u'|' + QFileInfo(suggested).fileName();
        return chosen;
    });
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));

    // An access key clicks its button a moment after it focuses it: the file is asked for then.
    const auto press = [&](Qt::Key key) {
        const qsizetype before = asked.size();
        QTest::keyClick(&window, key, Qt::AltModifier);
        EXPECT_TRUE(QTest::qWaitFor([&] { return asked.size() > before; }, 3000));
    };
    chosen = folder.filePath(u"april"_s);
    press(Qt::Key_D);
    EXPECT_TRUE(fileBytes(chosen + u".pdf"_s).startsWith("%PDF-"));
    press(Qt::Key_V);
    EXPECT_EQ(fileBytes(chosen + u".csv"_s), reportCsv(sample(2)));
    EXPECT_EQ(asked,
              (QStringList{u"Save as PDF|Check copy 2026-04-30.pdf"_s, u"Save as CSV|Check copy 2026-04-30.csv"_s}));

    // No file chosen: nothing written, nothing said.
    chosen.clear();
    press(Qt::Key_V);
    EXPECT_EQ(prompts.boxes().size(), 0);

    chosen = folder.filePath(u"missing/april.csv"_s);
    press(Qt::Key_V);
    ASSERT_EQ(prompts.boxes().size(), 1);
    EXPECT_TRUE(prompts.texts().first().startsWith(u"The file "_s + QDir::toNativeSeparators(chosen)
                                                   + u" cannot be written: "_s))
        << prompts.texts().first().toStdString();
    EXPECT_EQ(prompts.boxes().first().icon, PromptIcon::Critical);

    QTest::keyClick(&window, Qt::Key_Escape);
    EXPECT_FALSE(window.isVisible());
}

} // namespace
} // namespace vant::test
