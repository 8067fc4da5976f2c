#pragma once
// Captions that the pure-tone and speech views give the panels they share,
// from the view's text loader (empty texts without one).

namespace brisance {

class CLangLoader;
class CurvePalette;
class IPTATable;

// The palette's add-test caption and the captions of its menu.
void LoadPaletteCaptions(CurvePalette& palette, const CLangLoader* loader);

// The average panel's title, ear headings, frequency word and menu item.
void LoadAverageCaptions(IPTATable& average, const CLangLoader* loader);

}  // namespace brisance
