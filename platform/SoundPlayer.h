#pragma once

#include <QString>
#include <QStringList>

// Plays WAV files in the background.
class SoundPlayer {
public:
    virtual ~SoundPlayer() = default;

    // Returns at once; a new sound stops the one playing. A missing file gives the desktop's
    // alert sound instead.
    virtual void play(const QString& wavPath) = 0;
    // Gets ready, soon and without holding up what is on screen, to play these at once when
    // asked: nothing the player hears waits for the sound system to start.
    virtual void prepare(const QStringList& wavPaths) = 0;
};
