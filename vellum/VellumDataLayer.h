#pragma once
// The audiogram data object (IVellumDataLayer.h) over its AudiogramContent.

#include "vellum/AudiogramContent.h"
#include "vellum/IVellumDataLayer.h"

#include "platform/com/Object.h"

#include <memory>

namespace vellum {

class VellumDataLayer final : public platform::com::Object<IVellumDataLayer> {
public:
    Variant get_Data() override;
    void put_Data(const Variant& data) override;
    std::int32_t get_DataFormat() override { return m_format; }
    void put_DataFormat(std::int32_t format) override;

    ComPtr<IVellumPureToneCurves> get_PureToneCurves() override;
    ComPtr<IVellumSpeechCurves> get_SpeechCurves() override;
    ComPtr<IVellumTympanograms> get_Tympanograms() override;

    std::int32_t get_AverageFrequenciesLeft() override { return m_content->averages.left; }
    void put_AverageFrequenciesLeft(std::int32_t mask) override { m_content->averages.left = mask; }
    std::int32_t get_AverageFrequenciesRight() override { return m_content->averages.right; }
    void put_AverageFrequenciesRight(std::int32_t mask) override { m_content->averages.right = mask; }
    std::int32_t get_DoubleAverageFrequenciesLeft() override { return m_content->averages.doubleLeft; }
    void put_DoubleAverageFrequenciesLeft(std::int32_t mask) override { m_content->averages.doubleLeft = mask; }
    std::int32_t get_DoubleAverageFrequenciesRight() override { return m_content->averages.doubleRight; }
    void put_DoubleAverageFrequenciesRight(std::int32_t mask) override { m_content->averages.doubleRight = mask; }

    bool GetImpedanceActionData(std::int32_t ear, std::int32_t format, Variant& data, Variant& data2) override;
    bool SetImpedanceActionData(std::int32_t ear, std::int32_t format, const Variant& data,
                                const Variant& data2) override;
    void SetSecondaryData(const Variant& value) override;

private:
    // One content for the object's life: collections handed out keep working
    // on it when a put of Data replaces what it holds.
    std::shared_ptr<AudiogramContent> m_content = std::make_shared<AudiogramContent>();
    std::int32_t m_format = kFormatCurrent;
};

}  // namespace vellum
