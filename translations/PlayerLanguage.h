#pragma once

#include <QLocale>
#include <QStringList>
#include <QTranslator>

#include <functional>

// The player's language for the game's texts and for Qt's own (the standard buttons, the file
// dialog, the command line parser), for as long as it lives. It needs the Qt application to exist.
// Nothing is loaded in the C locale, for a player who reads English before any language the game
// has a catalogue for, or for one whose languages it has none for: the texts are then the game's
// own English.
class PlayerLanguage {
public:
    explicit PlayerLanguage(const QLocale& locale = QLocale::system());
    PlayerLanguage(const PlayerLanguage&) = delete;
    PlayerLanguage& operator=(const PlayerLanguage&) = delete;

    // The catalogue loaded, as "de" or "pt_BR"; "" when none was.
    QString language() const { return m_game.language(); }

private:
    QTranslator m_game;
    QTranslator m_qt;
};

// The languages to look for a catalogue of, best first, from a locale's language and its
// languages for texts: those before the first that is English, which the game speaks without
// one, and none in the C locale, whatever the list.
QStringList wantedLanguages(QLocale::Language language, const QStringList& uiLanguages);

// The languages the game comes with catalogues for, as "de" or "pt_BR".
QStringList shippedLanguages();

// Runs `answer` in a Qt application of its own, in the player's language: for what a program
// prints before it has an application, such as its answer to a command line.
void inPlayerLanguage(const std::function<void()>& answer);
