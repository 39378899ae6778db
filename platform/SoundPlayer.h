#pragma once

#include <QString>

// Plays WAV files in the background.
class SoundPlayer {
public:
    virtual ~SoundPlayer() = default;

    // Returns at once; a new sound stops the one playing. A missing file gives the desktop's
    // alert sound instead.
    virtual void play(const QString& wavPath) = 0;
};
