#pragma once
// A full audiogram for the tests, and a deep comparison of two contents.

#include "vellum/AudiogramContent.h"

namespace vellum::testing {

// Air conduction of both ears (measured, masked, no-response and
// unmeasurable points), bone conduction of the right ear, two speech curves
// with word lists, scores and masking, both tympanograms, ipsilateral and
// contralateral reflexes with decay for both ears, descriptions and average masks.
AudiogramContent fullAudiogram();

// Adds a curve with points {key, level} and returns it.
std::shared_ptr<PureToneCurve> addPureTone(AudiogramContent& content, std::int32_t curveType, std::int32_t ear,
                                           std::initializer_list<std::pair<std::int32_t, std::int16_t>> points);

// Fails the test with what differs.
void expectSameContent(const AudiogramContent& expected, const AudiogramContent& actual);

// The number of a raised runtime error, or 0 when call raised nothing.
template <class Call>
std::int32_t raisedNumber(Call call);

}  // namespace vellum::testing

#include "platform/runtime/RuntimeError.h"

template <class Call>
std::int32_t vellum::testing::raisedNumber(Call call)
{
    try {
        call();
    } catch (const platform::runtime::RuntimeError& error) {
        return error.number();
    }
    return 0;
}
