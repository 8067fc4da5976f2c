#include "module/document/ActionDescription.h"

#include "module/core/GetDateOfEvaluation.h"
#include "module/core/ModuleGlobals.h"
#include "module/core/TextResources.h"

#include "platform/runtime/Dates.h"

#include <QString>

#include <cmath>

namespace brisance {

namespace {

constexpr qsizetype kDescriptionLength = 64;
constexpr const char* kDatePlaceholder = "xx/xx/xxxx";

std::string ReplaceAll(std::string text, const std::string& from, const std::string& to)
{
    for (std::size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
        text.replace(at, from.size(), to);
    return text;
}

// The first characters of a text, never a part of one.
std::string FirstCharacters(const std::string& text, qsizetype count)
{
    return QString::fromStdString(text).left(count).toStdString();
}

// The date of evaluation as the reader of a description expects it, in the
// locale's short form, whichever form the notes store keeps.
std::string EvaluationDateText(vellum::IVellumKeyedStore& notes)
{
    const auto date = GetDateOfEvaluation(notes);
    return date ? platform::runtime::shortDateText(*date) : std::string();
}

}  // namespace

std::string BuildActionDescription(std::int32_t mode, vellum::IVellumKeyedStore& notes,
                                   const std::string& customDescription, host::IAction* audiogram)
{
    const bool transcription = IsTranscription(notes);
    const platform::runtime::Variant custom = notes.get_Value("CustomDescription");
    if (!custom.isNull() && custom.toBoolean()) {
        if (!customDescription.empty())
            return customDescription;
        return audiogram ? audiogram->get_Description() : std::string();
    }
    const CLangLoader& texts = *ModuleGlobals::TextLoader(false);
    if (transcription)
        return TranscriptionDescription(TR_TRANSCRIPTION_OF_AUDIOGRAM_DATA_INITIALLY_RECORDED, notes);
    return mode != 0 ? texts.LoadResString(TR_AUDIOGRAM_CHANGED) : texts.LoadResString2(TR_NEW_AUDIOGRAM);
}

bool IsTranscription(vellum::IVellumKeyedStore& notes)
{
    const auto date = GetDateOfEvaluation(notes);
    return date && std::floor(date->days) != platform::runtime::today().days;
}

std::string TranscriptionDescription(std::int32_t textId, vellum::IVellumKeyedStore& notes)
{
    notes.put_Category(0);
    notes.put_Section(0);
    return FirstCharacters(
        ReplaceAll(ModuleGlobals::TextLoader(false)->LoadResString(textId), kDatePlaceholder, EvaluationDateText(notes)),
        kDescriptionLength);
}

void MarkCustomDescription(vellum::IVellumKeyedStore& notes)
{
    notes.put_Category(0);
    notes.put_Section(0);
    notes.put_Value("CustomDescription", true);
}

}  // namespace brisance
