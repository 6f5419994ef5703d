// An installed vantctl cannot write beside itself: its log goes to the user's XDG state
// folder, the same file the window program uses. The program's folder is made read-only
// for the user who runs it; when the tests run as root, vantctl runs as "nobody", for
// whom the permissions hold.
#include "vantctl_fixture.h"

#include "program_identity.h"

#include <QFileInfo>

#include <grp.h>
#include <pwd.h>
#include <unistd.h>

namespace vant::test {
namespace {

using namespace Qt::StringLiterals;

constexpr QFileDevice::Permissions kReadOnly = QFileDevice::ReadOwner | QFileDevice::ExeOwner | QFileDevice::ReadGroup
                                               | QFileDevice::ExeGroup | QFileDevice::ReadOther | QFileDevice::ExeOther;
constexpr QFileDevice::Permissions kEveryone =
    kReadOnly | QFileDevice::WriteOwner | QFileDevice::WriteGroup | QFileDevice::WriteOther;

class VantctlLogLocationTest : public VantctlTest
{
protected:
    ~VantctlLogLocationTest() override { QFile::setPermissions(m_programDir.path(), kEveryone); }

    QTemporaryDir m_userFiles;
};

TEST_F(VantctlLogLocationTest, AReadOnlyProgramFolderSendsTheLogToTheStateFolder)
{
    // A trapped failure of the version check writes one entry.
    execute({u"drop table QRX_PRODUCT_CONFIG"_s});
    const QString stateHome = m_userFiles.filePath(u"state"_s);
    // vantctl runs as a user who cannot write its folder, with the settings copied into a folder that
    // user can read.
    const QString config = m_userFiles.filePath(u"config"_s);
    EXPECT_TRUE(QDir().mkpath(config));
    EXPECT_TRUE(QFile::copy(settingsFolder() + u"/KormoLedger.conf"_s, config + u"/KormoLedger.conf"_s));
    for (const QString &path :
         {m_userFiles.path(), config, config + u"/KormoLedger.conf"_s, m_db.folder(), m_db.path()})
        EXPECT_TRUE(QFile::setPermissions(path, kEveryone));
    EXPECT_TRUE(QFile::setPermissions(m_programDir.path(), kReadOnly));

    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(u"XDG_CONFIG_HOME"_s, config);
    environment.insert(u"XDG_STATE_HOME"_s, stateHome);
    environment.insert(u"HOME"_s, m_userFiles.path());
    process.setProcessEnvironment(environment);
    if (geteuid() == 0) {
        const passwd *nobody = getpwnam("nobody");
        EXPECT_NE(nobody, nullptr);
        const uid_t uid = nobody ? nobody->pw_uid : 65534;
        const gid_t gid = nobody ? nobody->pw_gid : 65534;
        process.setChildProcessModifier([uid, gid] {
            if (setgroups(0, nullptr) != 0 || setgid(gid) != 0 || setuid(uid) != 0)
                _exit(126);
        });
    }
    process.start(m_program, u"--user Admin --password vant check"_s.split(u' '));
    EXPECT_TRUE(process.waitForFinished(60000));
    const CtlRun run{process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
                     QString::fromUtf8(process.readAllStandardOutput()),
                     QString::fromUtf8(process.readAllStandardError())};
    EXPECT_EQ(run.exitCode, 1) << run.err.toStdString();

    EXPECT_FALSE(QFileInfo::exists(m_programDir.filePath(u"vantlog.txt"_s)));
    const QStringList lines = logFileLines(stateHome + u'/' + kUserFolderName + u"/vantlog.txt"_s);
    ASSERT_EQ(lines.size(), 5) << lines.join(u'\n').toStdString();
    EXPECT_EQ(lines.at(4), u"ErrForm : frmDB    ErrEvent : CheckDBVersion"_s);
}

} // namespace
} // namespace vant::test
