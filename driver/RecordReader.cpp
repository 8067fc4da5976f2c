#include "driver/RecordReader.h"

#include "driver/AudiometerParsers.h"
#include "driver/CommandSender.h"
#include "driver/DriverLibrary.h"
#include "driver/RecordFraming.h"
#include "driver/TextIds.h"
#include "driver/TympanometerParsers.h"

#include <chrono>
#include <string_view>
#include <thread>
#include <utility>

namespace marlet {

namespace {

using Clock = std::chrono::steady_clock;
using std::chrono::milliseconds;


// The hunt for a start character ends after five empty reads in a row, or
// when the line chatters on without one.
constexpr int kHuntEmptyReads = 5;
constexpr milliseconds kHuntEmptyPause{100};
constexpr milliseconds kHuntLimit{1000};
constexpr int kHuntByteLimit = 4000;
// How long a call waits for the first byte from its instruments: as long as
// an idle line's empty reads pause, so that a call with nothing to read still
// returns and its caller sees its own requests.
constexpr milliseconds kInstrumentsWait = kHuntEmptyReads * kHuntEmptyPause;

constexpr int kTypeRetries = 3;
constexpr milliseconds kTypePause{10};
constexpr milliseconds kLongBodyPause{500};
constexpr std::size_t kLongBody = 1000;
constexpr milliseconds kRestPause{10};

// A '|' record: at most 458 bytes up to its LF, and at most 3 s of silence inside.
constexpr std::size_t kTympanometerRecordLimit = 458;
constexpr milliseconds kLineIdleLimit{3000};

bool validType(char type)
{
    return (type >= '1' && type <= '8') || (type >= 'x' && type <= 'z');
}

bool acknowledged(char type)
{
    return type >= 'x' && type <= 'z';
}

ParseContext contextOf(DriverLibrary& library)
{
    const SettingsValues values = library.settings().values();
    ParseContext context;
    context.audiometer = values.audiometer();
    context.settings = values.models[context.audiometer];
    context.acCurve = library.acCurve();
    context.cursorNext = library.cursorNext();
    context.pickCurve = [&library] { return library.pickCurve(); };
    return context;
}

// One ReadAudiMeas's work on the two ports.
class Run {
public:
    Run(DriverLibrary& library, std::deque<PendingCurve>& pending)
        : m_library(library), m_ports(library.ports()), m_error(library.lastError()), m_pending(pending)
    {
    }

    void readPort(PortSlot& slot);
    // Records, shows and pushes what a parser gave, and sends its command.
    // True when it showed the parser's error.
    bool apply(const ParseResult& result, ModelIndex origin);

private:
    bool isAudiometer(const PortSlot& slot) const { return &slot == &m_ports.audiometer; }
    // The port read along with this one, when it is read at all.
    const SerialPort* otherPort(const PortSlot& slot) const;

    std::optional<char> hunt(PortSlot& slot);
    bool awaitFirstByte(PortSlot& slot);
    char readType(PortSlot& slot);
    void readAudiometerRecord(PortSlot& slot, char type);
    void readTympanometerRecord(PortSlot& slot, char type);
    int readSome(PortSlot& slot, char* buffer, std::size_t count);
    // Records and shows a protocol error, purges the port read and asks for
    // the record again: the audiometer by its command, the tympanometer by its own.
    void fail(PortSlot& slot, int error, PortSlot& instrument, char command);

