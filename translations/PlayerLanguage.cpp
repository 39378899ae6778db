#include "PlayerLanguage.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>

namespace {

// Where qt_add_translations puts the catalogues it builds into the program.
const QString Catalogues = QStringLiteral(":/i18n");

}  // namespace

QStringList wantedLanguages(QLocale::Language language, const QStringList& uiLanguages)
{
    QStringList wanted;
    if (language == QLocale::C)
        return wanted;
    for (const QString& name : uiLanguages) {
        const QLocale::Language each = QLocale(name).language();
        if (each == QLocale::English || each == QLocale::C)
            break;
        wanted.append(name);
    }
    return wanted;
}

PlayerLanguage::PlayerLanguage(const QLocale& locale)
{
    for (const QString& name : wantedLanguages(locale.language(), locale.uiLanguages()))
        if (m_game.load(QLocale(name), QStringLiteral("kriel"), QStringLiteral("_"), Catalogues))
            break;
    if (m_game.isEmpty())
        return;
    QCoreApplication::installTranslator(&m_game);
    // Qt's catalogue of the same language, where the system has one.
    if (m_qt.load(QLocale(m_game.language()), QStringLiteral("qtbase"), QStringLiteral("_"),
                  QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&m_qt);
}

QStringList shippedLanguages()
{
    QStringList languages;
    for (const QString& file : QDir(Catalogues).entryList({QStringLiteral("kriel_*.qm")}))
        languages.append(file.mid(6).chopped(3));
    return languages;
}

void inPlayerLanguage(const std::function<void()>& answer)
{
    int count = 1;
    char name[] = "kriel";
    char* arguments[] = {name, nullptr};
    const QCoreApplication application(count, arguments);
    const PlayerLanguage language;
    answer();
}
