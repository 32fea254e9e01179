#include "shell/win32/application.h"

#include "resources/version.h"

namespace dusk::win32 {

Application::Application()
    : notice_(settings_),
      countdownWindow_(resources_, countdownState_, skinCode_, companion_),
      noticeWindow_(resources_, notice_, skinCode_, companion_) {}

bool Application::Start() {
    Creation creation{L"TolvaneDuskRelayApp"};
    creation.style = WS_POPUP;
    creation.title = DUSK_WIDEN(DUSK_PRODUCT_NAME);
    if (!CreateWindowFor(creation)) return false;
    const HWND owner = Handle();
    if (!resources_.Create(owner) || !countdownWindow_.Create(owner) ||
        !noticeWindow_.Create(owner)) {
        return false;
    }

    skinCode_ = companion_.InitDLL(owner);
    countdownWindow_.ApplySkin();
    noticeWindow_.ApplySkin();
    companion_.AddForm(L"frmResource", resources_.Handle());
    companion_.AddForm(L"jishi_frm", countdownWindow_.Handle());
    companion_.AddForm(L"tishi_frm", noticeWindow_.Handle());
    return true;
}

int Application::Run() {
    MSG message{};
    while (::GetMessageW(&message, nullptr, 0, 0) > 0) {
        ::TranslateMessage(&message);
        ::DispatchMessageW(&message);
    }
    return static_cast<int>(message.wParam);
}

LRESULT Application::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_CLOSE:
            // A graceful end from outside: the message loops end in order, a running
            // countdown as interrupted, and the windows are taken down with the application.
            ::PostQuitMessage(0);
            return 0;
        case WM_DESTROY:
            ::PostQuitMessage(0);
            return 0;
        default:
            return Default(message, wParam, lParam);
    }
}

}  // namespace dusk::win32
