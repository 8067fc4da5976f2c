#include "platform/runtime/StringCompare.h"

#include <QString>

namespace platform::runtime {

namespace {

QString toQString(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

}  // namespace

std::string foldCase(std::string_view text) { return toQString(text).toCaseFolded().toStdString(); }

bool equalsIgnoreCase(std::string_view a, std::string_view b)
{
    return QString::compare(toQString(a), toQString(b), Qt::CaseInsensitive) == 0;
}

}  // namespace platform::runtime
