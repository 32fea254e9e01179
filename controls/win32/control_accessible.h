#pragma once
#include <windows.h>

#include <functional>
#include <memory>
#include <string>

#include "controls/accessible_description.h"

namespace dusk::win32 {

// An export of oleacc, loaded from the system folder when first asked for; null when missing.
void* AccessibilityExport(const char* name);

// What one of the program's own controls tells Microsoft Active Accessibility, asked afresh at
// each question, and what its default action does.
struct AccessibleControl {
    std::function<std::wstring()> name;
    AccessibleRole role = AccessibleRole::PushButton;
    std::function<AccessibleFacts()> facts;
    std::function<RECT()> screenBounds;
    std::function<void()> doDefault;  // may be empty
};

// Answers WM_GETOBJECT for a control window with an IAccessible of the program's own. Objects
// handed out outlive nothing: once the host is gone they answer that they are disconnected.
class AccessibleHost {
public:
    AccessibleHost(HWND window, AccessibleControl control);
    ~AccessibleHost();
    AccessibleHost(const AccessibleHost&) = delete;
    AccessibleHost& operator=(const AccessibleHost&) = delete;

    // For WM_GETOBJECT: the object for OBJID_CLIENT; nothing for other objects.
    bool Answer(WPARAM wParam, LPARAM lParam, LRESULT& result);

    // Tells listening assistive technology (NotifyWinEvent).
    void FocusChanged() const;
    void StateChanged() const;
    void NameChanged() const;

    // The control and its window, shared with the objects handed out.
    struct Shared;

private:
    std::shared_ptr<Shared> shared_;
};

}  // namespace dusk::win32
