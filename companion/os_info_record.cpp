#include "companion/os_info_record.h"

#include <algorithm>
#include <span>

namespace dusk {
namespace {

std::span<char16_t> TextSlot(OsInfoRecord& record, int number) {
    switch (number) {
        case 1:
            return record.osFamily;
        case 2:
            return record.versionNumber;
        case 3:
            return record.productName;
        case 4:
            return record.servicePack;
        case 5:
            return record.platform;
        case 6:
            return record.architecture;
        case 7:
            return record.taskNameSuffix;
        case 8:
            return record.userName;
        case 9:
            return record.computerName;
        case 10:
            return record.windowsFolder;
        case 11:
            return record.localeName;
        case 12:
            return record.productType;
        case 13:
            return record.systemFolder;
        default:
            return {};
    }
}

}  // namespace

std::u16string ReadOsInfoText(const OsInfoRecord& record, int number) {
    // TextSlot only hands out a view; nothing is written through it here.
    const auto slot = TextSlot(const_cast<OsInfoRecord&>(record), number);
    const auto end = std::find(slot.begin(), slot.end(), u'\0');
    return std::u16string(slot.begin(), end);
}

bool WriteOsInfoText(OsInfoRecord& record, int number, std::u16string_view text) {
    const auto slot = TextSlot(record, number);
    if (slot.empty()) return false;
    const std::size_t length = std::min(text.size(), slot.size() - 1);
    std::fill(std::copy_n(text.begin(), length, slot.begin()), slot.end(), u'\0');
    return true;
}

}  // namespace dusk
