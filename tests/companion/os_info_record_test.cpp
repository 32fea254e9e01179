#include "companion/os_info_record.h"

#include <gtest/gtest.h>

#include <cstring>

namespace dusk {
namespace {

struct Slot {
    int number;
    std::size_t offset;
    std::size_t capacity;  // UTF-16 units, terminator included
};

constexpr Slot kSlots[] = {{1, 0, 64},     {2, 128, 64},    {3, 256, 256},  {4, 768, 256},
                           {5, 1280, 64},  {6, 1408, 64},   {7, 1536, 64},  {8, 1664, 256},
                           {9, 2176, 256}, {10, 2688, 256}, {11, 3200, 64}, {12, 3328, 64},
                           {13, 3456, 256}};

const char16_t* UnitsAt(const OsInfoRecord& record, std::size_t offset) {
    return reinterpret_cast<const char16_t*>(reinterpret_cast<const unsigned char*>(&record) +
                                             offset);
}

TEST(OsInfoRecord, EachTextIsWrittenAtItsOffsetAndReadBack) {
    for (const Slot& slot : kSlots) {
        OsInfoRecord record{};
        const std::u16string text = u"text " + std::u16string(1, u'A' + slot.number);
        ASSERT_TRUE(WriteOsInfoText(record, slot.number, text));
        EXPECT_EQ(std::u16string(UnitsAt(record, slot.offset)), text) << slot.number;
        EXPECT_EQ(ReadOsInfoText(record, slot.number), text) << slot.number;
    }
}

TEST(OsInfoRecord, LongTextIsCutToCapacityAndStaysTerminated) {
    for (const Slot& slot : kSlots) {
        OsInfoRecord record{};
        std::memset(&record, 0xFF, sizeof record);  // neighbours full of garbage
        ASSERT_TRUE(WriteOsInfoText(record, slot.number, std::u16string(400, u'x')));
        EXPECT_EQ(ReadOsInfoText(record, slot.number), std::u16string(slot.capacity - 1, u'x'));
        EXPECT_EQ(UnitsAt(record, slot.offset)[slot.capacity - 1], u'\0') << slot.number;
    }
}

TEST(OsInfoRecord, UnterminatedTextIsReadOnlyUpToItsCapacity) {
    OsInfoRecord record{};
    std::memset(&record, 0, sizeof record);
    std::fill(std::begin(record.osFamily), std::end(record.osFamily), u'a');
    std::fill(std::begin(record.versionNumber), std::end(record.versionNumber), u'b');
    std::fill(std::begin(record.systemFolder), std::end(record.systemFolder), u'z');

    EXPECT_EQ(ReadOsInfoText(record, 1), std::u16string(64, u'a'));
    EXPECT_EQ(ReadOsInfoText(record, 13),
              std::u16string(256, u'z'));  // the last, before the integers
}

TEST(OsInfoRecord, ShorterTextReplacesLongerOneCompletely) {
    OsInfoRecord record{};
    WriteOsInfoText(record, 7, u"administrator");
    WriteOsInfoText(record, 7, u"bo");
    EXPECT_EQ(ReadOsInfoText(record, 7), u"bo");
    EXPECT_EQ(record.taskNameSuffix[5], u'\0');
}

TEST(OsInfoRecord, NumbersOutOfRangeAreRefused) {
    OsInfoRecord record{};
    WriteOsInfoText(record, 1, u"xp");
    for (int number : {0, -1, 14, 1000}) {
        EXPECT_FALSE(WriteOsInfoText(record, number, u"nt")) << number;
        EXPECT_EQ(ReadOsInfoText(record, number), u"") << number;
    }
    EXPECT_EQ(ReadOsInfoText(record, 1), u"xp");
}

}  // namespace
}  // namespace dusk
