// The lookup's data lists on any text: the work table made of a list holds its values as
// given, quotes and separators included, and is dropped afterwards.
#include "fuzz_input.h"

#include "lookup/lov_request.h"
#include "lookup/mod_vant_lov.h"
#include "session/session.h"
#include "session/user_prompts.h"

namespace {

class SilentPrompts : public vant::UserPrompts
{
public:
    void message(const QString &, const QString &, vant::PromptIcon) override {}
    bool question(const QString &, const QString &) override { return false; }
    std::optional<QString> textPrompt(const QString &, const QString &, const QString &) override { return {}; }
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    static vant::fuzz::EmbeddedDatabase base;
    static SilentPrompts prompts;
    static vant::Session session(prompts, QDir(base.folder.path()).filePath(QStringLiteral("vantlog.txt")));
    if (base.db)
        session.dbConnection = std::move(base.db);
    VANT_FUZZ_CHECK(session.db());
    const QString list = vant::fuzz::text(data, size);
    vant::ModVantLov lov(session);
    const QString table = vant::ModVantLov::workTableName();
    const QString query = lov.GenLovQuery(list, table);
    if (query.isEmpty()) {
        // A list whose rows differ in their number of values is refused; its table goes.
        session.execute(QStringLiteral("drop table if exists ") + table);
        return 0;
    }
    auto rs = session.openRecordset(query);
    VANT_FUZZ_CHECK(bool(rs));
    const QStringList rows = vant::splitLovList(list, vant::kLovRowSeparator);
    VANT_FUZZ_CHECK(rs->recordCount() == rows.size());
    for (int row = 0; row < rows.size(); ++row, rs->moveNext()) {
        const QStringList values = vant::splitLovList(rows.at(row), vant::kLovColumnSeparator);
        for (int column = 0; column < values.size() && column < rs->fieldCount(); ++column)
            VANT_FUZZ_CHECK(rs->text(column) == values.at(column));
    }
    VANT_FUZZ_CHECK(session.execute(QStringLiteral("drop table ") + table));
    return 0;
}
