// make_pictures <pictures directory>: draws every picture of the program into the directory,
// the resource script beside it (../pictures.rc) and the application icon (../icons).
#include <cstdio>
#include <exception>
#include <filesystem>

#include "families.h"

int main(int argc, char** argv) {
    using namespace dusk::pictures;
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_pictures <resources/pictures>\n");
        return 2;
    }
    try {
        const std::filesystem::path pictures = argv[1];
        const std::filesystem::path resources = std::filesystem::absolute(pictures).parent_path();
        std::filesystem::create_directories(pictures);
        std::filesystem::create_directories(resources / "icons");
        PictureSink sink(pictures.string());
        drawFrames(sink);
        drawButtonLists(sink);
        drawCheckBoxes(sink);
        drawCountdown(sink);
        drawTaskSmallPictures(sink);
        drawNotice(sink);
        drawMainWindowPictures(sink);
        drawMenuAndTrayPictures(sink);
        drawAppIcon(sink, (resources / "icons" / "DuskRelay.ico").string());
        sink.checkComplete();
        sink.writeResourceScript((resources / "pictures.rc").string());
    } catch (const std::exception& e) {
        std::fprintf(stderr, "make_pictures: %s\n", e.what());
        return 1;
    }
    return 0;
}
