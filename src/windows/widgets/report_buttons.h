#pragma once

#include "report_paper.h"

#include <QWidget>

#include <functional>

class QPushButton;

namespace vant {

class UserPrompts;

// Fills the report of what the window shows at the moment a button is pressed.
using ReportFiller = std::function<Report()>;
// The file that a report is to be saved in, asked of the user: empty when none was chosen.
using SavePathChooser =
    std::function<QString(QWidget *parent, const QString &caption, const QString &suggested, const QString &filter)>;

// A row of three buttons that put a window's report on paper or into a file: Print..., Save as
// PDF... and Save as CSV.... A file that cannot be written is said in a box.
class ReportButtons : public QWidget
{
    Q_OBJECT

public:
    ReportButtons(ReportFiller fill, UserPrompts &prompts, QWidget *parent);

    // The file dialog is Qt's unless another chooser is given.
    void setPathChooser(SavePathChooser chooser) { m_choosePath = std::move(chooser); }

    void print();
    void savePdf();
    void saveCsv();

private:
    QPushButton *addButton(const char *name, const QString &caption, void (ReportButtons::*action)());
    void save(const QString &caption, const QString &suffix, const QString &filter,
              Status (*write)(const Report &, const QString &));

    ReportFiller m_fill;
    UserPrompts &m_prompts;
    SavePathChooser m_choosePath;
};

} // namespace vant
