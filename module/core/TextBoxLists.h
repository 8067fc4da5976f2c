#pragma once
// A row of text boxes holding one comma-separated list, a value per box.

#include <string>
#include <vector>

class QLineEdit;

namespace brisance {

// The boxes' texts in order, joined by ","; null entries (no box at an index)
// are passed over.
std::string JoinTextBoxes(const std::vector<QLineEdit*>& txtBoxes);

// Piece i of the text, split at ",", into box i. An empty text fills nothing;
// pieces beyond the last box are left out, so that a "," typed into a value
// never stops a page from opening. A null entry within the pieces raises 340
// after the boxes before it are filled.
void FillTextBoxes(const std::vector<QLineEdit*>& txtBoxes, const std::string& strText);

}  // namespace brisance
