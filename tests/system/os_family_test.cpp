#include "system/os_family.h"

#include <gtest/gtest.h>

namespace dusk {
namespace {

TEST(OsFamily, SortsEachFamilyWord) {
    struct Case {
        const wchar_t* family;
        bool nt;
        bool schedulerWindow;
        bool vistaOrLater;
    };
    const Case cases[] = {
        {L"98", false, true, false},         {L"me", false, true, false},
        {L"nt", true, false, false},         {L"2000", true, false, false},
        {L"2003", true, false, false},       {L"xp", true, false, false},
        {L"xp64", true, false, false},       {L"vista", true, false, true},
        {L"windows7", true, false, true},    {L"windows8", true, false, true},
        {L"windows10", true, false, true},   {L"server windows10", true, false, true},
        {L"Windows10", false, false, false},  // letter case counts
        {L"XP", false, false, false},        {L"95", false, false, false},
        {L"2000 sp4", false, false, false},  {L"me2", false, false, false},
        {L"", false, false, false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(IsNtFamily(c.family), c.nt) << c.family;
        EXPECT_EQ(HasSchedulerWindow(c.family), c.schedulerWindow) << c.family;
        EXPECT_EQ(IsVistaOrLaterFamily(c.family), c.vistaOrLater) << c.family;
    }
}

}  // namespace
}  // namespace dusk
