#include "PlayerLanguage.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>

namespace {

// Where qt_add_translations puts the catalogues it builds into the program.
const QString Catalogues = QStringLiteral(":/i18n");

}  // namespace

PlayerLanguage::PlayerLanguage(const QLocale& locale)
{
    if (locale.language() == QLocale::C)
        return;
    // The player's languages in their order: the first the game has a catalogue for wins, unless
    // English comes before it.
    for (const QString& name : locale.uiLanguages()) {
        const QLocale wanted(name);
        if (wanted.language() == QLocale::English || wanted.language() == QLocale::C)
            return;
        if (m_game.load(wanted, QStringLiteral("kriel"), QStringLiteral("_"), Catalogues))
            break;
    }
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
