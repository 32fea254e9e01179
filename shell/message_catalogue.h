#pragma once
#include <array>
#include <string>

namespace dusk {

// Every text the program shows in message boxes, hints, the countdown caption and the task
// summary. Entries are named after the labels that carry them.
enum class CatalogueEntry {
    Lbl_lan1 = 1,
    Lbl_lan2,
    Lbl_lan3,
    Lbl_lan4,
    Lbl_lan5,
    Lbl_lan6,
    Lbl_lan7,
    Lbl_lan8,
    Lbl_lan9,
    Lbl_lan10,
    Lbl_lan11,
    Lbl_lan12,
    Lbl_lan13,
    Lbl_lan14,
    Lbl_lan15,
    Lbl_lan16,
    Lbl_lan17,
    Lbl_lan18,
    Lbl_lan19,
    Lbl_lan20,
    Lbl_lan21,
    Lbl_lan22,
    Lbl_lan23,
    Lbl_lan24,
    Lbl_lan25,
};

constexpr int kCatalogueEntryCount = 25;

// The texts can be replaced while the program runs (the companion library may translate the
// labels), so users read an entry at each use and never keep a copy.
class MessageCatalogue {
public:
    MessageCatalogue();

    std::wstring Text(CatalogueEntry entry) const;
    void SetText(CatalogueEntry entry, std::wstring text);

private:
    static std::size_t Index(CatalogueEntry entry);

    std::array<std::wstring, kCatalogueEntryCount> texts_;
};

}  // namespace dusk
