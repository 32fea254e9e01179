#include "base/win32/window_base.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace dusk::win32 {
namespace {

// Its handler throws for one message, as a bad catalogue entry would.
class ThrowingWindow : public WindowBase {
public:
    ThrowingWindow() {
        Creation creation{L"DuskTestThrowingWindow"};
        creation.style = WS_POPUP;
        creation.title = L"Dusk";
        CreateWindowFor(creation);
    }

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == WM_GETTEXTLENGTH) throw std::out_of_range("no such entry");
        return Default(message, wParam, lParam);
    }
};

TEST(WindowBaseTest, AThrowingHandlerLeavesTheMessageToTheDefaultHandling) {
    ThrowingWindow window;
    ASSERT_NE(window.Handle(), nullptr);
    EXPECT_EQ(::SendMessageW(window.Handle(), WM_GETTEXTLENGTH, 0, 0), 4);
}

}  // namespace
}  // namespace dusk::win32
