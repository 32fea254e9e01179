#include "controls/label.h"

namespace dusk {

namespace {

std::vector<std::wstring> SplitAt(const std::wstring& text, wchar_t separator) {
    std::vector<std::wstring> parts;
    std::size_t start = 0;
    for (;;) {
        const std::size_t end = text.find(separator, start);
        parts.push_back(text.substr(start, end == std::wstring::npos ? end : end - start));
        if (end == std::wstring::npos) return parts;
        start = end + 1;
    }
}

}  // namespace

std::vector<std::wstring> WrapWords(TextMeasurer& measurer, const std::wstring& text,
                                    const Font& font, int width) {
    std::vector<std::wstring> lines;
    for (const std::wstring& paragraph : SplitAt(text, L'\n')) {
        std::wstring line;
        for (const std::wstring& word : SplitAt(paragraph, L' ')) {
            if (word.empty()) continue;
            const std::wstring longer = line.empty() ? word : line + L' ' + word;
            if (line.empty() || measurer.MeasureText(longer, font).width <= width) {
                line = longer;
            } else {
                lines.push_back(line);
                line = word;
            }
        }
        lines.push_back(line);
    }
    return lines;
}

void Label::Paint(Canvas& canvas) const {
    if (!wordWrap) {
        canvas.DrawTextLine(caption, font, {box.left, box.top});
        return;
    }
    canvas.SaveState();
    canvas.ClipTo(box);
    int y = box.top;
    for (const std::wstring& line : WrapWords(canvas, caption, font, box.Width())) {
        canvas.DrawTextLine(line, font, {box.left, y});
        y += canvas.MeasureText(line, font).height;
        if (y >= box.bottom) break;
    }
    canvas.RestoreState();
}

}  // namespace dusk
