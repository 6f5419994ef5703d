#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>
#include <QTranslator>

#include <initializer_list>

namespace vant {

// The program's words in the user's language, for as long as the object lives: Qt's own
// translations (qtbase_<language>.qm from Qt's folder) and the program's
// (vantprocess_<language>.qm from the given folder). A language without a translation leaves
// the texts as written. Only what a person reads is translated; the log and the run journal
// keep the program's own words.
class Translations
{
public:
    Translations(const QLocale &locale, const QString &folder);
    Translations(const Translations &) = delete;
    Translations &operator=(const Translations &) = delete;

    bool programTranslated() const { return m_programLoaded; }
    bool qtTranslated() const { return m_qtLoaded; }

    // The folder of the running program's translations: beside the program in a build tree,
    // share/vantprocess/translations beside its bin folder when installed.
    static QString programFolder();

private:
    QTranslator m_qt;
    QTranslator m_program;
    bool m_qtLoaded = false;
    bool m_programLoaded = false;
};

// Each text in the user's language: texts marked with QT_TRANSLATE_NOOP in that context.
QStringList translateEach(const char *context, std::initializer_list<const char *> texts);

} // namespace vant
