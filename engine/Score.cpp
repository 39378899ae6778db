#include "Score.h"

#include <algorithm>
#include <limits>

QString scoreAfterEating(const QString& score, qint32 PointsPerFood)
{
    return QString::number(score.toLongLong() + PointsPerFood);
}

qint16 finalScore(const QString& score)
{
    const qint64 value = score.toLongLong();
    return static_cast<qint16>(std::clamp<qint64>(value, std::numeric_limits<qint16>::min(),
                                                  std::numeric_limits<qint16>::max()));
}
