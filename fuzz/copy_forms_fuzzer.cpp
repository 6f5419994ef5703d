// The set-based copies' conditions beside the row checks, on any stored text: for every number
// and date form, the condition selects a value exactly when the check refuses it, and the copy
// writes what the check read, through the statement rewrite on an embedded database.
#include "fuzz_input.h"

#include "support/copy_form_pairs.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <memory>

namespace {

struct Fixture
{
    Fixture()
    {
        static int argc = 1;
        static char name[] = "copy_forms_fuzzer";
        static char *argv[] = {name, nullptr};
        app = std::make_unique<QCoreApplication>(argc, argv);
        QFile(QDir(folder.path()).filePath(QStringLiteral("fuzz.db"))).open(QIODevice::WriteOnly);
        auto opened = vant::Database::open(
            {QStringLiteral("SQLite"), folder.path(), QStringLiteral("fuzz.db"), QString(), QString(), QString()});
        if (opened)
            db = std::move(*opened);
        if (db && !vant::test::CopyFormPairs(*db).createTable())
            db.reset();
    }

    std::unique_ptr<QCoreApplication> app;
    QTemporaryDir folder;
    std::unique_ptr<vant::Database> db;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    static Fixture fixture;
    VANT_FUZZ_CHECK(fixture.db);
    // A stored text holds no NUL; the empty input stands for NULL.
    QString text = vant::fuzz::text(data, size);
    text.remove(QChar(u'\0'));
    const std::optional<QString> value = size == 0 ? std::nullopt : std::optional<QString>(text);
    const auto parted = vant::test::CopyFormPairs(*fixture.db).disagreement(value);
    if (parted)
        fprintf(stderr, "%s\n", qPrintable(*parted));
    VANT_FUZZ_CHECK(!parted);
    return 0;
}
