// The login window: what it opens with, how the keys move between its fields, and every
// way a login attempt ends: the boxes it shows, where the focus goes, what is logged and
// whether the program goes on to the main window, stays at the login or ends.
#include "login_fixture.h"

#include "main_window/main_window.h"
#include "login/login_engine.h"
#include "session/password_digest.h"
#include "session/products.h"
#include "session/settings_store.h"

#include "session/accounts_guard.h"
#include "support/accounts_watch.h"

#include <QApplication>

namespace vant::test {
namespace {

using namespace Qt::StringLiterals;

class LoginWindowTest : public LoginTest
{
protected:
    void SetUp() override { start(); }
};

TEST_F(LoginWindowTest, OpensWithAdminKeysMoveBetweenFilledFieldsAndClosingEnds)
{
    EXPECT_EQ(window()->windowTitle(), u"Login"_s);
    EXPECT_EQ(userName()->text(), u"Admin"_s);
    EXPECT_TRUE(password()->text().isEmpty());
    EXPECT_EQ(password()->echoMode(), QLineEdit::Password);
    EXPECT_EQ(focused(), userName());
    EXPECT_EQ(productName()->currentText(), u"Kormo Vant"_s);

    userName()->setText(u"   "_s);
    QTest::keyClick(userName(), Qt::Key_Return);
    EXPECT_EQ(focused(), userName());
    userName()->setText(u"Admin"_s);
    QTest::keyClick(userName(), Qt::Key_Enter);
    EXPECT_EQ(focused(), password());

    password()->setText(u"  "_s);
    QTest::keyClick(password(), Qt::Key_Return);
    EXPECT_TRUE(m_prompts.boxes().isEmpty());
    EXPECT_EQ(m_session.db(), nullptr);

    QTest::keyClick(password(), Qt::Key_Up);
    EXPECT_EQ(focused(), userName());
    QTest::keyClick(userName(), Qt::Key_Up);
    EXPECT_EQ(focused(), productName());
    QTest::keyClick(productName(), Qt::Key_Return);
    EXPECT_EQ(focused(), userName());

    window()->close();
    EXPECT_EQ(m_endCodes, QList<int>{0});
}

// Every field hands its keys to the window's one key preview.
TEST_F(LoginWindowTest, EscapeRunsExitApplication)
{
    const AccountsWatch accounts(m_session);
    m_session.dbConnection = m_db.connect();
    {
        // A job's component is released with the job: none is left for the exit.
        AccountsGuard job(m_session);
        ASSERT_TRUE(job.create(kToolsProgId));
    }
    LoginWindow *login = window();

    QTest::keyClick(productName(), Qt::Key_Escape);

    EXPECT_EQ(m_endCodes, QList<int>{0});
    EXPECT_EQ(accounts.live(), nullptr);
    EXPECT_EQ(m_session.db(), nullptr);
    EXPECT_FALSE(login->isVisible());
}

TEST(ProductListTest, ListsTheConfiguredProductsInTheFamilysOrder)
{
    // Settings written as name=value, blank-separated; the products listed, comma-separated.
    const QList<std::pair<QString, QString>> cases = {
        {u"Mart7VantDB=M7 VantDB=V MartVantDB=M"_s, u"Kormo Vant,Kormo Mart,Kormo Mart7"_s},
        {u"VantDB= LiteVantDB=L"_s, u"Kormo Lite"_s},
        {u"MARTVANTDB=M"_s, u"Kormo Mart"_s},
    };
    ScriptedPrompts prompts;
    for (const auto &[settings, products] : cases) {
        clearSettings();
        for (const QString &setting : settings.split(u' '))
            writeSetting(setting.section(u'=', 0, 0), setting.section(u'=', 1));
        EXPECT_EQ(FillProductList(prompts).join(u','), products) << settings.toStdString();
    }
}

enum class Then { LoggedIn, StaysAtLogin, Ends };

const QString kAdmin = u"Admin"_s, kSecret = u"secret1"_s, kInvalid = u"Invalid Username or Password"_s;
const QString kClerk = u"insert into psm_employee_master(PEM_EMP_USERID,PEM_EMP_PASSWORD,PEM_EMP_NAME) values "_s;

struct Attempt
{
    std::string name;
    QString user = kAdmin, pass = kSecret;
    QStringList boxes = {};        // texts in order; a trailing '*' matches the beginning only
    QString title = kProgramTitle; // and icon of the last box
    PromptIcon icon = PromptIcon::None;
    Then then = Then::StaysAtLogin;
    QStringList statements = {};      // run before the start
    QString focus = u"txtPassword"_s; // the field holding the focus when the login stays
    QString setting = {}, value = {}; // a settings value written before the start
    QString logLine = {};             // a line the log must hold; empty: nothing may be logged
};

Attempt refused(std::string name, const QString &user, const QString &pass, const QStringList &statements = {})
{
    return {.name = std::move(name),
            .user = user,
            .pass = pass,
            .boxes = {kInvalid},
            .title = u"VANT Login"_s,
            .icon = PromptIcon::Critical,
            .statements = statements};
}

Attempt loggedIn(std::string name, const QStringList &statements, const QString &user = kAdmin,
                 const QString &pass = kSecret)
{
    return {.name = std::move(name), .user = user, .pass = pass, .then = Then::LoggedIn, .statements = statements};
}

QList<Attempt> attempts()
{
    const QString digest = u"update psm_employee_master set PEM_EMP_PASSWORD='%1'"_s.arg(PasswordDigest(kSecret));
    const QString version = u"update QRX_PRODUCT_CONFIG set QPC_CRNT_VERID='%1'"_s;
    const QString mismatch = u"Exe Version: 5000  and DB Version: %1 mismatch. Please apply the latest patch"_s;
    const QString failed = u"Database Connectin failed..."_s, error = u"Error Number : *"_s;
    const QString logged = u"ErrForm : frmDB    ErrEvent : "_s;
    const auto critical = PromptIcon::Critical;
    const auto ends = Then::Ends;
    return {
        // An empty database-name value leaves the product list empty.
        {.name = "NoProduct", .boxes = {u"Select Product"_s}, .focus = u"cboProductName"_s, .setting = u"VantDB"_s},
        {.name = "BlankUserName", .user = u"   "_s, .boxes = {u"Enter User name "_s}, .focus = u"txtUserName"_s},
        {.name = "BlankPassword", .pass = u"  "_s, .boxes = {u"Enter Password "_s}},
        {.name = "UnreachableDatabase",
         .boxes = {u"4060\n*"_s, failed},
         .icon = critical,
         .setting = u"VantDB"_s,
         .value = u"missing.db"_s},
        {.name = "NoEmployeeTable",
         .boxes = {error},
         .icon = critical,
         .statements = {u"drop table psm_employee_master"_s},
         .logLine = logged + u"ValidateUser"_s},
        {.name = "NoVersionTable",
         .boxes = {error},
         .icon = critical,
         .statements = {u"drop table QRX_PRODUCT_CONFIG"_s},
         .logLine = logged + u"CheckDBVersion"_s},
        {.name = "OlderVersion",
         .boxes = {mismatch.arg(u"500"_s)},
         .title = u"VANT Login"_s,
         .icon = critical,
         .then = ends,
         .statements = {version.arg(u"500"_s)}},
        {.name = "BlankDatabaseName",
         .boxes = {u"DB Creator is not Executed yet. Please execute it."_s},
         .then = ends,
         .setting = u"VantDB"_s,
         .value = u"   "_s},
        refused("WrongPassword", kAdmin, u"wrong"_s),
        // What was typed is compared, leading blanks included.
        refused("LeadingBlankInUserName", u" Admin"_s, kSecret),
        refused("LeadingBlankInPassword", kAdmin, u" secret1"_s),
        refused("QuoteInPassword", kAdmin, u"x' or '1'='1"_s),
        refused("StatementAfterASemicolon", kAdmin, u"x';delete from psm_employee_master;--"_s),
        // Once the first stored password is a digest, every password is compared by its digest.
        refused("DigestTypedIn", kAdmin, PasswordDigest(kSecret), {digest}),
        refused("PlainPasswordAfterADigest", u"Clerk"_s, u"plain"_s, {digest, kClerk + u"('Clerk','plain','x')"_s}),
        // A character outside the single-byte code page has no digest.
        refused("PasswordWithoutADigest", u"Clerk"_s, QString(QChar(0x4e2d)),
                {digest, kClerk + u"('Clerk','Error','x')"_s}),
        loggedIn("PlainPassword", {}),
        loggedIn("DigestPassword", {digest}),
        loggedIn("QuotesInNameAndPassword", {kClerk + u"('O''Neil','it''s','x')"_s}, u"O'Neil"_s, u"it's"_s),
        // A semicolon is compared as a blank.
        loggedIn("SemicolonsInNameAndPassword", {kClerk + u"('Ram Kumar','pass word','x')"_s}, u"Ram;Kumar"_s,
                 u"pass;word"_s),
        loggedIn("NoDefaultCompany", {u"update acccompanymaster set DefaultCompany='N'"_s}),
    };
}

void PrintTo(const Attempt &attempt, std::ostream *out)
{
    *out << attempt.name;
}

class LoginAttemptTest : public LoginTest, public testing::WithParamInterface<Attempt>
{};

TEST_P(LoginAttemptTest, EndsAsExpected)
{
    const Attempt &attempt = GetParam();
    if (!attempt.setting.isEmpty())
        writeSetting(attempt.setting, attempt.value);
    execute(attempt.statements);
    start();
    const QPointer<LoginWindow> shown = window();
    login(attempt.user, attempt.pass);
    // Enter in a blank password is ignored; the login's own check still guards it.
    if (attempt.pass.trimmed().isEmpty())
        window()->DoLogin();

    QStringList texts = m_prompts.texts();
    for (qsizetype i = 0; i < qMin(texts.size(), attempt.boxes.size()); ++i) {
        if (attempt.boxes.at(i).endsWith(u'*'))
            texts[i] = texts.at(i).left(attempt.boxes.at(i).size() - 1) + u'*';
    }
    EXPECT_EQ(texts, attempt.boxes);
    if (!m_prompts.boxes().isEmpty()) {
        EXPECT_EQ(m_prompts.boxes().constLast().title, attempt.title);
        EXPECT_EQ(m_prompts.boxes().constLast().icon, attempt.icon);
    }
    if (attempt.logLine.isEmpty())
        EXPECT_EQ(logLines(), QStringList());
    else
        EXPECT_TRUE(logLines().contains(attempt.logLine)) << logLines().join(u'|').toStdString();

    switch (attempt.then) {
    case Then::LoggedIn:
        ASSERT_NE(m_program.mainWindow(), nullptr);
        EXPECT_TRUE(m_program.mainWindow()->isVisible());
        EXPECT_EQ(m_program.loginWindow(), nullptr);
        EXPECT_EQ(m_session.productCode, u"Accounts"_s);
        EXPECT_EQ(m_session.productDbKey, u"VANTDB"_s);
        EXPECT_NE(m_session.db(), nullptr);
        EXPECT_TRUE(m_endCodes.isEmpty());
        break;
    case Then::StaysAtLogin:
        EXPECT_EQ(m_program.loginWindow(), shown);
        EXPECT_EQ(m_program.mainWindow(), nullptr);
        EXPECT_TRUE(m_endCodes.isEmpty());
        EXPECT_EQ(focused()->objectName(), attempt.focus);
        EXPECT_EQ(password()->text(), attempt.pass);
        break;
    case Then::Ends:
        EXPECT_EQ(m_endCodes, QList<int>{0});
        EXPECT_EQ(m_program.mainWindow(), nullptr);
        EXPECT_EQ(m_session.db(), nullptr);
        break;
    }
    if (attempt.name != "NoEmployeeTable") {
        EXPECT_NE(TestDatabase::scalar(*m_db.connect(), u"select count(*) from psm_employee_master"_s), u"0"_s);
    }
}

INSTANTIATE_TEST_SUITE_P(Attempts, LoginAttemptTest, testing::ValuesIn(attempts()),
                         [](const testing::TestParamInfo<Attempt> &info) { return info.param.name; });

// A statement trace is for support staff: the password typed at the login stays out of it.
// The product chosen sets its code and database key.
TEST_F(LoginTest, TheTraceMasksTheTypedPasswordAndTheChosenProductIsSet)
{
    const QString tracePath = m_logDir.filePath(u"trace.sql"_s);
    qputenv("VANT_SQL_TRACE", tracePath.toLocal8Bit());
    writeSetting(u"MartVantDB"_s, TestDatabase::kFileName);
    start();
    productName()->setCurrentIndex(productName()->findText(u"Kormo Mart"_s));
    login(kAdmin, u"it's secret1"_s);
    login(kAdmin, kSecret);
    qunsetenv("VANT_SQL_TRACE");
    ASSERT_NE(m_program.mainWindow(), nullptr);
    EXPECT_EQ(m_session.productCode, u"Mart"_s);
    EXPECT_EQ(m_session.productDbKey, u"MartVANTDB"_s);

    QFile trace(tracePath);
    ASSERT_TRUE(trace.open(QIODevice::ReadOnly));
    const QString traced = QString::fromUtf8(trace.readAll());
    EXPECT_FALSE(traced.contains(u"secret1"_s)) << traced.toStdString();
    EXPECT_EQ(traced.count(u"PEM_EMP_USERID='Admin' AND PEM_EMP_PASSWORD='********'"_s), 2) << traced.toStdString();
}

// An X server without a window manager leaves the keyboard where it was when a window appears;
// offscreen hands it to the new window. This takes it back the first time a window gets it so.
class KeyboardStaysElsewhere : public QObject
{
public:
    KeyboardStaysElsewhere(QWidget &elsewhere, const QString &appearing)
        : m_elsewhere(elsewhere), m_appearing(appearing)
    {
        qApp->installEventFilter(this);
    }
    ~KeyboardStaysElsewhere() override { qApp->removeEventFilter(this); }

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (!m_done && event->type() == QEvent::WindowActivate && watched->objectName() == m_appearing) {
            m_done = true;
            m_elsewhere.activateWindow();
        }
        return false;
    }

private:
    QWidget &m_elsewhere;
    const QString m_appearing;
    bool m_done = false;
};

// Without a window manager a window that appears takes no keys until the program asks for the
// keyboard: the login's fields would wait for the pointer to visit them.
TEST_F(LoginTest, TheLoginWindowHasTheKeyboardAtStart)
{
    QWidget elsewhere; // the terminal or file manager that started the program
    elsewhere.show();
    QApplication::setActiveWindow(&elsewhere);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&elsewhere));
    const KeyboardStaysElsewhere noWindowManager(elsewhere, u"frmDB"_s);
    start();
    EXPECT_TRUE(QTest::qWaitFor([this] { return QApplication::activeWindow() == window(); }, 1000));
    EXPECT_EQ(QApplication::focusWidget(), userName());
}

} // namespace
} // namespace vant::test
