#pragma once
#include <string>

namespace dusk {

enum TXCheckBoxStatus { csChecked = 0, csGrayed = 1, csUnChecked = 2 };

// Image check box or radio button. (State part; painting, pictures and the mouse come with
// the rest of the control.)
class TXCheckBox {
public:
    TXCheckBoxStatus Status() const { return status_; }
    void SetStatus(TXCheckBoxStatus status) { status_ = status; }
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled) { enabled_ = enabled; }
    bool RadioButton() const { return radioButton_; }
    void SetRadioButton(bool radio) { radioButton_ = radio; }
    const std::wstring& Caption() const { return caption_; }
    void SetCaption(std::wstring caption) { caption_ = std::move(caption); }

private:
    TXCheckBoxStatus status_ = csUnChecked;
    bool enabled_ = true;
    bool radioButton_ = false;
    std::wstring caption_ = L"XCheckBox";
};

}  // namespace dusk
