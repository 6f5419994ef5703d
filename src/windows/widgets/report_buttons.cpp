#include "report_buttons.h"

#include "activation_return.h"
#include "session/user_prompts.h"

#include <QDir>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QStandardPaths>

namespace vant {

namespace {

QString chooseWithQtDialog(QWidget *parent, const QString &caption, const QString &suggested, const QString &filter)
{
    const ActivationReturn activation(parent);
    return QFileDialog::getSaveFileName(parent, caption, suggested, filter);
}

// A file name from the report's title and the day it was made, in the user's documents folder.
QString suggestedPath(const Report &report, const QString &suffix)
{
    QString name = report.title + u' ' + report.madeAt.toString(QStringLiteral("yyyy-MM-dd"));
    static const QString unsafe = QStringLiteral("/\\:*?\"<>|");
    for (QChar &c : name) {
        if (unsafe.contains(c) || c.category() == QChar::Other_Control)
            c = u'_';
    }
    return QDir(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation)).filePath(name + suffix);
}

} // namespace

ReportButtons::ReportButtons(ReportFiller fill, UserPrompts &prompts, QWidget *parent)
    : QWidget(parent), m_fill(std::move(fill)), m_prompts(prompts), m_choosePath(chooseWithQtDialog)
{
    setObjectName(QStringLiteral("reportButtons"));
    auto *row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    addButton("cmdPrint", tr("&Print..."), &ReportButtons::print);
    addButton("cmdSavePdf", tr("Save as P&DF..."), &ReportButtons::savePdf);
    addButton("cmdSaveCsv", tr("Save as CS&V..."), &ReportButtons::saveCsv);
}

QPushButton *ReportButtons::addButton(const char *name, const QString &caption, void (ReportButtons::*action)())
{
    auto *button = new QPushButton(caption, this);
    button->setObjectName(QString::fromLatin1(name));
    button->setAutoDefault(false);
    layout()->addWidget(button);
    connect(button, &QPushButton::clicked, this, action);
    return button;
}

void ReportButtons::print()
{
    const Report report = m_fill();
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(report.title);
    setReportPage(report, printer);
    {
        const ActivationReturn activation(this);
        QPrintDialog dialog(&printer, window());
        if (dialog.exec() != QDialog::Accepted)
            return;
    }
    if (paintReport(report, printer) == 0)
        m_prompts.message(tr("The report could not be printed."), kProgramTitle, PromptIcon::Critical);
}

void ReportButtons::savePdf()
{
    save(tr("Save as PDF"), QStringLiteral(".pdf"), tr("PDF files (*.pdf)"), saveReportPdf);
}

void ReportButtons::saveCsv()
{
    save(tr("Save as CSV"), QStringLiteral(".csv"), tr("CSV files (*.csv)"), saveReportCsv);
}

void ReportButtons::save(const QString &caption, const QString &suffix, const QString &filter,
                         Status (*write)(const Report &, const QString &))
{
    const Report report = m_fill();
    QString path = m_choosePath(window(), caption, suggestedPath(report, suffix), filter);
    if (path.isEmpty())
        return;
    if (!path.endsWith(suffix, Qt::CaseInsensitive))
        path += suffix;
    if (const Status written = write(report, path); !written) {
        m_prompts.message(
            tr("The file %1 cannot be written: %2").arg(QDir::toNativeSeparators(path), written.error().description),
            kProgramTitle, PromptIcon::Critical);
    }
}

} // namespace vant
