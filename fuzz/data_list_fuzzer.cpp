// The lookup's data lists on any text: the work table made of a list holds its values as
// given, quotes and separators included, and is dropped afterwards.
#include "fuzz_input.h"

#include "lookup/lov_request.h"
#include "lookup/mod_vant_lov.h"
#include "session/session.h"
#include "session/user_prompts.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace {

class SilentPrompts : public vant::UserPrompts
{
public:
    void message(const QString &, const QString &, vant::PromptIcon) override {}
    bool question(const QString &, const QString &) override { return false; }
    std::optional<QString> textPrompt(const QString &, const QString &, const QString &) override { return {}; }
};

struct Fixture
{
    Fixture()
    {
        static int argc = 1;
        static char name[] = "data_list_fuzzer";
        static char *argv[] = {name, nullptr};
        app = std::make_unique<QCoreApplication>(argc, argv);
        const QString file = QDir(folder.path()).filePath(QStringLiteral("fuzz.db"));
        QFile(file).open(QIODevice::WriteOnly);
        session = std::make_unique<vant::Session>(prompts, QDir(folder.path()).filePath(QStringLiteral("vantlog.txt")));
        auto db = vant::Database::open(
            {QStringLiteral("SQLite"), folder.path(), QStringLiteral("fuzz.db"), QString(), QString(), QString()});
        if (db)
            session->dbConnection = std::move(*db);
    }

    std::unique_ptr<QCoreApplication> app;
    QTemporaryDir folder;
    SilentPrompts prompts;
    std::unique_ptr<vant::Session> session;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    static Fixture fixture;
    VANT_FUZZ_CHECK(fixture.session->db());
    const QString list = vant::fuzz::text(data, size);
    vant::ModVantLov lov(*fixture.session);
    const QString table = vant::ModVantLov::workTableName();
    const QString query = lov.GenLovQuery(list, table);
    if (query.isEmpty()) {
        // A list whose rows differ in their number of values is refused; its table goes.
        fixture.session->execute(QStringLiteral("drop table if exists ") + table);
        return 0;
    }
    auto rs = fixture.session->openRecordset(query);
    VANT_FUZZ_CHECK(bool(rs));
    const QStringList rows = vant::splitLovList(list, vant::kLovRowSeparator);
    VANT_FUZZ_CHECK(rs->recordCount() == rows.size());
    for (int row = 0; row < rows.size(); ++row, rs->moveNext()) {
        const QStringList values = vant::splitLovList(rows.at(row), vant::kLovColumnSeparator);
        for (int column = 0; column < values.size() && column < rs->fieldCount(); ++column)
            VANT_FUZZ_CHECK(rs->text(column) == values.at(column));
    }
    VANT_FUZZ_CHECK(fixture.session->execute(QStringLiteral("drop table ") + table));
    return 0;
}
