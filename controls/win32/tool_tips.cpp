#include "controls/win32/tool_tips.h"

#include "controls/win32/window_scale.h"

namespace dusk::win32 {

bool ToolTips::Create(HWND window) {
    window_ = window;
    tips_.Reset(::CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                                  WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT,
                                  CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, window, nullptr,
                                  ::GetModuleHandleW(nullptr), nullptr));
    return tips_.Get() != nullptr;
}

TOOLINFOW ToolTips::Tool(UINT_PTR id) const {
    TOOLINFOW tool{};
    tool.cbSize = sizeof tool;
    tool.uFlags = TTF_SUBCLASS;
    tool.hwnd = window_;
    tool.uId = id;
    return tool;
}

void ToolTips::Add(UINT_PTR id, const RECT& area, const std::wstring& text) {
    TOOLINFOW tool = Tool(id);
    tool.rect = DeviceRect(window_, {area.left, area.top, area.right, area.bottom});
    tool.lpszText = const_cast<wchar_t*>(text.c_str());  // copied by the control
    ::SendMessageW(tips_.Get(), TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
}

void ToolTips::Move(UINT_PTR id, const RECT& area) {
    TOOLINFOW tool = Tool(id);
    tool.rect = DeviceRect(window_, {area.left, area.top, area.right, area.bottom});
    ::SendMessageW(tips_.Get(), TTM_NEWTOOLRECTW, 0, reinterpret_cast<LPARAM>(&tool));
}

void ToolTips::SetInitialDelay(int milliseconds) {
    ::SendMessageW(tips_.Get(), TTM_SETDELAYTIME, TTDT_INITIAL, MAKELPARAM(milliseconds, 0));
}

}  // namespace dusk::win32
