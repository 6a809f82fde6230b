// Looks at the program's windows on an X display (no window manager) as a user would:
//   x11probe find TITLE           prints "ID X Y WIDTH HEIGHT" of the mapped top-level window of that title,
//                                 X and Y being its client area's place on the screen
//   x11probe place ID             prints "X Y WIDTH HEIGHT" of that window, as find does
//   x11probe close ID             asks the window to close (WM_DELETE_WINDOW), as its close box does
//   x11probe count ID X Y W H RGB prints how many pixels of that part of the window are near the
//                                 colour RGB (hex, like ff0000): text colour without reading the text
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

Window findMapped(Display* display, const std::string& title, XWindowAttributes& attributes)
{
    Window root = 0, parent = 0, *children = nullptr, found = 0;
    unsigned int count = 0;
    XQueryTree(display, DefaultRootWindow(display), &root, &parent, &children, &count);
    for (unsigned int i = 0; i < count && !found; ++i) {
        char* name = nullptr;
        if (XGetWindowAttributes(display, children[i], &attributes) && attributes.map_state == IsViewable &&
            XFetchName(display, children[i], &name) && name) {
            if (title == name) found = children[i];
            XFree(name);
        }
    }
    if (children) XFree(children);
    return found;
}

void printPlace(Display* display, Window window, const XWindowAttributes& attributes)
{
    int x = 0, y = 0;
    Window child = 0;
    XTranslateCoordinates(display, window, DefaultRootWindow(display), 0, 0, &x, &y, &child);
    std::printf("%d %d %d %d\n", x, y, attributes.width, attributes.height);
}

int find(Display* display, const std::string& title)
{
    XWindowAttributes attributes;
    const Window window = findMapped(display, title, attributes);
    if (!window) return 1;
    std::printf("%lu ", window);
    printPlace(display, window, attributes);
    return 0;
}

int place(Display* display, Window window)
{
    XWindowAttributes attributes;
    if (!XGetWindowAttributes(display, window, &attributes)) return 1;
    printPlace(display, window, attributes);
    return 0;
}

int close(Display* display, Window window)
{
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = static_cast<long>(XInternAtom(display, "WM_DELETE_WINDOW", False));
    event.xclient.data.l[1] = CurrentTime;
    XSendEvent(display, window, False, NoEventMask, &event);
    XFlush(display);
    return 0;
}

// Antialiased text has few pixels of its pure colour; near enough counts.
int count(Display* display, Window window, int x, int y, int width, int height, unsigned long rgb)
{
    XImage* image = XGetImage(display, window, x, y, width, height, AllPlanes, ZPixmap);
    if (!image) return std::fprintf(stderr, "cannot read that part of the window\n"), 2;
    const auto channel = [](unsigned long pixel, unsigned long mask) {
        int shift = 0;
        while (mask && !(mask & 1)) mask >>= 1, ++shift;
        return static_cast<int>((pixel >> shift) & mask);
    };
    const int want[3] = {static_cast<int>(rgb >> 16 & 0xff), static_cast<int>(rgb >> 8 & 0xff), static_cast<int>(rgb & 0xff)};
    long near = 0;
    for (int j = 0; j < height; ++j)
        for (int i = 0; i < width; ++i) {
            const unsigned long pixel = XGetPixel(image, i, j);
            const int have[3] = {channel(pixel, image->red_mask), channel(pixel, image->green_mask),
                                 channel(pixel, image->blue_mask)};
            bool close = true;
            for (int k = 0; k < 3; ++k) close = close && std::abs(have[k] - want[k]) <= 64;
            near += close;
        }
    XDestroyImage(image);
    std::printf("%ld\n", near);
    return 0;
}

} // namespace

int main(int argc, char* argv[])
{
    Display* display = XOpenDisplay(nullptr);
    if (!display) return std::fprintf(stderr, "cannot open the X display\n"), 2;
    int result = 2;
    if (argc == 3 && std::strcmp(argv[1], "find") == 0)
        result = find(display, argv[2]);
    else if (argc == 3 && std::strcmp(argv[1], "place") == 0)
        result = place(display, std::strtoul(argv[2], nullptr, 10));
    else if (argc == 3 && std::strcmp(argv[1], "close") == 0)
        result = close(display, std::strtoul(argv[2], nullptr, 10));
    else if (argc == 8 && std::strcmp(argv[1], "count") == 0)
        result = count(display, std::strtoul(argv[2], nullptr, 10), std::atoi(argv[3]), std::atoi(argv[4]),
                       std::atoi(argv[5]), std::atoi(argv[6]), std::strtoul(argv[7], nullptr, 16));
    else
        std::fprintf(stderr, "usage: x11probe find TITLE | place ID | close ID | count ID X Y W H RGB\n");
    XCloseDisplay(display);
    return result;
}
