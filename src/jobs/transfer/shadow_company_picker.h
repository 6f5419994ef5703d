#pragma once

#include <QString>
#include <QStringList>

namespace vant {

struct Session;

// Lets the user pick one of the shadow companies of parentCode: the name, then the code;
// "Nothing" and "" when none was picked; no elements after a reported failure, which a
// caller treats as no pick.
QStringList ListShadowCompany(Session &session, const QString &parentCode, const QString &searchText);

} // namespace vant
