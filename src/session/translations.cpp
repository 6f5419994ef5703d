#include "translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>

namespace vant {

namespace {

const QString kProgramFile = QStringLiteral("vantprocess");

bool install(QTranslator &translator, const QLocale &locale, const QString &file, const QString &folder)
{
    return translator.load(locale, file, QStringLiteral("_"), folder)
           && QCoreApplication::installTranslator(&translator);
}

} // namespace

Translations::Translations(const QLocale &locale, const QString &folder)
    : m_qtLoaded(install(m_qt, locale, QStringLiteral("qtbase"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))),
      m_programLoaded(install(m_program, locale, kProgramFile, folder))
{}

QString Translations::programFolder()
{
    const QDir programDir(QCoreApplication::applicationDirPath());
    const QString beside = programDir.filePath(QStringLiteral("translations"));
    if (QFileInfo(beside).isDir())
        return beside;
    return QDir::cleanPath(programDir.filePath(QStringLiteral("../share/vantprocess/translations")));
}

QStringList translateEach(const char *context, std::initializer_list<const char *> texts)
{
    QStringList translated;
    for (const char *text : texts)
        translated << QCoreApplication::translate(context, text);
    return translated;
}

} // namespace vant
