#pragma once
// The objects through which callers reach one curve, its points and
// measurement, or one tympanogram of an audiogram's content.

#include "vellum/AudiogramContent.h"
#include "vellum/IVellumDataLayer.h"

#include <memory>

namespace vellum {

// A curve knows the content that holds it, to tell its position there.
ComPtr<IVellumPureToneCurve> wrapPureToneCurve(std::shared_ptr<const AudiogramContent> content,
                                               std::shared_ptr<PureToneCurve> curve);
ComPtr<IVellumSpeechCurve> wrapSpeechCurve(std::shared_ptr<const AudiogramContent> content,
                                           std::shared_ptr<SpeechCurve> curve);
ComPtr<IVellumTympanogram> wrapTympanogram(std::shared_ptr<Tympanogram> tympanogram);

}  // namespace vellum
