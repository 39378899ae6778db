#include "QtSoundPlayer.h"

#include <QApplication>
#include <QFileInfo>
#include <QSoundEffect>
#include <QUrl>

void QtSoundPlayer::play(const QString& wavPath)
{
    if (m_playing)
        m_playing->stop();

    if (!QFileInfo(wavPath).isFile()) {
        QApplication::beep();
        return;
    }
    // A sound still loading starts by itself once it is ready.
    m_playing = effect(wavPath);
    m_playing->play();
}

void QtSoundPlayer::prepare(const QStringList& wavPaths)
{
    for (const QString& wavPath : wavPaths)
        if (QFileInfo(wavPath).isFile())
            effect(wavPath);
}

QSoundEffect* QtSoundPlayer::effect(const QString& wavPath)
{
    QSoundEffect*& effect = m_effects[wavPath];
    if (!effect) {
        effect = new QSoundEffect(this);
        effect->setSource(QUrl::fromLocalFile(wavPath));
    }
    return effect;
}

// What the game looks up in the module when it first needs a sound.
extern "C" Q_DECL_EXPORT SoundPlayer* krielSoundPlayer()
{
    return new QtSoundPlayer;
}
