#include "lines_from_end.h"

#include <QIODevice>

#include <algorithm>
#include <utility>

namespace vant {

LinesFromEnd::LinesFromEnd(QIODevice &device) : m_device(device), m_position(device.size()) {}

std::optional<QByteArray> LinesFromEnd::previous()
{
    while (!m_done) {
        const qsizetype end = m_pending.lastIndexOf('\n');
        if (end >= 0) {
            QByteArray line = m_pending.mid(end + 1);
            m_pending.truncate(end);
            return line;
        }
        if (m_position == 0) {
            // The first line of the file has no line end before it.
            m_done = true;
            return std::exchange(m_pending, QByteArray());
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
    const QByteArray block = m_device.read(size);
    if (block.size() != size)
        return false;
    m_pending.prepend(block);
    return true;
}

} // namespace vant
