#pragma once

#include "SoundPlayer.h"

#include <QObject>

#include <memory>

class QLibrary;

// Qt Multimedia and the sound system it starts would cost every start of the game time and
// memory, although a game may end before its first sound: they stay in a module of their own
// (kriel-sound.so beside the program), loaded at the first prepare() or play(). Without the
// module the game plays on silent, but for the alert sound of a missing file.
class LazySoundPlayer final : public QObject, public SoundPlayer {
public:
    explicit LazySoundPlayer(QString programFolder);
    ~LazySoundPlayer() override;

    void play(const QString& wavPath) override;
    // Loads the module once the event loop is free again, after what it is drawing now.
    void prepare(const QStringList& wavPaths) override;

private:
    SoundPlayer* player();

    QString m_modulePath;
    bool m_tried = false;
    std::unique_ptr<QLibrary> m_module;  // never unloaded: the sound system's threads live on
    std::unique_ptr<SoundPlayer> m_player;
};
