// make_pictures <pictures directory>: draws every picture of the program into the directory, once
// per picture set (the larger sets in subfolders), the resource script beside it (../pictures.rc)
// and the application icon (../icons).
#include <cstdio>
#include <exception>
#include <filesystem>

#include "families.h"
#include "resources/picture_names.h"

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
        for (const dusk::PictureSet& set : dusk::kPictureSets) {
            const std::filesystem::path folder = pictures / set.folder;
            std::filesystem::create_directories(folder);
            const DrawingScale scale(set.percent / 100.0);
            PictureSink sink(folder.string());
            drawFrames(sink);
            drawButtonLists(sink);
            drawCheckBoxes(sink);
            drawCountdown(sink);
            drawTaskSmallPictures(sink);
            drawNotice(sink);
            drawMainWindowPictures(sink);
            drawMenuAndTrayPictures(sink);
            // The icon file holds its own sizes; it is written once.
            drawAppIcon(sink, set.percent == 100 ? (resources / "icons" / "DuskRelay.ico").string()
                                                 : std::string());
            sink.checkComplete();
        }
        writeResourceScript((resources / "pictures.rc").string());
    } catch (const std::exception& e) {
        std::fprintf(stderr, "make_pictures: %s\n", e.what());
        return 1;
    }
    return 0;
}
