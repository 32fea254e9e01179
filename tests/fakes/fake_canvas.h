#pragma once
#include <string>
#include <vector>

#include "controls/canvas.h"

namespace dusk::test {

// Every text is charWidth pixels a character wide (a space included) and lineHeight high.
struct FakeTextMetrics {
    int charWidth = 6;
    int lineHeight = 13;
    Size Of(const std::wstring& text) const { return {charWidth * int(text.size()), lineHeight}; }
};

// Records what is drawn; text "drawn" into a picture marks the pixel at its origin in the font
// colour, so compositions can be checked in the picture itself.
class FakeTextRenderer : public TextRenderer {
public:
    struct Draw {
        std::wstring text;
        Font font;
        Point at;
    };

    FakeTextMetrics metrics;
    std::vector<Draw> draws;
    std::vector<std::wstring> measured;

    Size MeasureText(const std::wstring& text, const Font&) override {
        measured.push_back(text);
        return metrics.Of(text);
    }
    void DrawTextInto(Picture& target, const std::wstring& text, const Font& font,
                      Point at) override {
        draws.push_back({text, font, at});
        if (at.x >= 0 && at.y >= 0 && at.x < target.Width() && at.y < target.Height()) {
            target.SetColorAt(at.x, at.y, font.color);
        }
    }
};

// Records every canvas call in order.
class FakeCanvas : public Canvas {
public:
    enum class Kind { Fill, Rectangle, Stretch, Picture, Text, Line, Save, Restore, Origin, Clip };
    struct Op {
        Kind kind;
        Rect rect{};                       // Fill, Rectangle, Clip; Stretch: destination
        Rect source{};                     // Stretch
        Point at{};                        // Picture, Text, Line start; Origin: the move
        Point to{};                        // Line end (excluded)
        Color pen = 0;                     // Rectangle; Fill, Line: the colour
        Color brush = 0;                   // Rectangle
        const Picture* picture = nullptr;  // Stretch, Picture: the object passed
        Size pictureSize{};                // and its size at the call
        std::wstring text{};               // Text
        Font font{};                       // Text
    };

    FakeTextMetrics metrics;
    std::vector<Op> ops;

    Size MeasureText(const std::wstring& text, const Font&) override { return metrics.Of(text); }
    void FillRectangle(const Rect& rect, Color color) override {
        ops.push_back({.kind = Kind::Fill, .rect = rect, .pen = color});
    }
    void DrawRectangle(const Rect& rect, Color pen, Color brush) override {
        ops.push_back({.kind = Kind::Rectangle, .rect = rect, .pen = pen, .brush = brush});
    }
    void StretchCopy(const Picture& source, const Rect& from, const Rect& to) override {
        ops.push_back({.kind = Kind::Stretch,
                       .rect = to,
                       .source = from,
                       .picture = &source,
                       .pictureSize = {source.Width(), source.Height()}});
    }
    void DrawPicture(const Picture& picture, Point at) override {
        ops.push_back({.kind = Kind::Picture,
                       .at = at,
                       .picture = &picture,
                       .pictureSize = {picture.Width(), picture.Height()}});
    }
    void DrawDevicePicture(const Picture& picture, Point at) override { DrawPicture(picture, at); }
    void DrawTextLine(const std::wstring& text, const Font& font, Point at) override {
        ops.push_back({.kind = Kind::Text, .at = at, .text = text, .font = font});
    }
    void DrawLine(Point from, Point to, Color color) override {
        ops.push_back({.kind = Kind::Line, .at = from, .to = to, .pen = color});
    }
    void SaveState() override { ops.push_back({.kind = Kind::Save}); }
    void RestoreState() override { ops.push_back({.kind = Kind::Restore}); }
    void MoveOrigin(int dx, int dy) override {
        ops.push_back({.kind = Kind::Origin, .at = {dx, dy}});
    }
    void ClipTo(const Rect& rect) override { ops.push_back({.kind = Kind::Clip, .rect = rect}); }

    std::vector<Op> OfKind(Kind kind) const {
        std::vector<Op> found;
        for (const Op& op : ops) {
            if (op.kind == kind) found.push_back(op);
        }
        return found;
    }
};

}  // namespace dusk::test
