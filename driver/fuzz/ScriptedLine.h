#pragma once
// What the scripted serial ports of the driver's fuzz target receive: each
// port's bytes in the chunks in which they arrive. A read hands out at most
// the rest of the chunk in front, as a real read returns with what has
// arrived; an empty chunk is a read, or a wait for input, that times out.
//
// ScriptedPort.cpp stands in for the driver's SerialPort: the port opened as
// "COM3" reads line A, every other port line B.

#include <cstdint>
#include <deque>
#include <string>

namespace marlet::fuzzing {

class ScriptedLine {
public:
    void arrive(std::string chunk) { m_chunks.push_back(std::move(chunk)); }
    bool empty() const { return m_chunks.empty(); }
    void clear() { m_chunks.clear(); }

    // Up to count bytes of the chunk in front; 0 for a time-out or when nothing is left.
    int read(char* buffer, int count);
    // Whether bytes of the chunk in front wait to be read.
    bool hasInput() const { return !m_chunks.empty() && m_taken < m_chunks.front().size(); }
    // A wait for input that nothing ended: a time-out in front passes with it.
    void waited();
    // Drops what has arrived and not been read: the rest of the chunk in front.
    void purge();

private:
    std::deque<std::string> m_chunks;
    std::size_t m_taken = 0;  // of the chunk in front
};

inline constexpr const char* kLineAPort = "COM3";
inline constexpr const char* kLineBPort = "COM4";

ScriptedLine& lineA();
ScriptedLine& lineB();

}  // namespace marlet::fuzzing
