#pragma once

#include "SoundPlayer.h"

#include <QHash>
#include <QObject>
#include <QPointer>

class QSoundEffect;

class QtSoundPlayer final : public QObject, public SoundPlayer {
public:
    explicit QtSoundPlayer(QObject* parent = nullptr);

    void play(const QString& wavPath) override;

private:
    // One effect per file, made at its first use, so that a sound is decoded only once.
    QHash<QString, QSoundEffect*> m_effects;
    QPointer<QSoundEffect> m_playing;
};
