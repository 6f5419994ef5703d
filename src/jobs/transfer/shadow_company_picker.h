#pragma once

#include <QString>
#include <QStringList>

namespace vant {

class LovPresenter;
struct Session;

// Lets the user pick one of the shadow companies of parentCode, in a lookup window that the
// presenter shows: the name, then the code;
// "Nothing" and "" when none was picked; no elements after a reported failure, which a
// caller treats as no pick.
QStringList ListShadowCompany(Session &session, LovPresenter *presenter, const QString &parentCode,
                              const QString &searchText);

} // namespace vant
