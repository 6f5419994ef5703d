#pragma once

#include <QString>

class QTextStream;

namespace vant::ctl {

// The transfer's captions and progress bar in text: on a terminal the bar is redrawn
// in place on one line; elsewhere each caption is a plain line and the bar is left out.
class ProgressMeter
{
public:
    ProgressMeter(QTextStream &out, bool terminal, int maximum = 0);

    // The rows the bar stands for, once they are counted.
    void setMaximum(int maximum) { m_maximum = maximum; }
    void caption(const QString &text);
    void show();
    // The bar moves on by that many rows, up to its maximum.
    void advance(int rows = 1);
    // Ends the bar's line, if one is drawn.
    void finish();

private:
    void draw();

    QTextStream &m_out;
    bool m_terminal;
    int m_maximum;
    int m_value = 0;
    bool m_shown = false;
    int m_drawnWidth = -1; // filled cells last drawn; -1 when no bar is on the line
};

} // namespace vant::ctl
