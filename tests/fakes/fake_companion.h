#pragma once
#include <gtest/gtest.h>

#include <deque>
#include <string>
#include <vector>

#include "companion/companion.h"

namespace dusk::test {

// Records every call. Questions answer from the script; a question nobody scripted fails the
// test and answers No, so no test goes on with a Yes it never asked for. Other boxes answer OK
// without touching the script.
class FakeCompanion : public Companion {
public:
    struct Box {
        WindowHandle owner;
        std::wstring text;
        std::wstring caption;
        std::uint32_t style;
    };

    static constexpr int kAnswerOk = 1;  // IDOK

    std::uint8_t reportedSkin = 1;
    OsInfo osInfo{L"windows10", L"tester"};
    std::deque<int> answers;
    std::vector<Box> boxes;
    std::vector<std::wstring> calls;  // names of the other calls, in order
    std::vector<std::uint8_t> skinsSet;

    std::uint8_t InitDLL(WindowHandle) override { return Record(L"InitDLL"), reportedSkin; }
    OsInfo GetOSInfo() override { return Record(L"GetOSInfo"), osInfo; }
    void ShowVimbly(WindowHandle, int, int) override { Record(L"ShowVimbly"); }
    void ShowOurProducts(WindowHandle, int, int) override { Record(L"ShowOurProducts"); }
    void AddForm(const std::wstring& name, WindowHandle) override { Record(L"AddForm " + name); }
    void FormStyle(WindowHandle) override { Record(L"FormStyle"); }
    void ChangeSize() override { Record(L"ChangeSize"); }
    void SetSkin(std::uint8_t buttonColor) override {
        Record(L"SetSkin");
        skinsSet.push_back(buttonColor);
    }
    void VisitHomePage() override { Record(L"VisitHomePage"); }
    int ShowMessageBox(WindowHandle owner, const std::wstring& text, const std::wstring& caption,
                       std::uint32_t style) override {
        boxes.push_back({owner, text, caption, style});
        if (style != kMbQuestionYesNo) return kAnswerOk;
        if (answers.empty()) {
            ADD_FAILURE() << "unscripted question";
            return kAnswerNo;
        }
        int answer = answers.front();
        answers.pop_front();
        return answer;
    }

private:
    void Record(std::wstring name) { calls.push_back(std::move(name)); }
};

}  // namespace dusk::test
