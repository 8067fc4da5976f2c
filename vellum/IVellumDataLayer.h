#pragma once
// The audiogram data object `VellumDataLayer` as its callers see it: created
// by class id (kVellumDataLayerClsid) through the component-object layer,
// used through these interfaces only. Codes and units: VellumValues.h.
//
// Every member raises its failures as platform::runtime::RuntimeError: 5 for
// an argument or stored form that is not valid (with a text that says which),
// 13 for a value of the wrong type, 9 for a position outside a collection, 457
// for a key that is already there. A failing member changes nothing.
//
// Collections enumerate (get__NewEnum) over a snapshot of their members, as
// variants that hold the member objects: curves and tympanograms in the order
// they were added, points in the order of their keys.

#include "vellum/VellumValues.h"

#include "platform/com/ComPtr.h"
#include "platform/com/IUnknown.h"
#include "platform/com/VariantEnumerator.h"
#include "platform/runtime/Variant.h"

#include <cstdint>
#include <string>

namespace vellum {

using platform::com::ComPtr;
using platform::com::IEnumVARIANT;
using platform::com::IUnknown;
using platform::com::makeGuid;
using platform::runtime::Variant;

inline constexpr platform::com::CLSID kVellumDataLayerClsid = makeGuid("{5E60B768-067E-11D3-AD67-000000000000}");

// What a curve records: its keys (fixed when the curve is added) and the
// descriptions that captions show.
class IVellumMeasurement : public IUnknown {
public:
    static constexpr platform::com::IID iid = makeGuid("{01203FD3-B146-43C5-A28C-5A8420F3820A}");
    using Base = IUnknown;

    virtual std::int32_t get_Ear() = 0;
    virtual std::int32_t get_CurveType() = 0;
    virtual std::int32_t get_Condition() = 0;  // 2 unaided, 3 and 4 the first and second aided solution
    virtual std::int32_t get_WordList() = 0;
    virtual std::string get_ConditionDescription() = 0;
    virtual void put_ConditionDescription(const std::string& text) = 0;
    virtual std::string get_TransducerDescription() = 0;
    virtual void put_TransducerDescription(const std::string& text) = 0;
    virtual std::string get_WordListDescription() = 0;
    virtual void put_WordListDescription(const std::string& text) = 0;

protected:
    ~IVellumMeasurement() = default;
};

// A point of a pure-tone curve, keyed by its frequency (Hz, or a reflex
// stimulus code). A new point has no level, no masking, status 1 and no decay.
class IVellumPureTonePoint : public IUnknown {
public:
    static constexpr platform::com::IID iid = makeGuid("{9B567535-A7F1-4EBF-A515-8180897566E4}");
    using Base = IUnknown;

    virtual std::int32_t get_Frequency() = 0;
    virtual std::int16_t get_Level() = 0;  // tenths of dB
    virtual void put_Level(std::int16_t level) = 0;
    virtual std::int16_t get_MaskingLevel() = 0;  // whole dB; -32767 not masked
    virtual void put_MaskingLevel(std::int16_t level) = 0;
    virtual std::int16_t get_Status() = 0;  // 1 measured, 3 no response, 4 unmeasurable
    virtual void put_Status(std::int16_t status) = 0;
    virtual std::int16_t get_Decay() = 0;  // a decay curve's result: 0 absent, 1 (or 10) present, -32767 none
    virtual void put_Decay(std::int16_t decay) = 0;

protected:
    ~IVellumPureTonePoint() = default;
};

class IVellumPureTonePoints : public IUnknown {
public:
    static constexpr platform::com::IID iid = makeGuid("{6CA1FAAF-3AF0-42FB-BB9C-D82796F4B6CA}");
    using Base = IUnknown;

    // A new point at frequency; 457 when the curve has one there.
    virtual ComPtr<IVellumPureTonePoint> Add(std::int32_t frequency) = 0;
    // Removes the point at frequency; nothing happens when there is none.
    virtual void Remove(std::int32_t frequency) = 0;
    virtual bool Exists(std::int32_t frequency) = 0;
    // The point at frequency; 5 when there is none.
    virtual ComPtr<IVellumPureTonePoint> Item(std::int32_t frequency) = 0;
    virtual void Clear() = 0;
    virtual std::int32_t get_Count() = 0;
    virtual ComPtr<IEnumVARIANT> get__NewEnum() = 0;

protected:
    ~IVellumPureTonePoints() = default;
};

class IVellumPureToneCurve : public IUnknown {
public:
    static constexpr platform::com::IID iid = makeGuid("{404B3D71-C768-487E-8617-5739583EEE38}");
    using Base = IUnknown;

