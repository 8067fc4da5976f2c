#include "module/core/CCurvePref.h"

namespace brisance {

void CCurvePref::Key(const std::string& strNewKey)
{
    if (m_key.empty())
        m_key = strNewKey;
}

}  // namespace brisance
