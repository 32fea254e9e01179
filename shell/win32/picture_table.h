#pragma once
#include <functional>
#include <map>
#include <string>

#include "controls/picture.h"

namespace dusk::win32 {

class ResourceWindow;

// Where each embedded picture goes in the resource window, by stem: plain pictures and entries
// of the button and check-box picture lists alike.
using PictureTable = std::map<std::string, std::function<void(const Picture&)>, std::less<>>;

PictureTable MakePictureTable(ResourceWindow& resources);

}  // namespace dusk::win32
