// mock_windows <pictures directory> <output directory>: paints the countdown, notice and main
// windows of every skin from the committed pictures alone, the way the program places and
// slices them, so the pictures can be judged in place. Captions are left to preview.sh.
#include <cstdio>
#include <exception>
#include <string>

#include "png_io.h"
#include "skins.h"

namespace dusk::pictures {
namespace {

std::string g_dir;

Image load(const std::string& stem) { return readPng(g_dir + "/" + stem + ".png"); }

void paintFrame(Image& win, const Image& f) {
    const int w = win.width();
    const int h = win.height();
    stretchCopy(win, 0, 0, 5, 15, f, 0, 0, 5, 15);
    stretchCopy(win, 5, 0, w - 10, 15, f, 5, 0, 5, 15);
    stretchCopy(win, w - 5, 0, 5, 15, f, 15, 0, 5, 15);
    stretchCopy(win, w - 5, 15, 5, h - 20, f, 15, 15, 5, 2);
    stretchCopy(win, w - 5, h - 5, 5, 5, f, 15, 15, 5, 5);
    stretchCopy(win, 5, h - 5, w - 10, 5, f, 10, 15, 5, 5);
    stretchCopy(win, 0, h - 5, 5, 5, f, 0, 15, 5, 5);
    stretchCopy(win, 0, 15, 5, h - 20, f, 0, 15, 5, 2);
}

// Three-slice horizontal stretch with a margin of a quarter of the source width.
Image stretched(const Image& src, int width) {
    const int m = src.width() / 4;
    Image out(width, src.height());
    for (int y = 0; y < src.height(); ++y) {
        for (int x = 0; x < width; ++x) {
            int sx = x < m ? x : (x < width - m ? m : src.width() - (width - x));
            out.at(x, y) = src.at(sx, y);
        }
    }
    return out;
}

void fillRect(Image& img, int x0, int y0, int x1, int y1, Color c) {
    for (int y = y0; y < y1; ++y) {
        for (int x = x0; x < x1; ++x) img.at(x, y) = c;
    }
}

Image window(const Skin& skin, int w, int h) {
    Image win(w, h, skin.window);
    paintFrame(win, load("imgBK" + std::string(skin.name)));
    return win;
}

std::string list(const char* name, const Skin& skin, const char* state) {
    return std::string(name) + "_" + std::string(skin.name) + "_" + state;
}

void countdown(const Skin& skin, const std::string& out) {
    Image win = window(skin, 369, 200);
    const int px = 3, py = 24;
    fillRect(win, px, py, px + 363, py + 173, skin.panel);
    composite(win, load("jishi_icon1"), px + 17, py + 44);
    composite(win, load("jishi_backdrop"), px + 97, py + 34);
    composite(win, load("jishi_digit_3"), px + 192, py + 52);
    composite(win, load("jishi_digit_0"), px + 226, py + 53);
    Image button = stretched(load(list("imgListOK", skin, "Normal")), 135);
    composite(button, load("task_cancel_small"), 13, 8);
    composite(win, button, px + 207, py + 131);
    writePng(out + "/countdown_" + std::string(skin.name) + ".png", win, false);
    Image blink = load("jishi_icon2");
    Image pair(140, 70, skin.panel);
    composite(pair, load("jishi_icon1"), 2, 2);
    composite(pair, blink, 72, 2);
    writePng(out + "/blink_" + std::string(skin.name) + ".png", pair, false);
}

void notice(const Skin& skin, const std::string& out) {
    Image win = window(skin, 356, 220);
    const int px = 3, py = 24;
    fillRect(win, px, py, px + 350, py + 193, skin.panel);
    composite(win, load("tishi_info"), px + 14, py + 12);
    composite(win, load("tishi_tray_area"), px + 79, py + 53);
    composite(win, load("XCheckBoxPicList2_UnChecked_Normal"), px + 14 + 2, py + 165 + 2);
    composite(win, stretched(load(list("imgListOK", skin, "Normal")), 90), px + 256, py + 156);
    writePng(out + "/notice_" + std::string(skin.name) + ".png", win, false);
}

// Outline colour of the two boxes on the task page, by skin.
Color boxOutline(const Skin& skin) {
    const std::string name(skin.name);
    if (name == "Green") return fromBgr(0xAEF89C);
    if (name == "Black") return fromBgr(0xC1C1C1);
    if (name == "Yellow") return fromBgr(0xA2D0FF);
    if (name == "Red") return fromBgr(0xB4BEFC);
    return fromBgr(0xF3D8B1);
}

int boxTitleIndex(const Skin& skin) {
    const std::string name(skin.name);
    return name == "Green" ? 0 : name == "Red" ? 1 : name == "Yellow" ? 2 : name == "Black" ? 4 : 3;
}

void frameRect(Image& img, int x, int y, int w, int h, Color c) {
    fillRect(img, x, y, x + w, y + 1, c);
    fillRect(img, x, y + h - 1, x + w, y + h, c);
    fillRect(img, x, y, x + 1, y + h, c);
    fillRect(img, x + w - 1, y, x + w, y + h, c);
}

Image scaled(const Image& src, int w, int h) {
    Image out(w, h);
    stretchCopy(out, 0, 0, w, h, src, 0, 0, src.width(), src.height());
    return out;
}

void mainWindow(const Skin& skin, const std::string& out) {
    const int w = 700, h = 524;
    Image win = window(skin, w, h);
    composite(win, load("imgBK" + std::string(skin.name) + "2"), w - 230, 0);
    fillRect(win, 14, 65, w - 14, h - 38, kWhite);
    fillRect(win, 20, h - 38, w - 20, h - 32, kWhite);
    fillRect(win, 14, 65, w - 14, 66, fromRgb(0x666666));
    fillRect(win, 14, 65, 15, h - 38, fromRgb(0x666666));
    composite(win, load("imgBKWhiteRightBottom"), w - 20, h - 38);
    composite(win, load("imgBKWhiteLeftBottom"), 14, h - 38);
    composite(win, scaled(load("imgBKWhiteBottom"), w - 42, 8), 22, h - 38);
    composite(win, scaled(load("imgBKWhiteRight"), 8, h - 104), w - 20, 66);
    const char* selectors[] = {"Green", "Red", "Yellow", "Blue", "Black"};
    for (int i = 0; i < 5; ++i)
        composite(win, load(std::string("btnSkin") + selectors[i]), 525 + 15 * i, 5);
    composite(win, load(list("imgListMin", skin, "Normal")), 602, 1);
    composite(win, load(list("imgListMax", skin, "Disabled")), 627, 1);
    composite(win, load(list("imgListClose", skin, "Normal")), 652, 1);
    composite(win, load(list("imgListTab", skin, "Normal")), 242, 35);
    composite(win, load(list("imgListTab", skin, "MouseOn")), 127, 35);
    composite(win, load(list("imgListTab", skin, "Disabled")), 12, 35);
    const int mx = 20, my = 72;
    fillRect(win, mx, my, mx + 661, my + 419, kWhite);
    composite(win, load("main_product"), mx + 34, my + 16);
    frameRect(win, mx + 28, my + 112, 258, 241, boxOutline(skin));
    frameRect(win, mx + 298, my + 112, 331, 241, boxOutline(skin));
    const Image title = load("ImageList3_" + std::to_string(boxTitleIndex(skin)));
    composite(win, scaled(title, 254, 19), mx + 30, my + 116);
    composite(win, scaled(title, 327, 21), mx + 300, my + 114);
    const char* looks[] = {"Checked_Normal", "UnChecked_Normal", "UnChecked_MouseOn",
                           "UnChecked_Disabled"};
    const int radioTops[] = {153, 206, 260, 310};
    for (int i = 0; i < 4; ++i) {
        composite(win, load(std::string("XCheckBoxPicList1_") + looks[i]), mx + 57 + 2,
                  my + radioTops[i] + 2);
    }
    composite(win, load("XCheckBoxPicList1_Checked_MouseOn"), mx + 316 + 2, my + 152 + 2);
    composite(win, load("XCheckBoxPicList1_Checked_Disabled"), mx + 316 + 2, my + 205 + 2);
    composite(win, load("XCheckBoxPicList1_UnChecked_Normal"), mx + 316 + 2, my + 256 + 2);
    composite(win, load("main_hourglass"), mx + 28, my + 372);
    Image start = stretched(load(list("XImageButtonPicList1", skin, "Normal")), 135);
    composite(start, load("task_start_small"), 13, 7);
    composite(win, start, mx + 495, my + 372);
    Image hover = stretched(load(list("XImageButtonPicList1", skin, "MouseOn")), 135);
    composite(hover, load("task_cancel_small"), 13, 7);
    composite(win, hover, mx + 345, my + 372);
    writePng(out + "/main_" + std::string(skin.name) + ".png", win, false);
}

}  // namespace
}  // namespace dusk::pictures

int main(int argc, char** argv) {
    using namespace dusk::pictures;
    if (argc != 3) {
        std::fprintf(stderr, "usage: mock_windows <pictures> <output>\n");
        return 2;
    }
    g_dir = argv[1];
    try {
        for (const Skin& skin : kSkins) {
            countdown(skin, argv[2]);
            notice(skin, argv[2]);
            mainWindow(skin, argv[2]);
        }
    } catch (const std::exception& e) {
        std::fprintf(stderr, "mock_windows: %s\n", e.what());
        return 1;
    }
    return 0;
}
