#include "platform/system/Language.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

using namespace platform::system;

TEST(Language, MapsLocalesToLanguageIds)
{
    struct Case {
        const char* locale;
        LanguageId expected;
    };
    for (const Case& c : {
             Case{"en_US.UTF-8", 0x0409}, Case{"en_GB.UTF-8", 0x0809}, Case{"en", 0x0409},
             Case{"de_DE.UTF-8@euro", 0x0407}, Case{"de_CH", 0x0807}, Case{"da_DK", 0x0406},
             Case{"nl_NL", 0x0413},       Case{"fr_FR", 0x040C},       Case{"fr_CA", 0x0C0C},
             Case{"it_IT", 0x0410},       Case{"nb_NO", 0x0414},       Case{"es_ES", 0x0C0A},
             Case{"sv_SE", 0x041D},       Case{"fi_FI", 0x040B},       Case{"pt_PT", 0x0816},
             Case{"pt_BR", 0x0416},       Case{"ja_JP.eucJP", 0x0411}, Case{"zh_CN", 0x0804},
             Case{"zh_TW", 0x0404},       Case{"hu_HU", 0x040E},       Case{"DE_de", 0x0407},
             Case{"C", 0x0409},           Case{"POSIX", 0x0409},       Case{"", 0x0409},
             Case{"xx_YY", 0x0409},
         })
        EXPECT_EQ(languageIdForLocale(c.locale), c.expected) << c.locale;
}

TEST(Language, TheUserDefaultFollowsTheLocaleVariablesInOrder)
{
    ::unsetenv("LC_ALL");
    ::unsetenv("LC_MESSAGES");
    ::setenv("LANG", "da_DK.UTF-8", 1);
    EXPECT_EQ(userDefaultLanguageId(), 0x0406);
    ::setenv("LC_MESSAGES", "fi_FI.UTF-8", 1);
    EXPECT_EQ(userDefaultLanguageId(), 0x040B);
    ::setenv("LC_ALL", "ja_JP.UTF-8", 1);
    EXPECT_EQ(userDefaultLanguageId(), 0x0411);
}

}  // namespace
