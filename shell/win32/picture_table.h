#pragma once
#include <functional>
#include <map>
#include <string>

#include "controls/picture.h"

namespace dusk::win32 {

class ResourceWindow;

// Where each embedded picture decoded at load goes in the resource window, by stem: plain
// pictures and entries of the check-box picture lists alike.
using PictureTable = std::map<std::string, std::function<void(const Picture&)>, std::less<>>;

PictureTable MakePictureTable(ResourceWindow& resources);

// The lists that hold one colour at a time (the button picture lists and the corner pictures)
// decode their pictures by stem through `decode` when first read.
using PictureDecoder = std::function<Picture(const std::string& stem)>;
void ConnectColorSources(ResourceWindow& resources, const PictureDecoder& decode);

}  // namespace dusk::win32
