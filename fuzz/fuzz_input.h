#pragma once

#include "db/database.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

#include <cstddef>
#include <cstdint>
#include <memory>

namespace vant::fuzz {

// The fuzzer's bytes as text, read as UTF-8 the way the program reads its settings and data.
inline QString text(const std::uint8_t *data, std::size_t size)
{
    return QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
}

// A Qt application and an empty embedded database in a temporary folder, for the targets that
// run statements: made once per run, the database null when it could not be opened.
struct EmbeddedDatabase
{
    EmbeddedDatabase()
    {
        static int argc = 1;
        static char name[] = "vant_fuzzer";
        static char *argv[] = {name, nullptr};
        app = std::make_unique<QCoreApplication>(argc, argv);
        QFile(QDir(folder.path()).filePath(QStringLiteral("fuzz.db"))).open(QIODevice::WriteOnly);
        if (auto opened = Database::open(
                {QStringLiteral("SQLite"), folder.path(), QStringLiteral("fuzz.db"), QString(), QString(), QString()}))
            db = std::move(*opened);
    }

    std::unique_ptr<QCoreApplication> app;
    QTemporaryDir folder;
    std::unique_ptr<Database> db;
};

// Stops the run when a property of the code under test does not hold.
#define VANT_FUZZ_CHECK(condition)                                                                                     \
    do {                                                                                                               \
        if (!(condition))                                                                                              \
            __builtin_trap();                                                                                          \
    } while (false)

} // namespace vant::fuzz
