#include "core/placeholder_text.h"

#include "base/text_case.h"

namespace dusk {

std::wstring ReplaceEveryIgnoringCase(std::wstring_view text, std::wstring_view placeholder,
                                      std::wstring_view replacement) {
    if (placeholder.empty()) return std::wstring(text);
    const std::wstring foldedText = FoldCase(text);
    const std::wstring foldedPlaceholder = FoldCase(placeholder);
    std::wstring result;
    std::size_t from = 0;
    for (std::size_t found = foldedText.find(foldedPlaceholder); found != std::wstring::npos;
         found = foldedText.find(foldedPlaceholder, from)) {
        result.append(text.substr(from, found - from));
        result.append(replacement);
        from = found + placeholder.size();
    }
    result.append(text.substr(from));
    return result;
}

std::wstring SubstitutePlaceholders(
    std::wstring_view text,
    std::initializer_list<std::pair<std::wstring_view, std::wstring_view>> replacements) {
    std::wstring result(text);
    for (const auto& [placeholder, replacement] : replacements) {
        result = ReplaceEveryIgnoringCase(result, placeholder, replacement);
    }
    return result;
}

}  // namespace dusk
