// The settings file on any bytes: reading never fails on content it accepted before, and what
// the writer writes reads back as the same values.
#include "fuzz_input.h"

#include "session/settings_file_format.h"

#include <QBuffer>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    QBuffer file(&bytes);
    file.open(QIODevice::ReadOnly);
    QSettings::SettingsMap read;
    if (!vant::readSettingsFile(file, read))
        return 0;

    QByteArray written;
    QBuffer out(&written);
    out.open(QIODevice::WriteOnly);
    VANT_FUZZ_CHECK(vant::writeSettingsFile(out, read));
    QBuffer again(&written);
    again.open(QIODevice::ReadOnly);
    QSettings::SettingsMap reread;
    VANT_FUZZ_CHECK(vant::readSettingsFile(again, reread));
    VANT_FUZZ_CHECK(reread == read);
    return 0;
}
