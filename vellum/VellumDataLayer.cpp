#include "vellum/VellumDataLayer.h"

#include "vellum/AudiogramFormat.h"
#include "vellum/ByteStream.h"
#include "vellum/DataLayerCollections.h"
#include "vellum/EarImpedance.h"

#include <string>

namespace vellum {

namespace {

constexpr std::string_view kDataSubject = "Audiogram data";
constexpr std::string_view kImpedanceSubject = "Impedance data";
constexpr std::string_view kSecondarySubject = "Audiogram secondary data";

void checkFormat(std::int32_t format)
{
    if (!isKnownFormat(format))
        raiseInvalidData("Audiogram data format", std::to_string(format) + " is not 100 or 200");
}

bool isNothing(const Variant& value)
{
    return value.isEmpty() || value.isNull();
}

}  // namespace

Variant VellumDataLayer::get_Data()
{
    return Variant::fromBytes(writeAudiogram(*m_content, m_format));
}

void VellumDataLayer::put_Data(const Variant& data)
{
    StoredAudiogram stored = readAudiogram(storedBytes(data, kDataSubject));
    *m_content = std::move(stored.content);
    m_format = stored.format;
}

void VellumDataLayer::put_DataFormat(std::int32_t format)
{
    checkFormat(format);
    m_format = format;
}

ComPtr<IVellumPureToneCurves> VellumDataLayer::get_PureToneCurves()
{
    return makePureToneCurves(m_content);
}

ComPtr<IVellumSpeechCurves> VellumDataLayer::get_SpeechCurves()
{
    return makeSpeechCurves(m_content);
}

ComPtr<IVellumTympanograms> VellumDataLayer::get_Tympanograms()
{
    return makeTympanograms(m_content);
}

bool VellumDataLayer::GetImpedanceActionData(std::int32_t ear, std::int32_t format, Variant& data, Variant& data2)
{
    EarImpedanceData split = splitEarImpedance(*m_content, ear, format);
    data = Variant::fromBytes(split.data);
    data2 = split.data2 ? Variant::fromBytes(*split.data2) : Variant();
    return split.hasData;
}

bool VellumDataLayer::SetImpedanceActionData(std::int32_t ear, std::int32_t format, const Variant& data,
                                             const Variant& data2)
{
    checkFormat(format);
    const std::vector<std::uint8_t> first = storedBytes(data, kImpedanceSubject);
    std::optional<std::vector<std::uint8_t>> second;
    if (!isNothing(data2)) second = storedBytes(data2, kImpedanceSubject);
    return mergeEarImpedance(*m_content, ear, first, second ? std::optional(std::span<const std::uint8_t>(*second))
                                                            : std::nullopt);
}

void VellumDataLayer::SetSecondaryData(const Variant& value)
{
    if (isNothing(value)) return;
    applyDescriptions(storedBytes(value, kSecondarySubject), *m_content);
    // The content is whole again: from now on it is written in the current
    // layout, so that a snapshot of it (the document's undo) keeps the descriptions.
    m_format = kFormatCurrent;
}

}  // namespace vellum
