#include "demo_data.h"

#include "demo_masters.h"
#include "demo_offline.h"
#include "demo_vouchers.h"

namespace vant {

namespace {

constexpr std::uint32_t kDemoSeed = 5000;

} // namespace

Status fillDemoData(Database &db, const DemoContext &context)
{
    DemoRandom random(kDemoSeed);
    QStringList statements = demo::masterStatements(context);
    statements << demo::voucherStatements(context, random);
    statements << demo::offLineStatements(context, random);

    for (const QString &statement : std::as_const(statements)) {
        if (Status done = db.execute(statement); !done)
            return done;
    }
    return {};
}

} // namespace vant
