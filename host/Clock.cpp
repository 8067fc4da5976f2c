#include "host/Clock.h"

#include <chrono>
#include <ctime>

namespace host {

Date now()
{
    using namespace std::chrono;
    const auto moment = system_clock::now();
    const std::time_t seconds = system_clock::to_time_t(moment);
    std::tm local{};
    localtime_r(&seconds, &local);
    const auto sinceEpoch = duration<double, days::period>(moment.time_since_epoch() + std::chrono::seconds(local.tm_gmtoff));
    constexpr double kDaysFrom1899To1970 = 25569.0;
    return sinceEpoch.count() + kDaysFrom1899To1970;
}

}  // namespace host
