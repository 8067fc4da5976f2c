// The report's framing blocks: the title box and the client's form lines at
// the top, the comments box with the signature and date lines at the bottom.
#include "module/core/CLangLoader.h"
#include "module/core/TextResources.h"
#include "module/report/CPrinter.h"
#include "module/report/CReport.h"

#include "platform/runtime/Dates.h"

namespace brisance {
namespace {

constexpr std::int32_t kNoClientID = -32767;
// The form lines stand at this page position whatever the report's X.
constexpr float kFormLeft = 11.0f;
constexpr float kFormWidth = 9.2f;
constexpr float kFormLine = 0.4f;
// The signature and date lines: a band at the comments box's bottom, inside
// its frame by this much on the left, right and bottom.
constexpr float kSignatureBand = 0.4f;
constexpr float kSignatureInset = 0.2f;

std::string dateField(platform::runtime::Date date)
{
    return date.days == 0 ? std::string() : platform::runtime::shortDateText(date);
}

}  // namespace

void CReport::PrintHeader(float X, float Y, float /*W*/, float H)
{
    CPrinter& out = printer();
    const CLangLoader& texts = languageLoader();

    out.SetFont("Arial", 16, false);
    out.PrintRectangle(X, Y, 9.0f, H);
    out.PrintTextCenteredOnPoint(texts.LoadResString(TR_HEARING_EVALUATION), X + 4.5f, Y + 0.2f, false);
    out.PrintTextCenteredOnPoint(texts.LoadResString(TR_REPORT), X + 4.5f, out.CurrentY(), false);

    out.SetFont("Arial", 12.5f, true);
    const std::string fields[][2] = {
        {texts.LoadResString(TR_CLIENT_NAME), m_clientName},
        {texts.LoadResString(TR_CLIENT_), m_clientID == kNoClientID ? std::string() : std::to_string(m_clientID)},
        {texts.LoadResString(TR_BIRTHDATE), dateField(m_clientBDay)},
        {texts.LoadResString2(TR_DATE_OF_EVALUATION), dateField(m_dateOfEval)},
    };
    float top = Y;
    for (const auto& [label, response] : fields) {
        out.PrintFormResponse(label + ": ", response, kFormLeft, top, kFormWidth, kFormLine);
        top += kFormLine;
    }
}

void CReport::PrintFooter(float X, float Y, float W, float H)
{
    CPrinter& out = printer();
    const CLangLoader& texts = languageLoader();

    out.PrintRectangle(X, Y, W, H);
    out.SetFont("Arial", 12, true);
    // The title sits on the box's top border.
    out.PrintTextCenteredOnPoint(texts.LoadResString2(TR_REPORT_COMMENTS), X + W / 2, Y - 0.15f, false);

    out.SetFont("Arial", 10, false);
    // Word-wrapped below the title, leaving the signature line free.
    const float T = out.CurrentY();
    const float signatureTop = Y + H - kSignatureInset - kSignatureBand;
    out.PrintFormattedText(m_reportComments, X, T, W, signatureTop - T);

    out.PrintFormResponse(texts.LoadResString2(TR_SIGNITURE), ": ", X + kSignatureInset, signatureTop, 9.0f, 0.39f);
    out.PrintFormResponse(texts.LoadResString2(TR_DATE) + ": ", "", X + W - kSignatureInset - 6.0f, signatureTop, 6.0f,
                          0.39f);
}

}  // namespace brisance
