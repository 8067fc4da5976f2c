#include "module/views/AverageNotesRow.h"

#include <algorithm>

namespace brisance {
namespace {

constexpr int kGap = 120;
constexpr int kAverageWidth = 3600;
// The notes panel's design width.
constexpr int kNotesMinimumWidth = 4500;

}  // namespace

AverageNotesRow LayOutAverageNotesRow(int left, int top, int width, bool showAverage, int averageHeight,
                                      bool showNotes, int notesHeight)
{
    AverageNotesRow row;
    int notesLeft = left;
    if (showAverage) {
        row.Average = QRect(left, top, kAverageWidth, averageHeight);
        notesLeft += kAverageWidth + kGap;
        row.Height = averageHeight;
        row.MinimumWidth = kAverageWidth + kGap;
    }
    if (showNotes) {
        row.Notes = QRect(notesLeft, top, std::max(0, left + width - notesLeft), notesHeight);
        row.Height = std::max(row.Height, notesHeight);
        row.MinimumWidth += kNotesMinimumWidth;
    }
    return row;
}

}  // namespace brisance
