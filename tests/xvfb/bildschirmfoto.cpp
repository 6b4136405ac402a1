#include <algorithm>
#include <cstdint>
#include <vector>

#include <X11/Xlib.h>
#include <X11/Xutil.h>

std::vector<uint32_t> Bildschirmfoto(int& breite, int& hoehe)
{
    std::vector<uint32_t> rgb;
    Display* d = XOpenDisplay(nullptr);
    if (!d)
        return rgb;
    breite = std::clamp(breite, 0, DisplayWidth(d, DefaultScreen(d)));
    hoehe = std::clamp(hoehe, 0, DisplayHeight(d, DefaultScreen(d)));
    XImage* bild = breite > 0 && hoehe > 0
                       ? XGetImage(d, DefaultRootWindow(d), 0, 0, unsigned(breite), unsigned(hoehe), AllPlanes, ZPixmap)
                       : nullptr;
    if (bild) {
        rgb.resize(size_t(breite) * size_t(hoehe));
        for (int y = 0; y < hoehe; ++y)
            for (int x = 0; x < breite; ++x)
                rgb[size_t(y) * size_t(breite) + size_t(x)] = uint32_t(XGetPixel(bild, x, y)) & 0xFFFFFFu;
        XDestroyImage(bild);
    }
    XCloseDisplay(d);
    return rgb;
}
