#include "login_engine.h"

#include "session/company_context.h"
#include "session/connection.h"
#include "session/password_digest.h"
#include "session/products.h"
#include "session/session.h"
#include "session/settings_store.h"
#include "session/text_helpers.h"
#include "session/user_prompts.h"

#include <QCoreApplication>

namespace vant {

namespace {

const QString kLoginWindow = QStringLiteral("frmDB");
QString loginTitle()
{
    return QCoreApplication::translate("vant::LoginEngine", "VANT Login");
}

LoginResult stayAt(LoginResult::Focus focus)
{
    return {LoginResult::Next::StayOpen, focus};
}

} // namespace

QStringList FillProductList(UserPrompts &prompts)
{
    const SettingsKey key(&prompts);
    QStringList names;
    for (const Product &product : products()) {
        if (!key.value(product.loginDbValue).isEmpty())
            names << product.name;
    }
    return names;
}

Outcome<bool> ValidateUser(Session &session, const QString &userName, const QString &password)
{
    const QVariant storedLength = GetValueFromTbl(
        session, QStringLiteral("select top 1 isnull(len(pem_emp_password),0) from psm_employee_master"));
    QString candidate = password;
    if (storedLength.toString().trimmed() == u"32") {
        candidate = PasswordDigest(password);
        // A password that cannot be digested matches no stored digest; "Error" must not
        // be compared, or it would match a plain password that happens to read so.
        if (candidate == u"Error")
            return false;
    }
    auto rs =
        session.openRecordset(QStringLiteral("SELECT PEM_EMP_USERID FROM PSM_EMPLOYEE_MASTER WHERE  PEM_EMP_USERID='")
                              + QuoteSQLText(userName) + QStringLiteral("' AND PEM_EMP_PASSWORD='")
                              + QuoteSQLText(candidate) + QLatin1Char('\''));
    if (!rs)
        return rs.error();
    return !rs->eof() && !rs->isNull(0);
}

LoginResult DoLogin(Session &session, const LoginEntry &entry)
{
    using Focus = LoginResult::Focus;
    using Next = LoginResult::Next;

    const Product *product = productByName(entry.productName);
    if (!product) {
        session.prompts.message(QCoreApplication::translate("vant::LoginEngine", "Select Product"));
        return stayAt(Focus::ProductName);
    }
    if (entry.userName.trimmed().isEmpty()) {
        session.prompts.message(QCoreApplication::translate("vant::LoginEngine", "Enter User name "));
        return stayAt(Focus::UserName);
    }
    if (entry.password.trimmed().isEmpty()) {
        session.prompts.message(QCoreApplication::translate("vant::LoginEngine", "Enter Password "));
        return stayAt(Focus::Password);
    }

    session.productCode = product->code;
    session.productDbKey = product->dbKey;

    switch (ConnectDatabase(session, session.productDbKey)) {
    case ConnectResult::ProgramEnds: return {Next::EndAtOnce, Focus::Unchanged};
    case ConnectResult::Refused:
        session.prompts.message(QCoreApplication::translate("vant::LoginEngine", "Database Connectin failed..."),
                                kProgramTitle, PromptIcon::Critical);
        return stayAt(Focus::Unchanged);
    case ConnectResult::Open: break;
    }

    const Outcome<bool> valid = ValidateUser(session, entry.userName, entry.password);
    if (!valid) {
        session.ReportError(valid.error(), kLoginWindow, QStringLiteral("ValidateUser"), true);
        return stayAt(Focus::Unchanged);
    }
    if (!*valid) {
        session.prompts.message(QCoreApplication::translate("vant::LoginEngine", "Invalid Username or Password"),
                                loginTitle(), PromptIcon::Critical);
        return stayAt(Focus::Password);
    }

    const Outcome<QString> mismatch = CheckDBVersion(session);
    if (!mismatch) {
        session.ReportError(mismatch.error(), kLoginWindow, QStringLiteral("CheckDBVersion"), true);
        return stayAt(Focus::Unchanged);
    }
    if (!mismatch->trimmed().isEmpty()) {
        session.prompts.message(*mismatch, loginTitle(), PromptIcon::Critical);
        return {Next::ExitApplication, Focus::Unchanged};
    }
    session.userName = entry.userName.trimmed();
    return {Next::ShowMain, Focus::Unchanged};
}

} // namespace vant
