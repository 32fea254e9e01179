#include "shell/win32/resource_window.h"

#include <algorithm>
#include <cwctype>
#include <iterator>
#include <span>

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

// The bytes of a picture embedded as RCDATA under its upper-case stem; empty when missing.
std::span<const std::uint8_t> PictureBytes(HMODULE module, std::string_view stem) {
    const std::wstring name = ResourceName(stem);
    const HRSRC info = ::FindResourceW(module, name.c_str(), MAKEINTRESOURCEW(10));  // RT_RCDATA
    if (info == nullptr) return {};
    const HGLOBAL loaded = ::LoadResource(module, info);
    const DWORD size = ::SizeofResource(module, info);
    const void* bytes = loaded != nullptr ? ::LockResource(loaded) : nullptr;
    if (bytes == nullptr) return {};
    return {static_cast<const std::uint8_t*>(bytes), std::size_t(size)};
}

std::optional<Picture::Shape> PictureShapeResource(HMODULE module, std::string_view stem) {
    const auto bytes = PictureBytes(module, stem);
    if (bytes.empty()) return std::nullopt;
    return Picture::ShapeOfPng(bytes);
}

// A picture of another size or kind would break the layouts and stretches built on it.
bool FitsItsSlot(const std::optional<Picture::Shape>& shape, const PictureInfo& info) {
    return shape && shape->width == info.width && shape->height == info.height &&
           shape->hasAlpha == info.hasAlpha;
}

bool FitsItsSlot(const std::optional<Picture>& picture, const PictureInfo& info) {
    return picture &&
           FitsItsSlot(Picture::Shape{picture->Width(), picture->Height(), picture->HasAlpha()},
                       info);
}

std::string_view SuffixOf(int percent) {
    for (const PictureSet& set : kPictureSets) {
        if (set.percent == percent) return set.suffix;
    }
    return {};
}

// The picture of a stem of the picture table; blank when it does not fit its slot.
Picture LoadCheckedPicture(HMODULE module, const std::string& stem) {
    const auto info = std::find_if(std::begin(kPictures), std::end(kPictures),
                                   [&stem](const PictureInfo& i) { return i.stem == stem; });
    std::optional<Picture> picture = LoadPictureResource(module, stem);
    if (info == std::end(kPictures) || !FitsItsSlot(picture, *info)) return Picture();
    return std::move(*picture);
}

}  // namespace

std::optional<Picture> LoadPictureResource(HMODULE module, std::string_view stem) {
    const auto bytes = PictureBytes(module, stem);
    if (bytes.empty()) return std::nullopt;
    return Picture::FromPng(bytes);
}

ResourceWindow::~ResourceWindow() {
    if (module_ != nullptr) SetDetailedPictureSource(nullptr);
}

void ResourceWindow::LoadPictures(HMODULE module) {
    loaded_ = true;
    module_ = module;
    detailed_.clear();
    decodedStems_.clear();
    SetDetailedPictureSource([this](DisplayScale scale) { return DetailedFor(scale); });
    failed_.clear();
    // Every picture is checked here; those of the lists that hold one colour at a time are
    // decoded when first read.
    const PictureTable table = MakePictureTable(*this);
    for (const PictureInfo& info : kPictures) {
        const auto target = table.find(info.stem);
        if (target == table.end()) {
            if (!FitsItsSlot(PictureShapeResource(module, info.stem), info)) {
                failed_.push_back(Widen(info.stem));
            }
            continue;
        }
        const std::optional<Picture> picture = LoadPictureResource(module, info.stem);
        if (!FitsItsSlot(picture, info)) {
            failed_.push_back(Widen(info.stem));
            continue;
        }
        target->second(*picture);
        decodedStems_.emplace_back(info.stem);
    }
    ConnectColorSources(*this,
                        [this](const std::string& stem) { return DecodeColorPicture(stem); });
}

Picture ResourceWindow::DecodeColorPicture(const std::string& stem) {
    Picture picture = LoadCheckedPicture(module_, stem);
    decodedStems_.push_back(stem);
    for (auto& [percent, set] : detailed_) AddDetailed(set, percent, stem, picture);
    return picture;
}

void ResourceWindow::AddDetailed(DetailedPictures& set, int percent, const std::string& stem,
                                 const Picture& design) const {
    std::optional<Picture> detailed =
        LoadPictureResource(module_, stem + std::string(SuffixOf(percent)));
    if (detailed) set.Add(design, std::move(*detailed));
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
    for (const std::string& stem : decodedStems_) {
        if (const std::optional<Picture> design = LoadPictureResource(module_, stem)) {
            AddDetailed(found->second, percent, stem, *design);
        }
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
