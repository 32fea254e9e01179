#include "controls/popup_menu_item.h"

#include <cwctype>

namespace dusk {

bool IsSeparator(const MenuItem& item) { return item.caption == L"-"; }

AcceleratedText SplitAccelerator(const std::wstring& caption) {
    AcceleratedText result;
    for (std::size_t i = 0; i < caption.size(); ++i) {
        if (caption[i] != L'&') {
            result.text += caption[i];
            continue;
        }
        if (++i == caption.size()) break;  // a trailing mark shows nothing
        if (caption[i] != L'&' && result.underlined < 0) {
            result.underlined = int(result.text.size());
        }
        result.text += caption[i];
    }
    return result;
}

wchar_t AcceleratorKey(const std::wstring& caption) {
    const AcceleratedText split = SplitAccelerator(caption);
    if (split.underlined < 0) return 0;
    return wchar_t(std::towupper(split.text[std::size_t(split.underlined)]));
}

}  // namespace dusk
