#include "base/win32/unique_handle.h"

#include <gtest/gtest.h>

namespace dusk::win32 {
namespace {

bool IsOpenHandle(HANDLE handle) {
    DWORD flags = 0;
    return ::GetHandleInformation(handle, &flags) != FALSE;
}

HANDLE NewEvent() { return ::CreateEventW(nullptr, TRUE, FALSE, nullptr); }

TEST(UniqueHandle, ClosesOnDestruction) {
    HANDLE event = NewEvent();
    ASSERT_TRUE(IsOpenHandle(event));
    { UniqueHandle owner(event); }
    EXPECT_FALSE(IsOpenHandle(event));
}

TEST(UniqueHandle, MoveTransfersOwnership) {
    HANDLE first = NewEvent();
    HANDLE second = NewEvent();
    UniqueHandle a(first);
    UniqueHandle b(std::move(a));
    EXPECT_FALSE(a);
    EXPECT_EQ(b.Get(), first);

    UniqueHandle c(second);
    c = std::move(b);  // closes second, takes first
    EXPECT_FALSE(IsOpenHandle(second));
    EXPECT_TRUE(IsOpenHandle(first));
    c = std::move(c);  // self-move keeps it
    EXPECT_TRUE(IsOpenHandle(first));
    c.Reset();
    EXPECT_FALSE(IsOpenHandle(first));
}

TEST(UniqueHandle, ReleaseResetAndPut) {
    HANDLE event = NewEvent();
    {
        UniqueHandle owner(event);
        EXPECT_EQ(owner.Release(), event);
        EXPECT_FALSE(owner);
    }
    EXPECT_TRUE(IsOpenHandle(event));

    UniqueHandle owner(event);
    owner.Reset(event);  // the same handle again is not closed
    EXPECT_TRUE(IsOpenHandle(event));

    HANDLE* slot = owner.Put();  // closes the held handle before it is replaced
    EXPECT_FALSE(IsOpenHandle(event));
    EXPECT_FALSE(owner);
    *slot = NewEvent();
    EXPECT_TRUE(owner);
}

TEST(UniqueFile, InvalidHandleValueIsEmpty) {
    UniqueFile file(::CreateFileW(L"Z:\\no\\such\\folder\\file.txt", GENERIC_READ, 0, nullptr,
                                  OPEN_EXISTING, 0, nullptr));
    EXPECT_FALSE(file);
    EXPECT_EQ(file.Get(), INVALID_HANDLE_VALUE);
}

TEST(UniqueGdi, DeletesTheObject) {
    HBRUSH brush = ::CreateSolidBrush(RGB(1, 2, 3));
    ASSERT_EQ(::GetObjectType(brush), static_cast<DWORD>(OBJ_BRUSH));
    { UniqueBrush owner(brush); }
    EXPECT_EQ(::GetObjectType(brush), 0u);
}

TEST(UniqueMappedView, UnmapsTheView) {
    UniqueHandle mapping(
        ::CreateFileMappingW(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0, 4096, nullptr));
    ASSERT_TRUE(mapping);
    void* address = ::MapViewOfFile(mapping.Get(), FILE_MAP_READ | FILE_MAP_WRITE, 0, 0, 0);
    ASSERT_NE(address, nullptr);
    MEMORY_BASIC_INFORMATION info{};
    { UniqueMappedView view(address); }
    ASSERT_NE(::VirtualQuery(address, &info, sizeof info), 0u);
    EXPECT_EQ(info.State, static_cast<DWORD>(MEM_FREE));
}

TEST(SelectionGuard, PutsThePreviousObjectBack) {
    UniqueDC dc(::CreateCompatibleDC(nullptr));
    ASSERT_TRUE(dc);
    HGDIOBJ original = ::GetCurrentObject(dc.Get(), OBJ_BITMAP);
    UniqueBitmap bitmap(::CreateCompatibleBitmap(dc.Get(), 4, 4));
    {
        SelectionGuard guard(dc.Get(), bitmap.Get());
        EXPECT_EQ(::GetCurrentObject(dc.Get(), OBJ_BITMAP), bitmap.Get());
    }
    EXPECT_EQ(::GetCurrentObject(dc.Get(), OBJ_BITMAP), original);
}

// A COM object that counts its references.
class CountedObject : public IUnknown {
public:
    ULONG references = 1;
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
        if (!::IsEqualIID(iid, IID_IUnknown)) {
            *out = nullptr;
            return E_NOINTERFACE;
        }
        *out = this;
        AddRef();
        return S_OK;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++references; }
    ULONG STDMETHODCALLTYPE Release() override { return --references; }
};

TEST(ComPtr, CountsReferences) {
    CountedObject object;
    {
        ComPtr<IUnknown> first;
        *first.Put() = &object;  // takes over the creation reference
        ComPtr<IUnknown> copy(first);
        EXPECT_EQ(object.references, 2u);
        ComPtr<IUnknown> moved(std::move(copy));
        EXPECT_EQ(object.references, 2u);
        EXPECT_FALSE(copy);

        ComPtr<IUnknown> queried;
        EXPECT_EQ(first.As(IID_IUnknown, queried), S_OK);
        EXPECT_EQ(queried.Get(), &object);
        EXPECT_EQ(object.references, 3u);

        ComPtr<IUnknown> missing;
        EXPECT_EQ(first.As(IID_IClassFactory, missing), E_NOINTERFACE);
        EXPECT_FALSE(missing);
        EXPECT_EQ(object.references, 3u);

        first = moved;  // assigning the same object keeps the count balanced
        EXPECT_EQ(object.references, 3u);
    }
    EXPECT_EQ(object.references, 0u);
}

TEST(ComPtr, EmptyPointerAnswersEPointer) {
    ComPtr<IUnknown> empty;
    ComPtr<IUnknown> out;
    EXPECT_EQ(empty.As(IID_IUnknown, out), E_POINTER);
}

}  // namespace
}  // namespace dusk::win32
