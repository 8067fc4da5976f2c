#include "module/document/SpeechCurvesCopy.h"

#include "module/core/ForEachCurve.h"

namespace brisance {

void CopySpeechCurves(vellum::IVellumSpeechCurves& from, vellum::IVellumSpeechCurves& to)
{
    ForEachCurve<vellum::IVellumSpeechCurve>(from.get__NewEnum(), [&to](vellum::IVellumSpeechCurve& curve) {
        const auto measurement = curve.get_Measurement();
        vellum::ComPtr<vellum::IVellumSpeechCurve> copy;
        if (!to.Find(measurement->get_CurveType(), measurement->get_Ear(), measurement->get_Condition(),
                     measurement->get_WordList(), copy))
            copy = to.Add(measurement->get_CurveType(), measurement->get_Ear(), measurement->get_Condition(),
                          measurement->get_WordList());
        const auto copied = copy->get_Measurement();
        copied->put_ConditionDescription(measurement->get_ConditionDescription());
        copied->put_TransducerDescription(measurement->get_TransducerDescription());
        copied->put_WordListDescription(measurement->get_WordListDescription());
        const auto points = copy->get_Points();
        ForEachCurve<vellum::IVellumSpeechPoint>(curve.get_Points()->get__NewEnum(),
                                                 [&points](vellum::IVellumSpeechPoint& point) {
                                                     const auto added = points->Add(point.get_Level());
                                                     added->put_Score(point.get_Score());
                                                     added->put_MaskingLevel(point.get_MaskingLevel());
                                                     added->put_NumberOfWords(point.get_NumberOfWords());
                                                 });
    });
}

}  // namespace brisance
