#include "sqlite_text_rules.h"

#include <QList>
#include <QString>

#include <sqlite3.h>

#include <optional>

namespace vant {

namespace {

// The text's characters, each folded as a search without regard to case folds it.
QList<char32_t> folded(sqlite3_value *value)
{
    const auto *utf8 = reinterpret_cast<const char *>(sqlite3_value_text(value));
    QList<char32_t> characters;
    for (const char32_t c : QString::fromUtf8(utf8, sqlite3_value_bytes(value)).toUcs4())
        characters << QChar::toCaseFolded(c);
    return characters;
}

// Whether the text matches the pattern: % any run of characters, _ any one, the escape
// character makes the next one stand for itself.
bool matches(const QList<char32_t> &pattern, const QList<char32_t> &text, std::optional<char32_t> escape)
{
    qsizetype p = 0, t = 0;
    // Where to resume after the last %: its pattern position and the text it has taken so far.
    qsizetype starP = -1, starT = 0;
    while (t < text.size()) {
        if (p < pattern.size() && pattern.at(p) == U'%') {
            starP = ++p;
            starT = t;
            continue;
        }
        if (p < pattern.size()) {
            const bool escaped = escape && pattern.at(p) == *escape && p + 1 < pattern.size();
            const char32_t wanted = pattern.at(escaped ? p + 1 : p);
            if ((!escaped && wanted == U'_') || wanted == text.at(t)) {
                p += escaped ? 2 : 1;
                ++t;
                continue;
            }
        }
        if (starP < 0)
            return false;
        p = starP;
        t = ++starT;
    }
    while (p < pattern.size() && pattern.at(p) == U'%')
        ++p;
    return p == pattern.size();
}

// like(pattern, text[, escape]), as "text LIKE pattern [ESCAPE escape]" calls it.
void like(sqlite3_context *context, int argc, sqlite3_value **argv)
{
    for (int i = 0; i < argc; ++i) {
        if (sqlite3_value_type(argv[i]) == SQLITE_NULL) {
            sqlite3_result_null(context);
            return;
        }
    }
    std::optional<char32_t> escape;
    if (argc == 3) {
        const QList<char32_t> escapeText = folded(argv[2]);
        if (escapeText.size() != 1) {
            sqlite3_result_error(context, "ESCAPE expression must be a single character", -1);
            return;
        }
        escape = escapeText.first();
    }
    sqlite3_result_int(context, matches(folded(argv[0]), folded(argv[1]), escape) ? 1 : 0);
}

// Two texts in UTF-16 of the machine's byte order, compared as QString compares them.
int compareIgnoringCase(void *, int leftBytes, const void *left, int rightBytes, const void *right)
{
    const QStringView a(static_cast<const QChar *>(left), leftBytes / 2);
    const QStringView b(static_cast<const QChar *>(right), rightBytes / 2);
    return a.compare(b, Qt::CaseInsensitive);
}

} // namespace

int registerTextRules(sqlite3 *db)
{
    for (const int arguments : {2, 3}) {
        const int result = sqlite3_create_function_v2(db, "like", arguments, SQLITE_UTF8 | SQLITE_DETERMINISTIC,
                                                      nullptr, like, nullptr, nullptr, nullptr);
        if (result != SQLITE_OK)
            return result;
    }
    return sqlite3_create_collation_v2(db, kProgramCollation, SQLITE_UTF16_ALIGNED, nullptr, compareIgnoringCase,
                                       nullptr);
}

} // namespace vant
