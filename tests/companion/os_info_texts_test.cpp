#include "companion/os_info_texts.h"

#include <gtest/gtest.h>

namespace dusk {
namespace {

TEST(OsFamilyFor, NamesEachSystemFamily) {
    struct Case {
        OsVersion version;
        std::u16string family;
    };
    const Case cases[] = {
        {{1, 4, 10, 2222, true}, u"98"},
        {{1, 4, 90, 3000, true}, u"me"},
        {{2, 3, 51, 1057, true}, u"nt"},
        {{2, 4, 0, 1381, true}, u"nt"},
        {{2, 5, 0, 2195, true}, u"2000"},
        {{2, 5, 1, 2600, true}, u"xp"},
        {{2, 5, 2, 3790, false}, u"2003"},
        {{2, 5, 2, 3790, true}, u"xp"},  // XP x64
        {{2, 6, 0, 6002, true}, u"vista"},
        {{2, 6, 1, 7601, true}, u"windows7"},
        {{2, 6, 2, 9200, true}, u"windows8"},
        {{2, 6, 3, 9600, true}, u"windows8"},
        {{2, 10, 0, 19045, true}, u"windows10"},
        {{2, 10, 0, 22631, true}, u"windows10"},  // Windows 11
        {{2, 11, 0, 30000, true}, u"windows10"},  // anything later
    };
    for (const Case& c : cases) {
        EXPECT_EQ(OsFamilyFor(c.version), c.family)
            << c.version.major << "." << c.version.minor << "." << c.version.build;
    }
}

TEST(SafeTaskNameSuffix, ReplacesWhatAFileNameCannotHold) {
    EXPECT_EQ(SafeTaskNameSuffix(u"Administrator"), u"Administrator");
    EXPECT_EQ(SafeTaskNameSuffix(u"J\u00f6rg M\u00fcller"), u"J\u00f6rg M\u00fcller");
    EXPECT_EQ(SafeTaskNameSuffix(u"a<b>c:d\"e/f\\g|h?i*j"), u"a_b_c_d_e_f_g_h_i_j");
    EXPECT_EQ(SafeTaskNameSuffix(std::u16string(u"tab\there\x01\0x", 11)), u"tab_here__x");
    EXPECT_EQ(SafeTaskNameSuffix(u""), u"");
}

}  // namespace
}  // namespace dusk
