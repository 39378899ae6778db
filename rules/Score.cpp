#include "Score.h"

#include <algorithm>
#include <limits>

qint16 finalScore(qint64 score)
{
    return static_cast<qint16>(std::clamp<qint64>(score, std::numeric_limits<qint16>::min(),
                                                  std::numeric_limits<qint16>::max()));
}
