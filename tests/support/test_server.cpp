#include "test_server.h"

#include <QRegularExpression>

namespace vant::test {

namespace {

// "key=value;..." with brace-quoted values; none when a part has no "=" or a brace is open.
std::optional<QList<std::pair<QString, QString>>> keyValues(const QString &text)
{
    // A key, then a value in braces ("}}" for a brace; anything up to the ";" after it ignored)
    // or a value without a leading brace.
    static const QRegularExpression part(
        QStringLiteral(R"(([^=]*)=(?:\{((?:[^}]|\}\})*)\}(?!\})[^;]*|(?!\{)([^;]*))(?:;|$))"));
    QList<std::pair<QString, QString>> pairs;
    for (qsizetype at = 0; at < text.size();) {
        const QRegularExpressionMatch match =
            part.match(text, at, QRegularExpression::NormalMatch, QRegularExpression::AnchorAtOffsetMatchOption);
        if (!match.hasMatch() || match.capturedEnd() == at)
            return std::nullopt;
        const QString value = match.hasCaptured(2)
                                  ? match.captured(2).replace(QStringLiteral("}}"), QStringLiteral("}"))
                                  : match.captured(3).trimmed();
        pairs.append({match.captured(1).trimmed(), value});
        at = match.capturedEnd();
    }
    return pairs;
}

} // namespace

Outcome<ConnectionSettings> parseTestServer(const QString &text)
{
    const auto pairs = keyValues(text);
    const Error unreadable{kUnspecifiedError, QStringLiteral("VANT_TEST_SERVER is not \"Driver=...;Server=...;"
                                                             "Login=...;Password=...\": %1")
                                                  .arg(text)};
    if (!pairs)
        return unreadable;
    ConnectionSettings settings;
    for (const auto &[key, value] : *pairs) {
        if (key.compare(u"Driver", Qt::CaseInsensitive) == 0)
            settings.driver = value;
        else if (key.compare(u"Server", Qt::CaseInsensitive) == 0)
            settings.server = value;
        else if (key.compare(u"Login", Qt::CaseInsensitive) == 0)
            settings.login = value;
        else if (key.compare(u"Password", Qt::CaseInsensitive) == 0)
            settings.password = value;
        else
            return unreadable;
    }
    if (settings.driver.isEmpty() || settings.isEmbedded() || settings.server.isEmpty() || settings.login.isEmpty())
        return Error{kUnspecifiedError,
                     QStringLiteral("VANT_TEST_SERVER needs the ODBC driver, the server and the login: %1").arg(text)};
    return settings;
}

std::optional<ConnectionSettings> testServer()
{
    static const std::optional<ConnectionSettings> server = []() -> std::optional<ConnectionSettings> {
        const QString text = qEnvironmentVariable("VANT_TEST_SERVER").trimmed();
        if (text.isEmpty())
            return std::nullopt;
        const Outcome<ConnectionSettings> parsed = parseTestServer(text);
        if (!parsed)
            qFatal("%s", qPrintable(parsed.error().description));
        return *parsed;
    }();
    return server;
}

} // namespace vant::test
