#pragma once

#include <QByteArray>
#include <QList>

#include <optional>

class QIODevice;

namespace vant {

// The lines of a file from its last to its first, read a block at a time from the end: the
// bytes read follow the lines taken, not the size of the file.
class LinesFromEnd
{
public:
    // The device is open for reading and able to seek.
    explicit LinesFromEnd(QIODevice &device);

    // The line before the last one given, without its line end; none at the start of the file
    // or when the device fails (failed() then says so).
    std::optional<QByteArray> previous();
    bool failed() const { return m_failed; }

private:
    static constexpr qint64 kBlockSize = 64 * 1024;

    bool readBlock();

    QIODevice &m_device;
    qint64 m_position; // where the bytes not yet read end
    // Read, not yet given: what lies before the lines given so far, in blocks in the file's
    // order. Only the first block may hold a line end, so that a long line is joined once.
    QList<QByteArray> m_pending;
    bool m_done = false;
    bool m_failed = false;
};

} // namespace vant
