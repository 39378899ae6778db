#include "QtSoundPlayer.h"

#include <QApplication>
#include <QFileInfo>
#include <QSoundEffect>
#include <QUrl>

QtSoundPlayer::QtSoundPlayer(QObject* parent)
    : QObject(parent)
{}

void QtSoundPlayer::play(const QString& wavPath)
{
    if (m_playing)
        m_playing->stop();

    if (!QFileInfo(wavPath).isFile()) {
        QApplication::beep();
        return;
    }

    QSoundEffect*& effect = m_effects[wavPath];
    if (!effect) {
        effect = new QSoundEffect(this);
        effect->setSource(QUrl::fromLocalFile(wavPath));
    }
    // A sound still loading starts by itself once it is ready.
    effect->play();
    m_playing = effect;
}
