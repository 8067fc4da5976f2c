#include "vellum/VellumDataLayer.h"

#include "vellum/AudiogramFormat.h"
#include "vellum/tests/AudiogramFixture.h"
#include "vellum/tests/Enumerate.h"

#include <gtest/gtest.h>

namespace vellum {
namespace {

using platform::com::make;
using testing::fullAudiogram;
using testing::raisedNumber;

ComPtr<IVellumDataLayer> newLayer()
{
    return make<VellumDataLayer>();
}

// A data object that holds the full audiogram of the fixture.
ComPtr<IVellumDataLayer> fullLayer()
{
    auto layer = newLayer();
    layer->put_Data(Variant::fromBytes(writeAudiogram(fullAudiogram(), kFormatCurrent)));
    return layer;
}

// Writes a point as the pure-tone view does: find or add the curve, remove
// the point at its frequency, add it again, set its values.
ComPtr<IVellumPureTonePoint> writePoint(IVellumDataLayer& layer, std::int32_t frequency, std::int16_t level,
                                        std::int16_t masking, std::int16_t status)
{
    ComPtr<IVellumPureToneCurve> curve;
    if (!layer.get_PureToneCurves()->Find(1, kEarLeft, 2, curve)) curve = layer.get_PureToneCurves()->Add(1, kEarLeft, 2);
    auto points = curve->get_Points();
    points->Remove(frequency);
    auto point = points->Add(frequency);
    point->put_Level(level);
    point->put_MaskingLevel(masking);
    point->put_Status(status);
    return point;
}

TEST(VellumDataLayer, FindOrAddThenRewritingAPointKeepsOnePointPerFrequency)
{
    auto layer = newLayer();
    ComPtr<IVellumPureToneCurve> curve;
    EXPECT_FALSE(layer->get_PureToneCurves()->Find(1, kEarLeft, 2, curve));
    EXPECT_FALSE(curve);

    writePoint(*layer, 1000, 250, kNoValue, kStatusMeasured);
    writePoint(*layer, 4000, 600, kNoValue, kStatusNoResponse);
    writePoint(*layer, 500, 200, kNoValue, kStatusMeasured);
    writePoint(*layer, 1000, 300, 45, kStatusUnmeasurable);

    ASSERT_TRUE(layer->get_PureToneCurves()->Find(1, kEarLeft, 2, curve));
    EXPECT_EQ(layer->get_PureToneCurves()->get_Count(), 1);
    EXPECT_EQ(curve->get_Index(), 1);
    auto points = curve->get_Points();
    EXPECT_EQ(testing::collect(points->get__NewEnum(), &IVellumPureTonePoint::get_Frequency),
              (std::vector<std::int32_t>{500, 1000, 4000}));
    auto point = points->Item(1000);
    EXPECT_EQ(point->get_Level(), 300);
    EXPECT_EQ(point->get_MaskingLevel(), 45);
    EXPECT_EQ(point->get_Status(), kStatusUnmeasurable);
    EXPECT_EQ(point->get_Decay(), kNoValue);
    EXPECT_TRUE(points->Exists(4000));
    EXPECT_FALSE(points->Exists(2000));

    EXPECT_EQ(raisedNumber([&] { points->Add(500); }), 457);
    EXPECT_EQ(raisedNumber([&] { points->Item(2000); }), 5);
    EXPECT_EQ(raisedNumber([&] { layer->get_PureToneCurves()->Add(1, kEarLeft, 2); }), 457);
    points->Remove(2000);  // a missing point is no error
    EXPECT_EQ(points->get_Count(), 3);
}

TEST(VellumDataLayer, SpeechCurvesAreFoundByWordListOrAnyAndRemovedByIndex)
{
    auto layer = newLayer();
    auto speech = layer->get_SpeechCurves();
    auto first = speech->Add(10, kEarLeft, 2, 10);
    auto second = speech->Add(10, kEarLeft, 2, 5);
    auto point = first->get_Points()->Add(400);
    EXPECT_EQ(point->get_MaskingLevel(), kNoSpeechMasking);
    EXPECT_EQ(point->get_Score(), kNoValue);
    EXPECT_EQ(point->get_NumberOfWords(), 0);

    ComPtr<IVellumSpeechCurve> found;
    ASSERT_TRUE(speech->Find(10, kEarLeft, 2, 5, found));
    EXPECT_EQ(found->get_Index(), 2);
    ASSERT_TRUE(speech->FindAnyWordList(10, kEarLeft, 2, found));
    EXPECT_EQ(found->get_Measurement()->get_WordList(), 10) << "the first curve in collection order";
    EXPECT_FALSE(speech->FindAnyWordList(10, kEarRight, 2, found));
    EXPECT_EQ(raisedNumber([&] { speech->Add(10, kEarLeft, 2, 5); }), 457);

    speech->Remove(first->get_Index());
    EXPECT_EQ(speech->get_Count(), 1);
    EXPECT_EQ(first->get_Index(), 0);
    EXPECT_EQ(second->get_Index(), 1);
    EXPECT_EQ(raisedNumber([&] { speech->Remove(2); }), 9);
    EXPECT_EQ(raisedNumber([&] { speech->Remove(0); }), 9);
}

TEST(VellumDataLayer, AnAddedTympanogramHoldsNoValues)
{
    auto tympanograms = newLayer()->get_Tympanograms();
    auto left = tympanograms->Add(kEarLeft);
    EXPECT_EQ(left->get_Ear(), kEarLeft);
    for (auto get : {&IVellumTympanogram::get_StaticCompliance, &IVellumTympanogram::get_EarCanalVolume,
                     &IVellumTympanogram::get_PeakPressure, &IVellumTympanogram::get_TympType,
                     &IVellumTympanogram::get_ProbeToneFrequency, &IVellumTympanogram::get_Gradient,
                     &IVellumTympanogram::get_PeakHeight})
        EXPECT_EQ((left.get()->*get)(), kNoValue);
    EXPECT_EQ(left->get_GradientStatus(), 0);
    EXPECT_EQ(raisedNumber([&] { tympanograms->Add(kEarLeft); }), 457);
    ComPtr<IVellumTympanogram> right;
    EXPECT_FALSE(tympanograms->Find(kEarRight, right));
}

TEST(VellumDataLayer, APutOfDataReplacesTheWholeContent)
{
    auto source = fullLayer();
    auto layer = newLayer();
    auto curves = layer->get_PureToneCurves();
    writePoint(*layer, 125, 100, kNoValue, kStatusMeasured);
    layer->get_Tympanograms()->Add(kEarBinaural);
    layer->put_AverageFrequenciesLeft(1);

    layer->put_Data(source->get_Data());
    EXPECT_EQ(layer->get_Data(), source->get_Data());
    EXPECT_EQ(curves->get_Count(), source->get_PureToneCurves()->get_Count()) << "a collection taken before the put";
    ComPtr<IVellumTympanogram> binaural;
    EXPECT_FALSE(layer->get_Tympanograms()->Find(kEarBinaural, binaural));
    EXPECT_EQ(layer->get_AverageFrequenciesLeft(), fullAudiogram().averages.left);
}

TEST(VellumDataLayer, TheEarlierFormatLoadsWithoutDescriptionsUntilTheSecondaryDataComes)
{
    auto source = fullLayer();
    source->put_DataFormat(kFormatEarlier);
    auto layer = newLayer();
    layer->put_Data(source->get_Data());
    EXPECT_EQ(layer->get_DataFormat(), kFormatEarlier);

    ComPtr<IVellumSpeechCurve> words;
    ASSERT_TRUE(layer->get_SpeechCurves()->Find(10, kEarLeft, 3, 10, words));
    EXPECT_EQ(words->get_Measurement()->get_WordListDescription(), "");
    EXPECT_EQ(words->get_Points()->Item(600)->get_NumberOfWords(), 25);

    layer->SetSecondaryData(Variant::null());
    EXPECT_EQ(layer->get_DataFormat(), kFormatEarlier);
    layer->SetSecondaryData(Variant::fromBytes(writeDescriptions(fullAudiogram())));
    EXPECT_EQ(words->get_Measurement()->get_WordListDescription(), "NU-6 list 2A, ü");
    EXPECT_EQ(layer->get_DataFormat(), kFormatCurrent) << "an undo snapshot now keeps the descriptions";
    EXPECT_EQ(layer->get_Data(), fullLayer()->get_Data());
}

TEST(VellumDataLayer, BadDataLeavesTheObjectAsItWas)
{
    auto layer = fullLayer();
    layer->put_DataFormat(kFormatEarlier);
    const Variant before = layer->get_Data();
    std::vector<std::uint8_t> truncated = writeAudiogram(fullAudiogram(), kFormatCurrent);
    truncated.resize(truncated.size() / 2);
    platform::runtime::VariantArray twoDimensions(platform::runtime::VarType::Byte, {{2, 0}, {2, 0}});

    struct Case {
        const char* what;
        Variant data;
        std::int32_t error;
    };
    const std::vector<Case> cases = {
        {"Empty", Variant(), 13},
        {"Null", Variant::null(), 13},
        {"a text", Variant("VAUD"), 13},
        {"a two-dimensional byte array", Variant(twoDimensions), 13},
        {"a truncated audiogram", Variant::fromBytes(truncated), 5},
        {"a keyed store", Variant::fromBytes(std::vector<std::uint8_t>{'V', 'K', 'S', 'T', 0, 0, 0, 0}), 5},
    };
    for (const Case& c : cases) EXPECT_EQ(raisedNumber([&] { layer->put_Data(c.data); }), c.error) << c.what;
    EXPECT_EQ(raisedNumber([&] { layer->SetSecondaryData(Variant("VDSC")); }), 13);
    EXPECT_EQ(raisedNumber([&] { layer->SetSecondaryData(Variant::fromBytes(truncated)); }), 5);
    EXPECT_EQ(raisedNumber([&] { layer->put_DataFormat(300); }), 5);
    EXPECT_EQ(layer->get_DataFormat(), kFormatEarlier);
    EXPECT_EQ(layer->get_Data(), before);
}

TEST(VellumDataLayer, WhatAnEarsImpedanceActionCarriesRestoresThatEar)
{
    auto source = fullLayer();
    auto layer = newLayer();
    for (std::int32_t ear : {kEarLeft, kEarRight}) {
        Variant data, data2;
        ASSERT_TRUE(source->GetImpedanceActionData(ear, kFormatEarlier, data, data2));
        EXPECT_TRUE(layer->SetImpedanceActionData(ear, kFormatEarlier, data, data2));
        Variant again, again2;
        layer->GetImpedanceActionData(ear, kFormatEarlier, again, again2);
        EXPECT_EQ(again, data);
        EXPECT_EQ(again2, data2);
    }
    EXPECT_EQ(layer->get_PureToneCurves()->get_Count(), 8) << "reflex and decay curves of both ears";

    auto audiometricOnly = newLayer();
    writePoint(*audiometricOnly, 1000, 250, kNoValue, kStatusMeasured);
    audiometricOnly->get_Tympanograms()->Add(kEarLeft);
    Variant data, data2;
    EXPECT_FALSE(audiometricOnly->GetImpedanceActionData(kEarLeft, kFormatEarlier, data, data2));

    const Variant before = layer->get_Data();
    EXPECT_EQ(raisedNumber([&] { layer->SetImpedanceActionData(kEarLeft, kFormatEarlier, Variant("x"), data2); }), 13);
    EXPECT_EQ(raisedNumber([&] { layer->SetImpedanceActionData(kEarLeft, 300, data, data2); }), 5);
    EXPECT_EQ(raisedNumber([&] { layer->SetImpedanceActionData(kEarBinaural, kFormatEarlier, data, data2); }), 5);
    EXPECT_EQ(layer->get_Data(), before);
}

}  // namespace
}  // namespace vellum
