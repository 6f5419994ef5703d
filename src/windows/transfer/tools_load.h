#pragma once

#include "tools_window.h"

class QWidget;

namespace vant {

struct Session;

// Opens a fresh tools window in the mode (1 Account Transfer, 0 Purge Data), picking
// destinations with the picker, and shows it modally until it closes. A window that
// cannot be opened is reported under "VantToolsLoad" and shown.
void openToolsWindow(Session &session, int mode, const CompanyPicker &picker, QWidget *parent);

// The main menu's entry to the tools window.
void VantToolsLoad(Session &session, int mode, QWidget *parent);

} // namespace vant
