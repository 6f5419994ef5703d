#pragma once

#include <QString>

namespace vant {

// The password as the employee master stores digests: the MD5 digest of its Windows-1252
// bytes in 32 upper-case hexadecimal digits. "Error", which matches no stored digest, when a
// character is outside the code page or the text is longer than 32767 characters.
QString PasswordDigest(const QString &text);

} // namespace vant
