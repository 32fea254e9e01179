#pragma once
#include <vector>

#include "controls/canvas.h"
#include "controls/detailed_pictures.h"
#include "controls/display_scale.h"

namespace dusk {

// A canvas in design pixels over a canvas in display pixels: positions, sizes, line widths and
// fonts scale (text is measured in the design font, so layouts do not move with the scale); a
// picture is drawn from its detailed version for the scale where there is one (fitted to the
// exact size, FitPicture), otherwise fitted itself. The origin is kept here, so
// every position rounds once.
class ScaledCanvas : public Canvas {
public:
    // `detailed` may be null; both must outlive the canvas.
    ScaledCanvas(Canvas& device, DisplayScale scale, const DetailedPictures* detailed);

    Size MeasureText(const std::wstring& text, const Font& font) override;
    void FillRectangle(const Rect& rect, Color color) override;
    void DrawRectangle(const Rect& rect, Color pen, Color brush) override;
    void StretchCopy(const Picture& source, const Rect& from, const Rect& to) override;
    void DrawPicture(const Picture& picture, Point at) override;
    void DrawDevicePicture(const Picture& picture, Point at) override;
    void DrawTextLine(const std::wstring& text, const Font& font, Point at) override;
    void DrawLine(Point from, Point to, Color color) override;
    void SaveState() override;
    void RestoreState() override;
    void MoveOrigin(int dx, int dy) override;
    void ClipTo(const Rect& rect) override;

private:
    Rect Device(const Rect& design) const;
    Point Device(Point design) const;

    Canvas& device_;
    DisplayScale scale_;
    const DetailedPictures* detailed_;
    Point origin_;
    std::vector<Point> saved_;
};

}  // namespace dusk
