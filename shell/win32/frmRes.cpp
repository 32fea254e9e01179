#include "shell/win32/frmRes.h"

#include <cwctype>
#include <utility>

#include "resources/picture_names.h"

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

std::vector<std::string_view> Split(std::string_view text) {
    std::vector<std::string_view> parts;
    for (std::size_t start = 0;;) {
        const std::size_t end = text.find('_', start);
        parts.push_back(text.substr(start, end == std::string_view::npos ? end : end - start));
        if (end == std::string_view::npos) return parts;
        start = end + 1;
    }
}

std::optional<TButtonColor> ColourNamed(std::string_view name) {
    constexpr std::pair<std::string_view, TButtonColor> kColours[] = {
        {"Blue", fBlue}, {"Green", fGreen}, {"Black", fBlack}, {"Yellow", fYellow}, {"Red", fRed}};
    for (const auto& [text, colour] : kColours) {
        if (text == name) return colour;
    }
    return std::nullopt;
}

std::optional<ButtonState> ButtonStateNamed(std::string_view name) {
    constexpr std::pair<std::string_view, ButtonState> kStates[] = {
        {"Normal", ButtonState::Normal},
        {"MouseOn", ButtonState::MouseOn},
        {"MouseDown", ButtonState::MouseDown},
        {"Disabled", ButtonState::Disabled}};
    for (const auto& [text, state] : kStates) {
        if (text == name) return state;
    }
    return std::nullopt;
}

std::optional<TXCheckBoxStatus> CheckNamed(std::string_view name) {
    if (name == "Checked") return csChecked;
    if (name == "Grayed") return csGrayed;
    if (name == "UnChecked") return csUnChecked;
    return std::nullopt;
}

std::optional<CheckBoxLook> LookNamed(std::string_view name) {
    constexpr std::pair<std::string_view, CheckBoxLook> kLooks[] = {
        {"Normal", CheckBoxLook::Normal},
        {"MouseOn", CheckBoxLook::MouseOn},
        {"Disabled", CheckBoxLook::Disabled},
        {"MouseDown", CheckBoxLook::MouseDown}};
    for (const auto& [text, look] : kLooks) {
        if (text == name) return look;
    }
    return std::nullopt;
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

void TfrmResource::LoadPictures(HMODULE module) {
    failed_.clear();
    for (const PictureInfo& info : kPictures) {
        std::optional<Picture> picture = LoadPictureResource(module, info.stem);
        // A picture of another size would break the layouts and stretches built on it.
        if (!picture || picture->Width() != info.width || picture->Height() != info.height ||
            picture->HasAlpha() != info.hasAlpha) {
            failed_.push_back(Widen(info.stem));
            continue;
        }
        Store(info.stem, *picture);
    }
}

void TfrmResource::Store(std::string_view stem, const Picture& picture) {
    if (Picture* single = Single(stem)) {
        *single = picture;
        return;
    }
    const std::vector<std::string_view> parts = Split(stem);
    if (parts.size() != 3) return;
    const std::pair<std::string_view, TXImageButtonPicList*> buttonLists[] = {
        {"imgListTab", &imgListTab},         {"imgListClose", &imgListClose},
        {"imgListMin", &imgListMin},         {"imgListMax", &imgListMax},
        {"imgListRestore", &imgListRestore}, {"XImageButtonPicList1", &XImageButtonPicList1},
        {"imgListOK", &imgListOK},           {"imgListLanguage", &imgListLanguage}};
    for (const auto& [name, list] : buttonLists) {
        const auto colour = ColourNamed(parts[1]);
        const auto state = ButtonStateNamed(parts[2]);
        if (name == parts[0] && colour && state) list->SetPic(*colour, *state, picture);
    }
    const std::pair<std::string_view, TXCheckBoxPicList*> checkLists[] = {
        {"XCheckBoxPicList1", &XCheckBoxPicList1}, {"XCheckBoxPicList2", &XCheckBoxPicList2}};
    for (const auto& [name, list] : checkLists) {
        const auto check = CheckNamed(parts[1]);
        const auto look = LookNamed(parts[2]);
        if (name == parts[0] && check && look) list->SetPic(*check, *look, picture);
    }
}

Picture* TfrmResource::Single(std::string_view stem) {
    const std::pair<std::string_view, Picture*> singles[] = {
        {"imgBKBlue", &frames.blue},
        {"imgBKGreen", &frames.green},
        {"imgBKBlack", &frames.black},
        {"imgBKYellow", &frames.yellow},
        {"imgBKRed", &frames.red},
        {"imgBKBlue2", &corners.blue},
        {"imgBKGreen2", &corners.green},
        {"imgBKBlack2", &corners.black},
        {"imgBKYellow2", &corners.yellow},
        {"imgBKRed2", &corners.red},
        {"jishi_icon1", &countdown.icon1},
        {"jishi_icon2", &countdown.icon2},
        {"jishi_backdrop", &countdown.backdrop},
        {"task_start_small", &taskStartSmall},
        {"task_cancel_small", &taskCancelSmall},
        {"tishi_info", &notice.info},
        {"tishi_tray_area", &notice.trayArea},
        {"app_icon_16", &appIcon16}};
    for (const auto& [name, picture] : singles) {
        if (name == stem) return picture;
    }
    constexpr std::string_view kDigit = "jishi_digit_";
    if (stem.size() == kDigit.size() + 1 && stem.starts_with(kDigit)) {
        const char digit = stem.back();
        if (digit >= '0' && digit <= '9') return &countdown.digits[std::size_t(digit - '0')];
    }
    return nullptr;
}

bool TfrmResource::Create(HWND owner) {
    LoadPictures(::GetModuleHandleW(nullptr));
    Creation creation{L"TfrmResource"};
    creation.style = WS_POPUP;
    creation.title = L"frmResource";
    creation.bounds = {0, 0, kClientWidth, kClientHeight};
    creation.parent = owner;
    return CreateWindowFor(creation);
}

LRESULT TfrmResource::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_QUERYENDSESSION) {
        Default(message, wParam, lParam);
        return 1;  // never blocks a log-off or shut-down
    }
    return Default(message, wParam, lParam);
}

}  // namespace dusk::win32
