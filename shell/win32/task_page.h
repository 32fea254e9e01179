#pragma once
#include <windows.h>

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "base/win32/window_base.h"
#include "controls/display_scale.h"
#include "controls/label.h"
#include "controls/win32/buffered_paint.h"
#include "controls/win32/check_box_window.h"
#include "controls/win32/date_time_picker_host.h"
#include "controls/win32/digit_field_host.h"
#include "controls/win32/image_button_router.h"
#include "core/task_view.h"
#include "shell/win32/resource_window.h"
#include "shell/win32/task_page_button.h"
#include "shell/win32/warning_lead_link.h"

namespace dusk::win32 {

// The first tab's page: the task controls bound to the task view's models on white, with the
// skin's box outlines and title bars. The check boxes, pickers and delay fields are child
// windows; the texts, pictures, boxes and the Start Task and Cancel Task buttons are painted by
// the page itself.
class TaskPage : public WindowBase, public ControlParent {
public:
    static constexpr Size kDesignSize{661, 419};

    // skinCode is the process-wide value, read when the page is painted or recoloured.
    TaskPage(TaskView& view, const ResourceWindow& resources, const std::uint8_t& skinCode);
    TaskPage(const TaskPage&) = delete;
    TaskPage& operator=(const TaskPage&) = delete;
    ~TaskPage() override;

    // bounds in the parent's design pixels.
    bool Create(HWND parent, const Rect& bounds);
    // The child controls placed, and given their font, for the page's current display scale.
    void Relayout();
    // Reading order: the actions, each time choice with its fields, the early warning's lead
    // time, Postpone, Start Task, Cancel Task.
    std::vector<HWND> FocusOrder() const;

    // Button colours, box outlines and title bars, and the date picker's calendar colours.
    void ApplySkin();

    const ColorImageButton& StartTaskButton() const { return startButton_.Button(); }
    const ColorImageButton& CancelTaskButton() const { return cancelButton_.Button(); }
    const ColorImageButton& PostponeButton() const { return postponeButton_.Button(); }
    WarningLeadLink& WarningLead() { return warningLead_; }
    // Opens the Postpone menu at a screen point; answers the minutes chosen, 0 for none.
    std::function<int(POINT)> choosePostpone;
    const DateTimePickerHost& DailyTimePicker() const { return *pickers_[0]; }
    const DateTimePickerHost& SpecifiedDatePicker() const { return *pickers_[1]; }
    const DateTimePickerHost& SpecifiedTimePicker() const { return *pickers_[2]; }
    const DigitFieldHost& DelayHours() const { return hours_; }
    const DigitFieldHost& DelayMinutes() const { return minutes_; }
    // The child window of one of the seven image check boxes; null for another box.
    HWND CheckBoxHandle(const ImageCheckBox& box) const;

    // ControlParent: what the check boxes show behind them, in the page's coordinates.
    Size ClientSize() const override;
    void EraseBackground(Canvas& canvas) override;
    void PaintContent(Canvas& canvas) override;

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void SetUpCheckBoxes();
    void BindLabel(LabelModel& model, const Rect& area);
    void OnPostponeClick();
    void PaintBox(Canvas& canvas, const Rect& outline, const Rect& titleBar) const;
    std::optional<LRESULT> Notify(const NMHDR& header);

    TaskView& view_;
    const ResourceWindow& resources_;
    const std::uint8_t& skinCode_;
    GdiTextRenderer text_;
    PaintBuffer paintBuffer_;
    UniqueFont inputFont_;    // of the pickers and delay fields
    DisplayScale fontScale_;  // the input font's

    std::vector<std::unique_ptr<CheckBoxWindow>> checkBoxes_;
    std::array<std::unique_ptr<DateTimePickerHost>, 3> pickers_;
    DigitFieldHost hours_;
    DigitFieldHost minutes_;

    TaskPageButton startButton_;
    TaskPageButton cancelButton_;
    TaskPageButton postponeButton_;
    ImageButtonRouter buttons_;
    WarningLeadLink warningLead_;

    std::vector<Label> staticLabels_;
    std::vector<LabelModel*> boundLabels_;  // their notices are dropped with the page
};

}  // namespace dusk::win32
