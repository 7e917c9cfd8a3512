#include "platform/system.h"

#include <cstring>

QString SystemErrorText(int code)
{
    return QString::fromLocal8Bit(std::strerror(code)).left(511);
}
