#pragma once
// The bottom row of the pure-tone and speech views, in twips: the average
// panel at a fixed width on the left, the notes panel taking the rest.

#include <QRect>

namespace brisance {

struct AverageNotesRow {
    // Empty where the panel is not shown.
    QRect Average;
    QRect Notes;
    // The taller shown panel's height; 0 when neither shows.
    int Height = 0;
    // The narrowest the row may be for what it shows.
    int MinimumWidth = 0;
};

AverageNotesRow LayOutAverageNotesRow(int left, int top, int width, bool showAverage, int averageHeight,
                                      bool showNotes, int notesHeight);

}  // namespace brisance
