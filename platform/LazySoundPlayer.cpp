#include "LazySoundPlayer.h"

#include <QApplication>
#include <QFileInfo>
#include <QLibrary>
#include <QTimer>

LazySoundPlayer::LazySoundPlayer(QString programFolder)
    : m_modulePath(std::move(programFolder) + QStringLiteral("/kriel-sound.so"))
{}

LazySoundPlayer::~LazySoundPlayer() = default;

void LazySoundPlayer::play(const QString& wavPath)
{
    if (SoundPlayer* sounds = player())
        sounds->play(wavPath);
    else if (!QFileInfo(wavPath).isFile())
        QApplication::beep();
}

void LazySoundPlayer::prepare(const QStringList& wavPaths)
{
    QTimer::singleShot(0, this, [this, wavPaths] {
        if (SoundPlayer* sounds = player())
            sounds->prepare(wavPaths);
    });
}

SoundPlayer* LazySoundPlayer::player()
{
    if (m_tried)
        return m_player.get();
    m_tried = true;
    m_module = std::make_unique<QLibrary>(m_modulePath);
    using Make = SoundPlayer* (*)();
    if (const auto make = reinterpret_cast<Make>(m_module->resolve("krielSoundPlayer")))
        m_player.reset(make());
    return m_player.get();
}
