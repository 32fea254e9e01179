// Each family draws its pictures into the sink.
#pragma once

#include "picture_sink.h"

namespace dusk::pictures {

void drawFrames(PictureSink& sink);
void drawButtonLists(PictureSink& sink);
void drawCheckBoxes(PictureSink& sink);
void drawCountdown(PictureSink& sink);
void drawNotice(PictureSink& sink);
void drawTaskSmallPictures(PictureSink& sink);
void drawMainWindowPictures(PictureSink& sink);
void drawMenuAndTrayPictures(PictureSink& sink);
// Also writes the icon file, unless iconPath is empty.
void drawAppIcon(PictureSink& sink, const std::string& iconPath);

}  // namespace dusk::pictures
