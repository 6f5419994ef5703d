#pragma once

#include <QString>

namespace vant::test {

// Points the settings store, the XDG folders and the per-user data folder at a
// temporary folder for the whole test run, so that no test touches the user's files.
void isolateUserFiles();

// Folder of this test run's settings store.
QString settingsFolder();

// Removes every value of the settings key.
void clearSettings();

} // namespace vant::test
