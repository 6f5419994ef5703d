#include "lines_from_end.h"

#include <QIODevice>

#include <algorithm>
#include <utility>

namespace vant {

LinesFromEnd::LinesFromEnd(QIODevice &device) : m_device(device), m_position(device.size()) {}

std::optional<QByteArray> LinesFromEnd::previous()
{
    while (!m_done) {
        const qsizetype end = m_pending.isEmpty() ? -1 : m_pending.first().lastIndexOf('\n');
        if (end >= 0 || m_position == 0) {
            // The first line of the file has no line end before it.
            m_done = end < 0;
            if (m_pending.isEmpty())
                return QByteArray();
            QByteArray line = m_pending.first().mid(end + 1);
            for (qsizetype i = 1; i < m_pending.size(); ++i)
                line += m_pending.at(i);
            m_pending.first().truncate(std::max<qsizetype>(end, 0));
            m_pending.resize(1);
            return line;
        }
        if (!readBlock()) {
            m_done = true;
            m_failed = true;
        }
    }
    return std::nullopt;
}

bool LinesFromEnd::readBlock()
{
    const qint64 size = std::min(kBlockSize, m_position);
    m_position -= size;
    if (!m_device.seek(m_position))
        return false;
    QByteArray block = m_device.read(size);
    if (block.size() != size)
        return false;
    m_pending.prepend(std::move(block));
    return true;
}

} // namespace vant
