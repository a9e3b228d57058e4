#include "core/Random.h"

#include <QDateTime>
#include <QTime>

void TRandom::randomize()
{
    m_state = static_cast<uint32_t>(QDateTime::currentDateTimeUtc().time().msecsSinceStartOfDay());
}

TRandom& Random()
{
    static TRandom generator;
    return generator;
}
