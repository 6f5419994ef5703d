#pragma once

#include "db/database.h"
#include "golden_file.h"
#include "test_database.h"

#include <QTemporaryDir>

#include <memory>

namespace vant::test {

// A copy of a test database at one moment, to run a job again and again from the same state.
class SavedDatabase
{
public:
    // Saves the file as it is now; no transaction may be open on it.
    explicit SavedDatabase(const TestDatabase &database);

    // Puts the saved file back and gives a fresh connection to it in place of the old one.
    void restore(std::unique_ptr<Database> &connection) const;

private:
    const TestDatabase &m_database;
    QTemporaryDir m_folder;
};

} // namespace vant::test
