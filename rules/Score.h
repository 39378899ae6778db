#pragma once

#include <QtGlobal>

// The score as the game-over dialog takes it: a 16-bit integer, held at 32767 above that.
qint16 finalScore(qint64 score);
