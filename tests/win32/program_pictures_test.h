#pragma once
#include <gtest/gtest.h>

#include "shell/win32/resource_window.h"

namespace dusk::test {

// A window test over the program's own pictures, decoded once for the whole test suite.
class ProgramPicturesTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        resources = new win32::ResourceWindow;
        resources->Create(nullptr);
    }
    static void TearDownTestSuite() {
        delete resources;
        resources = nullptr;
    }
    void SetUp() override { ASSERT_TRUE(resources->FailedPictures().empty()); }

    static inline win32::ResourceWindow* resources = nullptr;
};

// The same with a hidden owner window for the window under test, taken down after each test.
class OwnedWindowTest : public ProgramPicturesTest {
protected:
    void SetUp() override {
        ProgramPicturesTest::SetUp();
        owner = ::CreateWindowExW(0, L"STATIC", L"owner", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                  nullptr, nullptr);
    }
    void TearDown() override { ::DestroyWindow(owner); }

    HWND owner = nullptr;
};

}  // namespace dusk::test
