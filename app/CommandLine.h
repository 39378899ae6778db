#pragma once

#include <QString>
#include <QStringList>

class QCommandLineParser;

// What the command line asks of the game, before any window is thought of.
enum class StartRequest { Play, Version, Help, InstallSkin, Refused };

struct GameCommandLine {
    StartRequest request = StartRequest::Play;
    // For Refused: what is wrong, as the line after "kriel: ".
    QString refusal;
    // For InstallSkin: the archive or folder --install-skin names.
    QString skinSource;
    // Qt's own options as the parser read them, each as "-name" and then its value if it takes
    // one, for QApplication; what follows "--" is not among them.
    QStringList toolkitOptions;
    // The last values of -platform and -display, "" when not given.
    QString platform;
    QString display;
};

// `arguments` as main() has them, the program's name first. Positional arguments are ignored,
// as a launcher may pass some.
GameCommandLine readGameCommandLine(const QStringList& arguments);

// Both programs' -h/--help and -v/--version; a word after a single dash is one option, as Qt's
// own are, so "-hx" is an unknown option rather than -h and -x.
void addHelpAndVersion(QCommandLineParser& parser);
// Help or Version for whichever of the two came first, else Play.
StartRequest helpOrVersion(const QCommandLineParser& parser);

// Parses `arguments` and returns what the parser refuses, as the line after the program's name:
// "unknown option '--bogus'" with the option as it was typed, or the parser's own words; "" when
// it takes them all.
QString parseArguments(QCommandLineParser& parser, const QStringList& arguments);

QStringList argumentsOf(int argc, const char* const* argv);

QString versionText();