    virtual ComPtr<IVellumPureTonePoints> get_Points() = 0;
    virtual ComPtr<IVellumMeasurement> get_Measurement() = 0;
    // Its 1-based position in its collection; 0 once removed.
    virtual std::int32_t get_Index() = 0;
    // The pure-tone average in tenths of dB over the frequencies of mask,
    // those of doubleMask counted twice; -32767 when it has none (see
    // PureToneAverage.h for the rule).
    virtual std::int16_t Average(std::int32_t mask, std::int32_t doubleMask) = 0;

protected:
    ~IVellumPureToneCurve() = default;
};

// Pure-tone curves, keyed by curve type, ear and condition. Reflex thresholds
// and decay results are pure-tone curves too (VellumValues.h).
class IVellumPureToneCurves : public IUnknown {
public:
    static constexpr platform::com::IID iid = makeGuid("{ACE9C1EA-6B45-4A86-BAAF-F3D2E47F2AF1}");
    using Base = IUnknown;

    // Whether the curve is there; curve receives it when it is.
    virtual bool Find(std::int32_t curveType, std::int32_t ear, std::int32_t condition,
                      ComPtr<IVellumPureToneCurve>& curve) = 0;
    // A new empty curve; 457 when one with these keys is there.
    virtual ComPtr<IVellumPureToneCurve> Add(std::int32_t curveType, std::int32_t ear, std::int32_t condition) = 0;
    // Removes the curve at a 1-based position; 9 outside 1 to Count.
    virtual void Remove(std::int32_t index) = 0;
    virtual void Clear() = 0;
    virtual std::int32_t get_Count() = 0;
    virtual ComPtr<IEnumVARIANT> get__NewEnum() = 0;

protected:
    ~IVellumPureToneCurves() = default;
};

// A point of a speech curve, keyed by its presentation level in tenths of
// dB. A new point has no score (-32767), no masking (-3276) and 0 words.
class IVellumSpeechPoint : public IUnknown {
public:
    static constexpr platform::com::IID iid = makeGuid("{2477A85D-861D-4653-AAB7-E86C4B49B76E}");
    using Base = IUnknown;

    virtual std::int32_t get_Level() = 0;
    virtual std::int16_t get_Score() = 0;  // hundredths of a percent
    virtual void put_Score(std::int16_t score) = 0;
    virtual std::int16_t get_MaskingLevel() = 0;  // masking or noise level, whole dB; -3276 none
    virtual void put_MaskingLevel(std::int16_t level) = 0;
    virtual std::int32_t get_NumberOfWords() = 0;
    virtual void put_NumberOfWords(std::int32_t words) = 0;

protected:
    ~IVellumSpeechPoint() = default;
};

class IVellumSpeechPoints : public IUnknown {
public:
    static constexpr platform::com::IID iid = makeGuid("{A60B378A-C985-4BF1-831E-F43A103E4A0E}");
    using Base = IUnknown;

    // As IVellumPureTonePoints, keyed by level in tenths of dB.
    virtual ComPtr<IVellumSpeechPoint> Add(std::int32_t level) = 0;
    virtual void Remove(std::int32_t level) = 0;
    virtual bool Exists(std::int32_t level) = 0;
    virtual ComPtr<IVellumSpeechPoint> Item(std::int32_t level) = 0;
    virtual void Clear() = 0;
    virtual std::int32_t get_Count() = 0;
    virtual ComPtr<IEnumVARIANT> get__NewEnum() = 0;

protected:
    ~IVellumSpeechPoints() = default;
};

class IVellumSpeechCurve : public IUnknown {
public:
    static constexpr platform::com::IID iid = makeGuid("{728260A4-C72C-45E8-8ECC-BF63BDE631A2}");
    using Base = IUnknown;

    virtual ComPtr<IVellumSpeechPoints> get_Points() = 0;
    virtual ComPtr<IVellumMeasurement> get_Measurement() = 0;
    // Its 1-based position in its collection; 0 once removed.
    virtual std::int32_t get_Index() = 0;

protected:
    ~IVellumSpeechCurve() = default;
};

// Speech curves, keyed by curve type, ear, condition and word list.
class IVellumSpeechCurves : public IUnknown {
public:
    static constexpr platform::com::IID iid = makeGuid("{095FC8B1-B8E0-4291-B2ED-8C2068C79771}");
    using Base = IUnknown;

    virtual bool Find(std::int32_t curveType, std::int32_t ear, std::int32_t condition, std::int32_t wordList,
                      ComPtr<IVellumSpeechCurve>& curve) = 0;
    // The first curve in collection order with these keys, whatever its word list.
    virtual bool FindAnyWordList(std::int32_t curveType, std::int32_t ear, std::int32_t condition,
                                 ComPtr<IVellumSpeechCurve>& curve) = 0;
    virtual ComPtr<IVellumSpeechCurve> Add(std::int32_t curveType, std::int32_t ear, std::int32_t condition,
                                           std::int32_t wordList) = 0;
    virtual void Remove(std::int32_t index) = 0;
    virtual void Clear() = 0;
    virtual std::int32_t get_Count() = 0;
    virtual ComPtr<IEnumVARIANT> get__NewEnum() = 0;

protected:
    ~IVellumSpeechCurves() = default;
};

// One ear's tympanogram summary. A new one holds -32767 in every value and
// gradient status 0 (off).
class IVellumTympanogram : public IUnknown {
public:
    static constexpr platform::com::IID iid = makeGuid("{03CEE05D-3F14-4B26-9277-482674BE9C2B}");
    using Base = IUnknown;

