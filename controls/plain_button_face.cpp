#include "controls/plain_button_face.h"

#include "controls/system_colors.h"

namespace dusk {

void PaintPlainButtonFace(Canvas& canvas, const ImageButton& button, bool lit) {
    const Rect bounds{button.Left(), button.Top(), button.Left() + button.Width(),
                      button.Top() + button.Height()};
    const bool enabled = button.Enabled();
    canvas.DrawRectangle(bounds, enabled && lit ? kSystemHighlight : kSystemButtonText,
                         kSystemButtonFace);
    Font font = enabled ? button.Font() : button.DisabledFont();
    font.color = enabled ? kSystemButtonText : kSystemGrayText;
    const Size text = canvas.MeasureText(button.Caption(), font);
    canvas.DrawTextLine(button.Caption(), font,
                        {bounds.left + (bounds.Width() - text.width) / 2,
                         bounds.top + (bounds.Height() - text.height) / 2});
}

}  // namespace dusk
