// Where "vantlog.txt" goes: beside a program that runs from the build tree while it may
// write there, else in the user's XDG state folder under the program's own folder name.
#include "program_identity.h"
#include "session/error_report.h"

#include "support/qt_printers.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <optional>

using namespace Qt::StringLiterals;

namespace vant {
namespace {

// HOME in the test's folder; the test run's own HOME and XDG_STATE_HOME come back afterwards.
class LogLocationTest : public testing::Test
{
protected:
    void SetUp() override { qputenv("HOME", path(u"home"_s).toUtf8()); }
    void TearDown() override
    {
        qputenv("HOME", m_home);
        qputenv("XDG_STATE_HOME", m_stateHome);
    }
    QString path(const QString &relative) const { return QDir(m_root.path()).filePath(relative); }
    static void setStateHome(const std::optional<QString> &value)
    {
        if (value)
            qputenv("XDG_STATE_HOME", value->toUtf8());
        else
            qunsetenv("XDG_STATE_HOME");
    }

    QTemporaryDir m_root;
    const QByteArray m_home = qgetenv("HOME");
    const QByteArray m_stateHome = qgetenv("XDG_STATE_HOME");
};

TEST_F(LogLocationTest, AProgramInTheBuildTreeKeepsTheLogBesideItself)
{
    setStateHome(path(u"state"_s));
    ASSERT_TRUE(QFile(path(kBuildTreeMarker)).open(QIODevice::WriteOnly));
    const QString besideProgram = path(u"vantlog.txt"_s);
    EXPECT_EQ(ErrorLog::logPathFor(m_root.path()), besideProgram);
    QFile existing(besideProgram);
    ASSERT_TRUE(existing.open(QIODevice::WriteOnly));
    existing.close();
    EXPECT_EQ(ErrorLog::logPathFor(m_root.path()), besideProgram);
    // Nothing is made in the state folder while the program's folder serves.
    EXPECT_FALSE(QFileInfo::exists(path(u"state"_s)));
}

TEST_F(LogLocationTest, OtherwiseTheLogGoesToTheStateFolderWhichIsMade)
{
    // An installed program's folder, writable or not, never takes the log.
    ASSERT_TRUE(QFile(path(u"program-file"_s)).open(QIODevice::WriteOnly));
    const struct
    {
        const char *name;
        std::optional<QString> stateHome;
        QString programFolder;
        QString expected;
    } cases[] = {
        {"installed, writable", path(u"state"_s), m_root.path(), path(u"state/"_s) + kUserFolderName},
        {"state home empty", u""_s, path(u"program-file"_s), path(u"home/.local/state/"_s) + kUserFolderName},
        // The XDG rules ignore a relative path.
        {"state home relative", u"state"_s, path(u"missing-folder"_s), path(u"home/.local/state/"_s) + kUserFolderName},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        setStateHome(c.stateHome);
        EXPECT_EQ(ErrorLog::userStateFolder(), c.expected);
        EXPECT_EQ(ErrorLog::logPathFor(c.programFolder), c.expected + u"/vantlog.txt"_s);
        EXPECT_TRUE(QFileInfo(c.expected).isDir());
    }
}

} // namespace
} // namespace vant
