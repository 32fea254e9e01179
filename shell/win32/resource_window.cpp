#include "shell/win32/resource_window.h"

#include <algorithm>
#include <cwctype>
#include <iterator>

#include "controls/win32/window_scale.h"
#include "resources/picture_names.h"
#include "shell/win32/picture_table.h"

namespace dusk::win32 {

namespace {

constexpr int kClientWidth = 695;
constexpr int kClientHeight = 580;

std::wstring Widen(std::string_view text) { return std::wstring(text.begin(), text.end()); }

std::wstring ResourceName(std::string_view stem) {
    std::wstring name = Widen(stem);
    for (wchar_t& c : name) c = wchar_t(::towupper(c));
    return name;
}

}  // namespace

std::optional<Picture> LoadPictureResource(HMODULE module, std::string_view stem) {
    const std::wstring name = ResourceName(stem);
    const HRSRC info = ::FindResourceW(module, name.c_str(), MAKEINTRESOURCEW(10));  // RT_RCDATA
    if (info == nullptr) return std::nullopt;
    const HGLOBAL loaded = ::LoadResource(module, info);
    const DWORD size = ::SizeofResource(module, info);
    const void* bytes = loaded != nullptr ? ::LockResource(loaded) : nullptr;
    if (bytes == nullptr || size == 0) return std::nullopt;
    return Picture::FromPng({static_cast<const std::uint8_t*>(bytes), std::size_t(size)});
}

ResourceWindow::~ResourceWindow() {
    if (module_ != nullptr) SetDetailedPictureSource(nullptr);
}

void ResourceWindow::LoadPictures(HMODULE module) {
    loaded_ = true;
    module_ = module;
    detailed_.clear();
    SetDetailedPictureSource([this](DisplayScale scale) { return DetailedFor(scale); });
    failed_.clear();
    const PictureTable table = MakePictureTable(*this);
    for (const PictureInfo& info : kPictures) {
        const auto target = table.find(info.stem);
        std::optional<Picture> picture = LoadPictureResource(module, info.stem);
        // A picture of another size would break the layouts and stretches built on it.
        if (target == table.end() || !picture || picture->Width() != info.width ||
            picture->Height() != info.height || picture->HasAlpha() != info.hasAlpha) {
            failed_.push_back(Widen(info.stem));
            continue;
        }
        target->second(*picture);
    }
}

const DetailedPictures* ResourceWindow::DetailedFor(DisplayScale scale) const {
    if (module_ == nullptr) return nullptr;
    int percents[std::size(kPictureSets)];
    for (std::size_t i = 0; i < std::size(kPictureSets); ++i) percents[i] = kPictureSets[i].percent;
    const int percent = NearestPictureSet(scale, percents);
    const auto set = std::find_if(std::begin(kPictureSets), std::end(kPictureSets),
                                  [percent](const PictureSet& s) { return s.percent == percent; });
    if (set == std::begin(kPictureSets)) return nullptr;
    const auto [found, fresh] = detailed_.try_emplace(percent);
    if (!fresh) return &found->second;
    for (const PictureInfo& info : kPictures) {
        std::optional<Picture> design = LoadPictureResource(module_, info.stem);
        std::optional<Picture> detailed =
            LoadPictureResource(module_, std::string(info.stem) + std::string(set->suffix));
        if (design && detailed) found->second.Add(*design, std::move(*detailed));
    }
    return &found->second;
}

bool ResourceWindow::Create(HWND owner) {
    if (!loaded_) LoadPictures(::GetModuleHandleW(nullptr));
    Creation creation{L"TfrmResource"};
    creation.style = WS_POPUP;
    creation.title = L"frmResource";
    creation.bounds = {0, 0, kClientWidth, kClientHeight};
    creation.parent = owner;
    return CreateWindowFor(creation);
}

LRESULT ResourceWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_QUERYENDSESSION) {
        Default(message, wParam, lParam);
        return 1;  // never blocks a log-off or shut-down
    }
    return Default(message, wParam, lParam);
}

}  // namespace dusk::win32
