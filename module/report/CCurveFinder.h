#pragma once
// Which measured speech value stands for a quantity in one ear of the
// printed speech table: each question tries a list of speech curve types in
// a fixed order, and the first curve that exists answers with its first
// point. Reads the audiogram only.

#include "vellum/IVellumDataLayer.h"

#include <cstdint>
#include <span>

namespace brisance {

class CCurveFinder {
public:
    using SpeechPoint = vellum::ComPtr<vellum::IVellumSpeechPoint>;

    // Each gives true and the point when a curve of its list exists in the
    // ear (2 right, 3 left, 4 binaural) and holds a point. Point is left as
    // it was when nothing was found, and also when the first curve found is
    // empty: the search stops at that curve.
    //
    // Speech reception threshold, else awareness, else detection threshold.
    bool GetSRTPoint(vellum::IVellumDataLayer& oData, std::int32_t Ear, SpeechPoint& Point) const;
    bool GetMCLPoint(vellum::IVellumDataLayer& oData, std::int32_t Ear, SpeechPoint& Point) const;
    bool GetUCLPoint(vellum::IVellumDataLayer& oData, std::int32_t Ear, SpeechPoint& Point) const;
    bool GetWordRecognitionPoint(vellum::IVellumDataLayer& oData, std::int32_t Ear, SpeechPoint& Point) const;
    bool GetWordRecognitionWithNoisePoint(vellum::IVellumDataLayer& oData, std::int32_t Ear,
                                          SpeechPoint& Point) const;

private:
    static bool FindFirstSpeechPoint(vellum::IVellumDataLayer& oData, std::span<const std::int32_t> curveTypes,
                                     std::int32_t Ear, SpeechPoint& Point);
};

}  // namespace brisance
