#include "sqlite_text_rules.h"

#include <QList>
#include <QString>

#include <sqlite3.h>

#include <algorithm>
#include <optional>
#include <string_view>

namespace vant {

namespace {

std::string_view utf8Text(sqlite3_value *value)
{
    return {reinterpret_cast<const char *>(sqlite3_value_text(value)), size_t(sqlite3_value_bytes(value))};
}

bool isAscii(std::string_view text)
{
    return std::all_of(text.begin(), text.end(), [](char c) { return (unsigned char)c < 0x80; });
}

// A to Z as QChar::toCaseFolded() folds them; every other ASCII character folds to itself.
char32_t foldedAscii(char c)
{
    return c >= 'A' && c <= 'Z' ? char32_t(c - 'A' + 'a') : char32_t(c);
}

// The text's characters, each folded as a search without regard to case folds it. Texts of
// ASCII alone, most of them, are folded without a detour through QString.
QList<char32_t> folded(sqlite3_value *value)
{
    const std::string_view utf8 = utf8Text(value);
    QList<char32_t> characters;
    characters.reserve(qsizetype(utf8.size()));
    if (isAscii(utf8)) {
        for (const char c : utf8)
            characters << foldedAscii(c);
        return characters;
    }
    for (const char32_t c : QString::fromUtf8(utf8.data(), qsizetype(utf8.size())).toUcs4())
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

// Two texts in UTF-8, compared as QString compares them without regard to case. While both
// hold ASCII the folded bytes decide, as they do for QString; from the first other character on
// (which may fold to an ASCII letter) QString compares the rest.
int compareIgnoringCase(void *, int leftBytes, const void *left, int rightBytes, const void *right)
{
    const std::string_view a(static_cast<const char *>(left), size_t(leftBytes));
    const std::string_view b(static_cast<const char *>(right), size_t(rightBytes));
    const size_t common = std::min(a.size(), b.size());
    size_t i = 0;
    for (; i < common && (unsigned char)a[i] < 0x80 && (unsigned char)b[i] < 0x80; ++i) {
        const char32_t x = foldedAscii(a[i]);
        const char32_t y = foldedAscii(b[i]);
        if (x != y)
            return x < y ? -1 : 1;
    }
    if (i == common)
        return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
    const QString restA = QString::fromUtf8(a.data() + i, qsizetype(a.size() - i));
    const QString restB = QString::fromUtf8(b.data() + i, qsizetype(b.size() - i));
    return restA.compare(restB, Qt::CaseInsensitive);
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
    return sqlite3_create_collation_v2(db, kProgramCollation, SQLITE_UTF8, nullptr, compareIgnoringCase, nullptr);
}

} // namespace vant
