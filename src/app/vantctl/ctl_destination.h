#pragma once

#include <QString>

namespace vant {
struct Session;
}

namespace vant::ctl {

// The code that the destination box would hold after a pick from the company lookup: one of
// the default company's shadow companies, named by code or by name. "0" when none is so named,
// which the transfer's checks refuse as the window refuses a destination typed by hand.
QString heldDestinationCode(Session &session, const QString &destination);

} // namespace vant::ctl
