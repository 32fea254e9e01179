#pragma once
#include <functional>
#include <string>

#include "base/date_time.h"

namespace dusk {

// Portable state of the platform controls the task logic reads and changes. onChange is the
// control's change event (the window's handler); onStateChanged lets the on-screen control
// follow any change of the model. Both run only when something actually changed.

// A date picker or time picker; which part of the value counts is the caller's.
class DateTimePickerModel {
public:
    DateTime Value() const { return value_; }
    void SetValue(DateTime value);
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled);

    std::function<void()> onChange;
    std::function<void()> onStateChanged;

private:
    DateTime value_;
    bool enabled_ = true;
};

// A read-only field that shows digits set through its up-down buttons.
class DigitFieldModel {
public:
    const std::wstring& Text() const { return text_; }
    void SetText(std::wstring text);
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled);

    std::function<void()> onChange;
    std::function<void()> onStateChanged;

private:
    std::wstring text_;
    bool enabled_ = true;
};

// Up-down buttons bound to a digit field: a step moves the position by one within
// [Minimum, Maximum] without wrapping and writes the position into the field.
class UpDownModel {
public:
    UpDownModel(DigitFieldModel& field, int minimum, int maximum, int position);

    int Position() const { return position_; }
    int Minimum() const { return minimum_; }
    int Maximum() const { return maximum_; }
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled);

    // The up and down buttons, or the arrow keys while the field has the focus. Nothing
    // happens while disabled.
    void StepUp() { Step(+1); }
    void StepDown() { Step(-1); }

    std::function<void()> onStateChanged;

private:
    void Step(int delta);

    DigitFieldModel& field_;
    int minimum_;
    int maximum_;
    int position_;
    bool enabled_ = true;
};

}  // namespace dusk
