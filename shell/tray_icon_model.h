#pragma once
#include <cstdint>
#include <functional>
#include <string>

#include "core/task_indicator.h"

namespace dusk {

// The callback message of the notification-area icon (WM_USER + 1) and the mouse events it
// carries in its second parameter.
constexpr std::uint32_t kTrayCallbackMessage = 0x401;
constexpr std::uint32_t kTrayLeftButtonDown = 0x201;
constexpr std::uint32_t kTrayLeftDoubleClick = 0x203;
constexpr std::uint32_t kTrayRightButtonDown = 0x204;

// The platform's tooltip holds 127 characters and a terminator.
constexpr std::size_t kTrayTipMaxLength = 127;

// What a mouse event on the icon asks for.
enum class TrayMouseAction { None, TakeForeground, RestoreMainWindow, OpenMenu };
// A right-click opens the menu only when there is one; other events are ignored.
TrayMouseAction TrayMouseActionFor(std::uint32_t mouseEvent, bool hasMenu);

// The picture and hint of the notification-area icon. The picture is an index into a fixed list
// of icons. Every setting is passed on through onChanged, as the platform is to be told.
class TrayIconModel {
public:
    TrayIconModel(int iconCount, std::wstring hint);

    int IconIndex() const { return iconIndex_; }
    const std::wstring& Hint() const { return hint_; }
    // The hint as the platform shows it: its first 127 characters.
    std::wstring Tip() const;

    // Indexes at or above the list's count show the last icon, negative ones the first; without
    // icons the index stays 0.
    void SetIconIndex(int index);
    void SetHint(std::wstring hint);
    // Both at once, with one notification.
    void Show(int iconIndex, std::wstring hint);

    // From now on shows the indicator's icon and hint whenever they change (it takes the
    // indicator's onChanged).
    void Follow(TaskIndicator& indicator);

    std::function<void()> onChanged;

private:
    int Clamped(int index) const;
    void Changed();

    int iconCount_;
    int iconIndex_ = 0;
    std::wstring hint_;
};

}  // namespace dusk
