#pragma once
// The two instruments' ports and the record reader's buffers. The port check
// fills them at connect; the record reader (ReadAudiMeas, on the link's worker
// thread) reads the active slots into the buffers; release empties them.

#include "driver/LastError.h"
#include "driver/RecordRing.h"
#include "driver/SerialPort.h"
#include "driver/Settings.h"

#include <cstddef>
#include <memory>

namespace marlet {

struct PortSlot {
    SerialPort port;
    ModelIndex model = ModelNone;  // the instrument whose settings configured the port
    bool active = false;           // configured by the port check; only active slots are read
};

// The reader's three buffers, allocated at each port check and freed at
// release: a ':' record (start, type, the longest body, a 0 byte, CR LF), a
// '|' record (up to 458 bytes and a 0 byte) and the last command line sent.
class RecordBuffers {
public:
    static constexpr std::size_t kAudiometerSize = 2 + 1834 + 1 + 2;
    static constexpr std::size_t kTympanometerSize = 458 + 1;
    static constexpr std::size_t kCommandSize = 9;

    // Zero-filled buffers; false, with none kept, when one could not be had.
    bool allocate(ZeroedAllocator allocate);
    void free();
    bool allocated() const { return m_audiometer != nullptr; }

    char* audiometer() { return m_audiometer.get(); }
    char* tympanometer() { return m_tympanometer.get(); }
    char* command() { return m_command.get(); }

private:
    struct Free {
        void operator()(char* buffer) const;
    };
    using Buffer = std::unique_ptr<char, Free>;

    Buffer m_audiometer;
    Buffer m_tympanometer;
    Buffer m_command;
};

struct PortSlots {
    PortSlot audiometer;    // port A
    PortSlot tympanometer;  // port B
    RecordBuffers buffers;

    // Closes the ports, clears the active flags and frees the buffers.
    void release();
};

// The port check: clears the last error and both active flags, allocates the
// buffers, then validates the selected instruments' settings and opens and
// configures their ports, which stay open in the slots (each purged after its
// open). Returns 0, or the serial code it recorded as the last error:
// 28 no memory; 7 no such port record, one port for both instruments, or a
// port that cannot be opened or configured; 9 baud, 10 data bits and parity,
// 13 flow, 12 stop bits, 22 address, 17 interrupt, 5 sub-port or card segment.
// On failure the slots are released.
int checkPorts(const SettingsValues& values, PortSlots& slots, LastError& lastError,
               ZeroedAllocator allocate = zeroedAllocation);

}  // namespace marlet
