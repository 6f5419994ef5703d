#pragma once

#include <QString>

#include <optional>

class QTextStream;

namespace vant::ctl {

struct Request;

// The environment variable that may hold the password.
inline constexpr char kPasswordVariable[] = "VANTCTL_PASSWORD";

// The user's password from the first source the request or the environment gives: --password,
// --password-file, VANTCTL_PASSWORD, or a prompt on the terminal that does not show what is
// typed. Without any of them, or when the file cannot be read, says why on err and gives none.
std::optional<QString> takePassword(const Request &request, QTextStream &err);

} // namespace vant::ctl
