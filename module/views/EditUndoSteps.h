#pragma once
// The undo steps of the edits typed into a view's table cells and boxes. One
// edit of a cell arrives as an entry per keystroke, each of which changes the
// data; Undo must give back what the cell held before the edit, never a
// half-typed value, so only the edit's first change takes a step.

#include <QScopeGuard>

#include <functional>

namespace brisance {

class EditUndoSteps {
public:
    // Another cell or box is being edited, or the data was shown afresh
    // (loaded, or given back by Undo): the next change takes a step again.
    void EditBegins() { m_stepTaken = false; }

    // Runs one entry of the edit under way.
    void Entry(const std::function<void()>& entry)
    {
        m_inEntry = true;
        const auto done = qScopeGuard([this] { m_inEntry = false; });
        entry();
    }

    // Whether a change about to be made takes an undo step: the first change
    // of an edit does, and so does every change that is no entry of an edit
    // (which also ends the edit's step, so that its next keystroke takes one).
    bool TakesStep()
    {
        if (m_inEntry && m_stepTaken)
            return false;
        m_stepTaken = m_inEntry;
        return true;
    }

private:
    bool m_inEntry = false;
    bool m_stepTaken = false;
};

}  // namespace brisance
