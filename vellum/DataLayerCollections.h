#pragma once
// The collections of an audiogram's content: its pure-tone curves, speech
// curves and tympanograms. Each works on the content it is given, so it
// stays right when the content is replaced as a whole.

#include "vellum/AudiogramContent.h"
#include "vellum/IVellumDataLayer.h"

#include <memory>

namespace vellum {

ComPtr<IVellumPureToneCurves> makePureToneCurves(std::shared_ptr<AudiogramContent> content);
ComPtr<IVellumSpeechCurves> makeSpeechCurves(std::shared_ptr<AudiogramContent> content);
ComPtr<IVellumTympanograms> makeTympanograms(std::shared_ptr<AudiogramContent> content);

}  // namespace vellum
