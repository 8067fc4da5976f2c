#include "driver/CurveQuestion.h"

#include "driver/CCurvesDialog.h"

namespace marlet {

CurveChoice presetChoice(const ModelSettings& audiometer)
{
    return audiometer.acCurveLast == "Free Field Speakers" ? CurveChoice::SoundField : CurveChoice::Air;
}

std::optional<CurveChoice> CurveQuestion::ask(StatusBoard& board, CurveChoice preset)
{
    {
        const std::lock_guard lock(m_mutex);
        if (m_state == State::Answered) {
            m_state = State::Idle;
            return m_choice;
        }
        if (m_state == State::Asked)
            return std::nullopt;
        m_state = State::Asked;
    }
    // Posted outside the lock: the user-interface thread may answer at once.
    if (board.post([this](CCurvesDialog& dialog) { dialog.askPickCurve(*this); }))
        return std::nullopt;
    const std::lock_guard lock(m_mutex);
    m_state = State::Idle;
    return preset;
}

void CurveQuestion::answer(CurveChoice choice)
{
    const std::lock_guard lock(m_mutex);
    if (m_state == State::Asked) {
        m_state = State::Answered;
        m_choice = choice;
    }
}

void CurveQuestion::drop()
{
    const std::lock_guard lock(m_mutex);
    m_state = State::Idle;
}

}  // namespace marlet
