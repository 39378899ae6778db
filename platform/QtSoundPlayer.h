#pragma once

#include "SoundPlayer.h"

#include <QHash>
#include <QObject>
#include <QPointer>

class QSoundEffect;

// Plays through Qt Multimedia. Built into the sound module (LazySoundPlayer.h), which the game
// loads only when it first needs a sound.
class QtSoundPlayer final : public QObject, public SoundPlayer {
public:
    void play(const QString& wavPath) override;
    void prepare(const QStringList& wavPaths) override;

private:
    // One effect per file, made at its first use, so that a sound is decoded only once.
    QSoundEffect* effect(const QString& wavPath);

    QHash<QString, QSoundEffect*> m_effects;
    QPointer<QSoundEffect> m_playing;
};
