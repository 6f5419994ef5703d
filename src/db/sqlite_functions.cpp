#include "sqlite_functions.h"

#include "sql_server_numbers.h"
#include "sqlite_text_rules.h"

#include <QRegularExpression>
#include <QSqlDatabase>
#include <QSqlDriver>
#include <QVariant>

#include <sqlite3.h>

#include <cmath>
#include <limits>

namespace vant {

namespace {

QString textOf(sqlite3_value *value)
{
    const auto *text = reinterpret_cast<const char *>(sqlite3_value_text(value));
    return QString::fromUtf8(text, sqlite3_value_bytes(value));
}

void fail(sqlite3_context *context, int number, const QString &message)
{
    const QByteArray text = QStringLiteral("Msg %1: %2").arg(number).arg(message).toUtf8();
    sqlite3_result_error(context, text.constData(), int(text.size()));
}

void isNumeric(sqlite3_context *context, int, sqlite3_value **arguments)
{
    switch (sqlite3_value_type(arguments[0])) {
    case SQLITE_INTEGER:
    case SQLITE_FLOAT: sqlite3_result_int(context, 1); return;
    case SQLITE_TEXT: sqlite3_result_int(context, sqlserver::isNumeric(textOf(arguments[0])) ? 1 : 0); return;
    default: sqlite3_result_int(context, 0); return;
    }
}

void toFloat(sqlite3_context *context, sqlite3_value *value, bool trying)
{
    if (sqlite3_value_type(value) != SQLITE_TEXT) {
        sqlite3_result_double(context, sqlite3_value_double(value));
        return;
    }
    if (const std::optional<double> number = sqlserver::toFloat(textOf(value)))
        sqlite3_result_double(context, *number);
    else if (trying)
        sqlite3_result_null(context);
    else
        fail(context, 8114, QStringLiteral("Error converting data type varchar to float."));
}

void toWhole(sqlite3_context *context, sqlite3_value *value, bool trying, bool big)
{
    const qint64 lowest = big ? std::numeric_limits<qint64>::min() : std::numeric_limits<qint32>::min();
    const qint64 highest = big ? std::numeric_limits<qint64>::max() : std::numeric_limits<qint32>::max();
    const QString type = big ? QStringLiteral("bigint") : QStringLiteral("int");
    // A stored number out of the type's range.
    const auto overflow = [&] {
        if (trying)
            sqlite3_result_null(context);
        else
            fail(context, 8115,
                 QStringLiteral("Arithmetic overflow error converting expression to data type %1.").arg(type));
    };
    if (sqlite3_value_type(value) == SQLITE_INTEGER) {
        const qint64 number = sqlite3_value_int64(value);
        if (number >= lowest && number <= highest)
            sqlite3_result_int64(context, number);
        else
            overflow();
        return;
    }
    if (sqlite3_value_type(value) != SQLITE_TEXT) {
        // A number loses its fraction.
        const double number = std::trunc(sqlite3_value_double(value));
        if (std::isfinite(number) && number >= double(lowest) && number < double(highest))
            sqlite3_result_int64(context, qint64(number));
        else
            overflow();
        return;
    }
    const QString text = textOf(value);
    if (const std::optional<qint64> number = sqlserver::toWhole(text, lowest, highest))
        sqlite3_result_int64(context, *number);
    else if (trying)
        sqlite3_result_null(context);
    else
        fail(context, 245,
             QStringLiteral("Conversion failed when converting the varchar value '%1' to data type %2.")
                 .arg(text, type));
}

// vant_number(value, type, try)
void toNumber(sqlite3_context *context, int, sqlite3_value **arguments)
{
    if (sqlite3_value_type(arguments[0]) == SQLITE_NULL) {
        sqlite3_result_null(context);
        return;
    }
    // Called for every row a copy converts: the type's name is read in place.
    const auto *type = reinterpret_cast<const char *>(sqlite3_value_text(arguments[1]));
    const bool trying = sqlite3_value_int(arguments[2]) != 0;
    if (qstrcmp(type, "float") == 0)
        toFloat(context, arguments[0], trying);
    else
        toWhole(context, arguments[0], trying, qstrcmp(type, "bigint") == 0);
}

} // namespace

Status registerSqlServerFunctions(QSqlDatabase &connection)
{
    const QVariant handle = connection.driver()->handle();
    if (!handle.isValid() || qstrcmp(handle.typeName(), "sqlite3*") != 0)
        return Error{kUnspecifiedError, QStringLiteral("The embedded database gives no handle for its functions.")};
    sqlite3 *db = *static_cast<sqlite3 *const *>(handle.data());
    const int flags = SQLITE_UTF8 | SQLITE_DETERMINISTIC;
    if (sqlite3_create_function(db, "isnumeric", 1, flags, nullptr, isNumeric, nullptr, nullptr) != SQLITE_OK
        || sqlite3_create_function(db, "vant_number", 3, flags, nullptr, toNumber, nullptr, nullptr) != SQLITE_OK
        || registerTextRules(db) != SQLITE_OK)
        return Error{kUnspecifiedError, QString::fromUtf8(sqlite3_errmsg(db))};
    return {};
}

std::optional<Error> serverErrorIn(const QString &message)
{
    static const QRegularExpression server(QStringLiteral("^Msg (\\d+): (.*?)(?: Unable to \\w+ \\w+)?$"),
                                           QRegularExpression::DotMatchesEverythingOption);
    const auto match = server.match(message.trimmed());
    if (!match.hasMatch())
        return std::nullopt;
    return Error{match.captured(1).toInt(), match.captured(2)};
}

} // namespace vant
