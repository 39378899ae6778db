#pragma once

#include <QString>

// The score is the text of the score label: decimal digits, "0" at the start of a game.

QString scoreAfterEating(const QString& score, qint32 PointsPerFood);

// The score as the game-over dialog takes it: a 16-bit integer, held at 32767 above that.
qint16 finalScore(const QString& score);
