#pragma once

#include "db/outcome.h"

#include <QString>
#include <QStringList>

namespace vant {

struct Session;
class UserPrompts;

// The names of the products whose database-name value is set, in the login's order; a
// settings store that cannot be read is shown through the prompts and lists none.
QStringList FillProductList(UserPrompts &prompts);

// True when the employee master holds the user with that password. Passwords are
// compared as digests when the first stored password is 32 characters long.
Outcome<bool> ValidateUser(Session &session, const QString &userName, const QString &password);

// What the login window holds when Enter in the password box starts a login.
struct LoginEntry
{
    QString productName; // empty when no product is selected
    QString userName;
    QString password;
};

// What the login window must do once a login attempt is over.
struct LoginResult
{
    enum class Next {
        StayOpen,        // the attempt failed; the window waits for another one
        ShowMain,        // the user is in: unload the login, show the main window
        ExitApplication, // release everything and end the program
        EndAtOnce,       // nothing is configured: end the program without releasing anything
    };
    enum class Focus { Unchanged, ProductName, UserName, Password };

    Next next = Next::StayOpen;
    Focus focus = Focus::Unchanged;
};

// One login attempt: the field checks, a fresh connection for the chosen product, the
// user check and the version check. Every box goes through session.prompts.
LoginResult DoLogin(Session &session, const LoginEntry &entry);

} // namespace vant