    DriverLibrary& m_library;
    PortSlots& m_ports;
    LastError& m_error;
    std::deque<PendingCurve>& m_pending;
    // Set once this call has heard from an instrument or waited for both.
    bool m_instrumentsHeard = false;
};

const SerialPort* Run::otherPort(const PortSlot& slot) const
{
    const PortSlot& other = isAudiometer(slot) ? m_ports.tympanometer : m_ports.audiometer;
    return other.active && other.port.isOpen() ? &other.port : nullptr;
}

void Run::readPort(PortSlot& slot)
{
    if (!slot.active)
        return;
    // A port whose line has gone while connected (an adapter pulled, the
    // instrument's end hung up) is closed, and from then on reported as any
    // port that is not open.
    if (slot.port.lineGone())
        slot.port.close();
    if (!slot.port.isOpen()) {
        m_error.recordSerialError(ErrorPortNotActive);
        m_library.showStatus(m_error.text());
        return;
    }
    const std::optional<char> start = hunt(slot);
    if (!start)
        return;
    m_library.showStatus(m_library.texts().text(TextReadingMessage));
    const char type = readType(slot);
    if (!validType(type)) {
        fail(slot, ErrorInvalidRecordType, slot, isAudiometer(slot) ? '0' : type);
        return;
    }
    if (*start == ':')
        readAudiometerRecord(slot, type);
    else
        readTympanometerRecord(slot, type);
}

// The start character, or none. Stray printable characters, or a line that
// never stops sending, end it with a resend request. A line that has sent
// nothing printable gives way as soon as the other port has bytes waiting.
std::optional<char> Run::hunt(PortSlot& slot)
{
    const Clock::time_point began = Clock::now();
    int emptyReads = 0;
    int received = 0;
    bool strays = false;
    while (emptyReads < kHuntEmptyReads) {
        if (received == 0 && !slot.port.hasInput() && !awaitFirstByte(slot))
            return std::nullopt;
        char c = 0;
        if (slot.port.read(&c, 1) != 1) {
            ++emptyReads;
            // Strays are answered once their line falls silent, whatever the other port does.
            const SerialPort* other = strays ? nullptr : otherPort(slot);
            slot.port.waitForInput(kHuntEmptyPause, other);
            if (other && !slot.port.hasInput() && other->hasInput())
                return std::nullopt;
            continue;
        }
        m_instrumentsHeard = true;
        emptyReads = 0;
        if (c == ':' || c == '|')
            return c;
        strays = strays || (c >= 0x20 && c <= 0x7E);
        if (++received >= kHuntByteLimit || Clock::now() - began >= kHuntLimit) {
            strays = true;
            break;
        }
    }
    if (strays)
        fail(slot, ErrorLostCharacters, slot, '0');
    return std::nullopt;
}

// For a port that has sent nothing yet in this call. The call waits for its
// instruments once, on both ports at once; afterwards, or once one of them
// has been heard, a port with nothing waiting is idle.
bool Run::awaitFirstByte(PortSlot& slot)
{
    if (m_instrumentsHeard)
        return false;
    m_instrumentsHeard = true;
    slot.port.waitForInput(kInstrumentsWait, otherPort(slot));
    return slot.port.hasInput();
}

char Run::readType(PortSlot& slot)
{
    char type = 0;
    for (int attempt = 0; attempt <= kTypeRetries; ++attempt) {
        if (attempt > 0)
            std::this_thread::sleep_for(kTypePause);
        if (slot.port.read(&type, 1) == 1)
            return type;
    }
    return 0;
}

int Run::readSome(PortSlot& slot, char* buffer, std::size_t count)
{
    return count == 0 ? 0 : slot.port.read(buffer, static_cast<int>(count));
}

void Run::readAudiometerRecord(PortSlot& slot, char type)
{
    const std::size_t length = *audiometerBodyLength(type);
    char* record = m_ports.buffers.audiometer();
    record[0] = ':';
    record[1] = type;
    if (type == 'z' || length > kLongBody)
        std::this_thread::sleep_for(kLongBodyPause);
    std::size_t got = static_cast<std::size_t>(readSome(slot, record + 2, length));
    if (got < length) {
        std::this_thread::sleep_for(kRestPause);
        got += static_cast<std::size_t>(readSome(slot, record + 2 + got, length - got));
    }
    if (got < length) {
        fail(slot, ErrorLostCharacters, m_ports.audiometer, type);
        return;
    }
    const std::size_t checksumAt = length;  // 2 + body - 2 checksum characters
    if (!checksumMatches(std::string_view(record, 2 + length), checksumAt, m_ports.audiometer.model == ModelDunmor)) {
        fail(slot, ErrorInvalidChecksum, m_ports.audiometer, type);
        return;
    }
    std::size_t end = 2 + length;
    record[end] = 0;
    for (int i = 0; i < 2; ++i) {
        if (slot.port.read(record + end + 1, 1) == 1)
            ++end;
    }

    const std::string_view bytes(record, 2 + length);
    ParseContext context = contextOf(m_library);
    const ParseResult result = parseAudiometerRecord(bytes, context);
    bool errorShown = false;
    if (result.curvePending)
        m_pending.push_back({std::string(bytes), std::move(context)});
    else
        errorShown = apply(result, slot.model);
    if (acknowledged(type) && result.error == 0)
        sendAudiometerCommand(m_ports.audiometer, '9', m_error);
    // The record's end empties the status text, unless its parsing has just
    // shown an error there: that stays until the next record is read.
    if (!errorShown)
        m_library.showStatus({});
}

void Run::readTympanometerRecord(PortSlot& slot, char type)
{
    char* record = m_ports.buffers.tympanometer();
    record[0] = '|';
    record[1] = type;
    std::size_t length = 2;
    Clock::time_point lastByte = Clock::now();
    while (record[length - 1] != '\n' && length < kTympanometerRecordLimit) {
        if (slot.port.read(record + length, 1) == 1) {
            ++length;
            lastByte = Clock::now();
            continue;
        }
        const auto idleLeft = std::chrono::ceil<milliseconds>(lastByte + kLineIdleLimit - Clock::now());
        if (idleLeft <= milliseconds(0))
            break;
        slot.port.waitForInput(idleLeft);
    }
    // A record counts only when it ends in CR LF: a full buffer or a silent
    // line without LF has lost characters.
    if (record[length - 1] != '\n' || length < 4 || record[length - 2] != '\r') {
        fail(slot, ErrorLostCharacters, m_ports.tympanometer, type);
        return;
    }
    const std::string_view bytes(record, length);
    if (!checksumMatches(bytes, length - 4, false)) {
        fail(slot, ErrorInvalidChecksum, m_ports.tympanometer, type);
        return;
    }
    sendTympanometerAcknowledgement(m_ports.tympanometer, m_error);
    record[length] = 0;
    if (!apply(parseTympanometerRecord(bytes), slot.model))
        m_library.showStatus({});
}

void Run::fail(PortSlot& slot, int error, PortSlot& instrument, char command)
{
    m_error.recordProtocolError(error);
    m_library.showStatus(m_error.text());
    slot.port.purge();
    if (isAudiometer(instrument))
        sendAudiometerCommand(instrument, command, m_error);
    else
        sendTympanometerCommand(instrument, command, m_error);
}

bool Run::apply(const ParseResult& result, ModelIndex origin)
{
    if (result.errorTable == ErrorTable::Serial)
        m_error.recordSerialError(result.error);
    else
        m_error.recordProtocolError(result.error);
    if (result.showError)
        m_library.showStatus(m_error.text());
    for (const ParsedPoint& point : result.points)
        m_library.pushPoint(point.typeWord, point.frequency, point.levelTenths);
    for (const DriverTestBlock& block : result.blocks)
        m_library.pushBlock(block, origin);
    if (result.cursorNext)
        m_library.setCursorNext(*result.cursorNext);
    if (result.setup) {
        m_library.settings().update([&setup = *result.setup](SettingsValues& values) {
            ModelSettings& audiometer = values.models[values.audiometer()];
            audiometer.boneVibratorCalibration = setup.boneVibratorCalibration;
            audiometer.insertPhoneType = setup.insertPhoneType;
        });
    }
    if (result.command) {
        std::this_thread::sleep_for(result.pause);
        sendAudiometerCommand(m_ports.audiometer, *result.command, m_error);
    }
    return result.showError;
}

}  // namespace

void RecordReader::read(DriverLibrary& library)
{
    if (!library.ports().buffers.allocated())
        return;
    Run run(library, m_pending);
    if (!m_pending.empty()) {
        PendingCurve& oldest = m_pending.front();
        oldest.context.pickCurve = [&library] { return library.pickCurve(); };
        const ParseResult result = parseAudiometerRecord(oldest.record, oldest.context);
        if (!result.curvePending) {
            run.apply(result, library.ports().audiometer.model);
            m_pending.pop_front();
        }
    }
    library.changeInstrumentType(0);
    run.readPort(library.ports().audiometer);
    library.changeInstrumentType(1);
    run.readPort(library.ports().tympanometer);
    library.changeInstrumentType(1);
}

}  // namespace marlet
