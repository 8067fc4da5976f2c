#include "module/report/ReportNumberText.h"

#include "platform/runtime/Conversions.h"

#include <QLocale>

#include <algorithm>

namespace brisance {

std::string ReportNumberText(double value)
{
    std::string text = platform::runtime::numberText(value);
    const std::string separator = QLocale().decimalPoint().toStdString();
    if (const auto point = text.find('.'); point != std::string::npos) text.replace(point, 1, separator);
    return text;
}

}  // namespace brisance
