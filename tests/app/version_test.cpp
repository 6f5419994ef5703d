// The one version: each program prints the version CMake holds, and the version text the
// database check compares is made from the same numbers.
#include "vantctl_fixture.h"

#include "program_identity.h"

namespace vant::test {
namespace {

using namespace Qt::StringLiterals;

TEST(VersionTest, EveryProgramPrintsTheProjectVersionWithoutADisplayAndOffersIt)
{
    const struct
    {
        QString name;
        QString program;
        QStringList arguments;
    } cases[] = {
        {u"vantprocess"_s, QStringLiteral(VANTPROCESS_PROGRAM), {u"--version"_s}},
        // The window program answers before Qt sees its own options.
        {u"vantprocess"_s, QStringLiteral(VANTPROCESS_PROGRAM), {u"-platform"_s, u"xcb"_s, u"--version"_s}},
        {u"vantctl"_s, QStringLiteral(VANTCTL_PROGRAM), {u"--version"_s}},
        {u"vantctl"_s, QStringLiteral(VANTCTL_PROGRAM), {u"post"_s, u"--version"_s}},
        {u"vant-dbcreator"_s, QStringLiteral(VANT_DBCREATOR_PROGRAM), {u"--version"_s}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.arguments.join(u' ').toStdString());
        const CtlRun run = runProgram(c.program, c.arguments, environmentWithoutDisplay());
        EXPECT_EQ(run.exitCode, 0);
        EXPECT_EQ(run.out, c.name + u' ' + QStringLiteral(VANT_CMAKE_VERSION) + u'\n');
        EXPECT_EQ(run.err, QString());
        // Each program's help offers the version.
        const CtlRun help = runProgram(c.program, {u"--help"_s}, environmentWithoutDisplay());
        EXPECT_EQ(help.exitCode, 0);
        EXPECT_TRUE(help.out.contains(u"  --version "_s)) << help.out.toStdString();
    }
}

TEST(VersionTest, TheDatabaseVersionTextComesFromTheSameNumbers)
{
    const QStringList numbers = QStringLiteral(VANT_CMAKE_VERSION).split(u'.');
    ASSERT_EQ(numbers.size(), 3);
    EXPECT_EQ(kProgramVersion, numbers.join(QString()) + u'0');
}

} // namespace
} // namespace vant::test
