#pragma once
// The captions of the document's menus and the tool tips of its toolbar, in
// the language of a text loader. The arrays' elements (profiles, past actions,
// tests, instruments, languages) and the Audiometer menu keep what their own
// routines give them; the Help menu reads "&Help" in every language.

#include <cstdint>

namespace brisance {

class CLangLoader;
class KeyedToolBar;
struct DocumentMenus;

// The graph-mode item names the mode that it switches to: the single graph
// while the pure-tone view's mode is 1, the separate graphs otherwise.
void LoadMenuCaptions(DocumentMenus& menus, const CLangLoader& texts, std::int32_t pureToneMode);

// The zoom buttons' tips name the position of the chart that each shows: with
// the right ear on the left, "ZoomLeft" shows the chart placed on the right.
void LoadToolTips(KeyedToolBar& toolbar, const CLangLoader& texts, bool rightOnLeft);

}  // namespace brisance
