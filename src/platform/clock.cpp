#include "platform/clock.h"

#include <ctime>

namespace vt {

Date SystemClock::Today() const {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return Date(local.tm_year + 1900, static_cast<unsigned>(local.tm_mon + 1),
                static_cast<unsigned>(local.tm_mday));
}

}  // namespace vt
