#pragma once
#include <string>

namespace dusk {

// One entry of an owner-drawn popup menu. A caption of exactly "-" makes it a separator.
struct MenuItem {
    std::wstring caption{};
    bool enabled = true;
    bool isDefault = false;   // drawn bold
    bool checked = false;     // shows the palette's check picture
    std::wstring shortcut{};  // the shortcut's display text, such as "Ctrl+S"; empty for none
    int imageIndex = -1;      // into the menu's images; -1 for none
    int command = 0;          // what choosing the item answers; 0 means no command
};

bool IsSeparator(const MenuItem& item);

// A caption as the platform's menu text shows it: "&x" underlines x, "&&" is one ampersand.
struct AcceleratedText {
    std::wstring text;    // the caption without its marks
    int underlined = -1;  // index in text of the underlined character; -1 for none
};
AcceleratedText SplitAccelerator(const std::wstring& caption);

// The upper-case character the caption marks as its accelerator; 0 for none.
wchar_t AcceleratorKey(const std::wstring& caption);

}  // namespace dusk