    virtual std::int32_t get_Ear() = 0;
    virtual std::int32_t get_StaticCompliance() = 0;  // hundredths
    virtual void put_StaticCompliance(std::int32_t value) = 0;
    virtual std::int32_t get_EarCanalVolume() = 0;  // hundredths
    virtual void put_EarCanalVolume(std::int32_t value) = 0;
    virtual std::int32_t get_PeakPressure() = 0;  // unscaled; 405 no peak
    virtual void put_PeakPressure(std::int32_t value) = 0;
    virtual std::int32_t get_TympType() = 0;  // 1 "A" ... 7 "E", 0 other
    virtual void put_TympType(std::int32_t value) = 0;
    virtual std::int32_t get_ProbeToneFrequency() = 0;  // Hz
    virtual void put_ProbeToneFrequency(std::int32_t value) = 0;
    virtual std::int32_t get_Gradient() = 0;  // unscaled
    virtual void put_Gradient(std::int32_t value) = 0;
    virtual std::int32_t get_PeakHeight() = 0;  // hundredths; 30811 no peak
    virtual void put_PeakHeight(std::int32_t value) = 0;
    virtual std::int32_t get_GradientStatus() = 0;  // 0 off, 1 width in daPa, 2 ratio in ml
    virtual void put_GradientStatus(std::int32_t value) = 0;

protected:
    ~IVellumTympanogram() = default;
};

// Tympanograms, one per ear at most.
class IVellumTympanograms : public IUnknown {
public:
    static constexpr platform::com::IID iid = makeGuid("{FB22C657-C220-43E1-AB15-45FFDE1D5913}");
    using Base = IUnknown;

    virtual bool Find(std::int32_t ear, ComPtr<IVellumTympanogram>& tympanogram) = 0;
    // A new tympanogram of initial values; 457 when the ear has one.
    virtual ComPtr<IVellumTympanogram> Add(std::int32_t ear) = 0;
    virtual void Clear() = 0;
    virtual std::int32_t get_Count() = 0;
    virtual ComPtr<IEnumVARIANT> get__NewEnum() = 0;

protected:
    ~IVellumTympanograms() = default;
};

class IVellumDataLayer : public IUnknown {
public:
    static constexpr platform::com::IID iid = makeGuid("{D8FFC2E6-9990-4640-9020-6D8818C628EB}");
    using Base = IUnknown;

    // The whole content (curves, tympanograms, average masks) as one byte
    // array in the layout of DataFormat (AudiogramFormat.h). A put replaces
    // the whole content with what the array holds, in either layout, and
    // DataFormat then reads the layout it was in; an array that is not a
    // valid stored audiogram raises and leaves the content as it was.
    virtual Variant get_Data() = 0;
    virtual void put_Data(const Variant& data) = 0;
    // 200 (current, the default) or 100 (earlier: without the measurement
    // descriptions, which SetSecondaryData restores); 5 for any other.
    virtual std::int32_t get_DataFormat() = 0;
    virtual void put_DataFormat(std::int32_t format) = 0;

    virtual ComPtr<IVellumPureToneCurves> get_PureToneCurves() = 0;
    virtual ComPtr<IVellumSpeechCurves> get_SpeechCurves() = 0;
    virtual ComPtr<IVellumTympanograms> get_Tympanograms() = 0;

    // The masks of the pure-tone average per ear (kAverageFrequencies), and of
    // the frequencies that count twice; part of the content.
    virtual std::int32_t get_AverageFrequenciesLeft() = 0;
    virtual void put_AverageFrequenciesLeft(std::int32_t mask) = 0;
    virtual std::int32_t get_AverageFrequenciesRight() = 0;
    virtual void put_AverageFrequenciesRight(std::int32_t mask) = 0;
    virtual std::int32_t get_DoubleAverageFrequenciesLeft() = 0;
    virtual void put_DoubleAverageFrequenciesLeft(std::int32_t mask) = 0;
    virtual std::int32_t get_DoubleAverageFrequenciesRight() = 0;
    virtual void put_DoubleAverageFrequenciesRight(std::int32_t mask) = 0;

    // One ear's impedance action (ear 3 left, 2 right): its tympanogram and
    // its reflex and decay curves as the two values the action carries
    // (EarImpedance.h), and whether the ear has any such data. What this
    // gives for an ear, SetImpedanceActionData restores exactly.
    virtual bool GetImpedanceActionData(std::int32_t ear, std::int32_t format, Variant& data, Variant& data2) = 0;
    // Replaces the ear's impedance data by the action's two values (data2
    // may be Empty or Null) and tells whether the ear now has data.
    virtual bool SetImpedanceActionData(std::int32_t ear, std::int32_t format, const Variant& data,
                                        const Variant& data2) = 0;
    // The private data of the module's own format-100 audiogram action: the
    // measurement descriptions of its curves. The content is then whole, and
    // DataFormat reads 200. Empty or Null brings nothing.
    virtual void SetSecondaryData(const Variant& value) = 0;

protected:
    ~IVellumDataLayer() = default;
};

}  // namespace vellum
