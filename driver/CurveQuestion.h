#pragma once
// The question "which AC curve?" that a whole-curve transfer with both air and
// sound-field values asks when ACCurveAsk is "YES". It never blocks the
// worker that asks:
//   1. the worker's first ask() posts the question to the status dialog and
//      returns nothing; the worker holds its transfer;
//   2. the user-interface thread shows the pick dialog and, when it ends,
//      stores the settings it changed and then the answer;
//   3. a later ask() returns the answer, and the next one asks anew.
// With no status dialog the preset answer comes at once. Release drops an
// open question; an answer that comes after that is ignored.

#include "driver/Settings.h"
#include "driver/StatusBoard.h"

#include <mutex>
#include <optional>

namespace marlet {

enum class CurveChoice { Air, SoundField };

// The answer OK gives without a change: sound field when the last choice was
// "Free Field Speakers".
CurveChoice presetChoice(const ModelSettings& audiometer);

class CurveQuestion {
public:
    // The worker's call: the answer when one has come, else none (the question
    // is posted when not yet asked). `preset` when there is no status dialog.
    std::optional<CurveChoice> ask(StatusBoard& board, CurveChoice preset);
    // The user-interface thread's answer.
    void answer(CurveChoice choice);
    void drop();

private:
    enum class State { Idle, Asked, Answered };

    std::mutex m_mutex;
    State m_state = State::Idle;
    CurveChoice m_choice = CurveChoice::Air;
};

}  // namespace marlet
