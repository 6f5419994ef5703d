#include "progress_meter.h"

#include <QTextStream>

#include <algorithm>

namespace vant::ctl {

namespace {

constexpr int kBarWidth = 40;

} // namespace

ProgressMeter::ProgressMeter(QTextStream &out, bool terminal, int maximum)
    : m_out(out), m_terminal(terminal), m_maximum(maximum)
{}

void ProgressMeter::caption(const QString &text)
{
    finish();
    m_out << text << '\n';
    m_out.flush();
}

void ProgressMeter::show()
{
    m_shown = m_terminal && m_maximum > 0;
    if (m_shown)
        draw();
}

void ProgressMeter::advance(int rows)
{
    // The bar stops at its maximum, as the window's bar does.
    if (m_value >= m_maximum || rows <= 0)
        return;
    m_value = int(std::min<qint64>(m_maximum, qint64(m_value) + rows));
    // After a caption the bar comes back on a line of its own.
    if (m_shown)
        draw();
}

void ProgressMeter::finish()
{
    if (m_drawnWidth < 0)
        return;
    m_out << '\n';
    m_out.flush();
    m_drawnWidth = -1;
}

void ProgressMeter::draw()
{
    const int filled = int(qint64(m_value) * kBarWidth / m_maximum);
    // Redrawn only when it changes, so that large runs do not flood the terminal.
    if (filled == m_drawnWidth && m_value != m_maximum)
        return;
    m_drawnWidth = filled;
    m_out << "\r[" << QString(filled, QLatin1Char('#')) << QString(kBarWidth - filled, QLatin1Char('.')) << "] "
          << m_value << '/' << m_maximum;
    m_out.flush();
}

} // namespace vant::ctl
