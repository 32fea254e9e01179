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

    std::uint8_t StartLibrary(WindowHandle) override {
        return Record(L"StartLibrary"), reportedSkin;
    }
    OsInfo ReadOsInfo() override { return Record(L"ReadOsInfo"), osInfo; }
    void ShowCompanionPage(WindowHandle, int, int) override { Record(L"ShowCompanionPage"); }
    void ShowProductsPage(WindowHandle, int, int) override { Record(L"ShowProductsPage"); }
    void RegisterWindow(const std::wstring& name, WindowHandle) override {
        Record(L"RegisterWindow " + name);
    }
    void StyleWindow(WindowHandle) override { Record(L"StyleWindow"); }
    void MainWindowResized() override { Record(L"MainWindowResized"); }
    void UseSkinColor(std::uint8_t buttonColor) override {
        Record(L"UseSkinColor");
        skinsSet.push_back(buttonColor);
    }
    void OpenHomePage() override { Record(L"OpenHomePage"); }
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
