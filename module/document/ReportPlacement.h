#pragma once
// Where the document puts its printed report on a printer's page: 1.6 cm
// from the paper's left and top edges, measured from the printable area's
// corner that the printer's drawing starts at, and a fixed report size.

namespace brisance {

// In centimetres from the printable area's corner. W and H are what the
// report is given as its width and height: X + 17.0 and Y + 22.4.
struct ReportPlacement {
    float X = 0;
    float Y = 0;
    float W = 0;
    float H = 0;
};

// The placement for a printer whose unprintable margins are the physical
// offsets (device pixels) at its resolutions (dots per inch). A margin wider
// than 1.6 cm puts the report at the printable area's edge (0); a resolution
// of 0 or less counts as no margin at all.
ReportPlacement PlaceReportOnPage(int physicalOffsetX, int dotsPerInchX, int physicalOffsetY, int dotsPerInchY);

}  // namespace brisance
