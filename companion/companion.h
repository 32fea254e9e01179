#pragma once
#include <cstdint>
#include <string>

namespace dusk {

// A window as the companion library sees it (an HWND on Windows).
using WindowHandle = void*;

// Message-box styles and answers.
constexpr std::uint32_t kMbQuestionYesNo = 0x24;  // MB_YESNO | MB_ICONQUESTION
constexpr std::uint32_t kMbWarning = 0x30;        // MB_OK | MB_ICONEXCLAMATION
constexpr std::uint32_t kMbInformation = 0x40;    // MB_OK | MB_ICONINFORMATION
constexpr int kAnswerYes = 6;
constexpr int kAnswerNo = 7;

// The two texts of the operating-system record that the program uses.
struct OsInfo {
    std::wstring osFamily;  // "98", "me", "nt", "2000", "2003", or contains "xp", "windows10"...
    std::wstring taskNameSuffix;  // appended to the scheduled task's name; its account name
};

// The calls into the companion library.
class Companion {
public:
    virtual ~Companion() = default;
    // Starts the library; answers the skin code it reports (1 Blue ... 5 Red).
    virtual std::uint8_t InitDLL(WindowHandle mainWindow) = 0;
    virtual OsInfo GetOSInfo() = 0;
    virtual void ShowVimbly(WindowHandle panel, int width, int height) = 0;
    virtual void ShowOurProducts(WindowHandle panel, int width, int height) = 0;
    virtual void AddForm(const std::wstring& name, WindowHandle window) = 0;
    virtual void FormStyle(WindowHandle window) = 0;
    virtual void ChangeSize() = 0;
    virtual void SetSkin(std::uint8_t buttonColor) = 0;
    virtual void VisitHomePage() = 0;
    // Modal; answers kAnswerYes or kAnswerNo for a question, anything for the others.
    // (Not named MessageBox: windows.h turns that name into a macro.)
    virtual int ShowMessageBox(WindowHandle owner, const std::wstring& text,
                               const std::wstring& caption, std::uint32_t style) = 0;
};

}  // namespace dusk
