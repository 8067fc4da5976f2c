#include "platform/serial/TermiosSettings.h"

#include <algorithm>
#include <optional>

namespace platform::serial {

namespace {

struct BaudRate {
    int rate;
    speed_t speed;
};

constexpr BaudRate kBaudRates[] = {
    {300, B300},     {600, B600},     {1200, B1200},   {1800, B1800},   {2400, B2400},   {4800, B4800},
    {9600, B9600},   {19200, B19200}, {38400, B38400}, {57600, B57600}, {115200, B115200},
};

struct DataBits {
    int bits;
    tcflag_t flag;
};

constexpr DataBits kDataBits[] = {{5, CS5}, {6, CS6}, {7, CS7}, {8, CS8}};

struct ParityFlags {
    Parity parity;
    tcflag_t flags;
};

constexpr tcflag_t kParityMask = PARENB | PARODD | CMSPAR;

constexpr ParityFlags kParities[] = {
    {Parity::None, 0},
    {Parity::Odd, PARENB | PARODD},
    {Parity::Even, PARENB},
    {Parity::Mark, PARENB | PARODD | CMSPAR},
    {Parity::Space, PARENB | CMSPAR},
};

template <typename Entry, std::size_t size, typename Matches>
std::optional<Entry> findIn(const Entry (&table)[size], Matches matches)
{
    const Entry* found = std::find_if(std::begin(table), std::end(table), matches);
    return found == std::end(table) ? std::nullopt : std::optional<Entry>(*found);
}

}  // namespace

bool applyLineSettings(const LineSettings& settings, termios& line)
{
    const auto baud = findIn(kBaudRates, [&](const BaudRate& entry) { return entry.rate == settings.baudRate; });
    const auto bits = findIn(kDataBits, [&](const DataBits& entry) { return entry.bits == settings.dataBits; });
    const auto parity = findIn(kParities, [&](const ParityFlags& entry) { return entry.parity == settings.parity; });
    if (!baud || !bits || !parity || (settings.stopBits != StopBits::One && settings.stopBits != StopBits::Two))
        return false;
    ::cfsetispeed(&line, baud->speed);
    ::cfsetospeed(&line, baud->speed);
    line.c_cflag &= ~(CSIZE | kParityMask | CSTOPB);
    line.c_cflag |= bits->flag | parity->flags | (settings.stopBits == StopBits::Two ? CSTOPB : 0);
    // Received bytes with parity errors are passed on as they come, never marked or dropped.
    line.c_iflag &= ~(INPCK | PARMRK | IGNPAR);
    return true;
}

LineSettings lineSettingsOf(const termios& line)
{
    LineSettings settings;
    const speed_t speed = ::cfgetospeed(&line);
    if (const auto baud = findIn(kBaudRates, [&](const BaudRate& entry) { return entry.speed == speed; }))
        settings.baudRate = baud->rate;
    const tcflag_t size = line.c_cflag & CSIZE;
    if (const auto bits = findIn(kDataBits, [&](const DataBits& entry) { return entry.flag == size; }))
        settings.dataBits = bits->bits;
    const tcflag_t parityFlags = line.c_cflag & kParityMask;
    if (const auto parity = findIn(kParities, [&](const ParityFlags& entry) { return entry.flags == parityFlags; }))
        settings.parity = parity->parity;
    settings.stopBits = (line.c_cflag & CSTOPB) ? StopBits::Two : StopBits::One;
    return settings;
}

}  // namespace platform::serial
