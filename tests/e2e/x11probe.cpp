// Looks at the program's windows on an X display, as a user would:
//   x11probe find TITLE   prints "ID X Y WIDTH HEIGHT" of the mapped top-level window of that title,
//                         X and Y being its client area's place on the screen; fails if there is none
//   x11probe place ID     prints "X Y WIDTH HEIGHT" of that window; fails once it is unmapped or gone
//   x11probe frame ID     prints "LEFT RIGHT TOP BOTTOM", the frame the window manager drew around it
//   x11probe close ID     asks the window to close (WM_DELETE_WINDOW), as its close box does
//   x11probe pixel X,Y    prints the colour on screen at that point as RRGGBB
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

static Display* display;

static bool place(Window window)
{
    XWindowAttributes attributes;
    int x = 0, y = 0;
    Window child = 0;
    if (!XGetWindowAttributes(display, window, &attributes) || attributes.map_state != IsViewable) return false;
    XTranslateCoordinates(display, window, DefaultRootWindow(display), 0, 0, &x, &y, &child);
    return std::printf("%d %d %d %d\n", x, y, attributes.width, attributes.height) > 0;
}

// A window manager puts each client window into a frame window of its own: the search goes one level down.
static bool find(const char* title, Window under, int depth)
{
    Window root = 0, parent = 0, *children = nullptr;
    unsigned int count = 0;
    if (!XQueryTree(display, under, &root, &parent, &children, &count)) return false;
    bool found = false;
    for (unsigned int i = count; i-- > 0 && !found;) { // topmost first
        char* name = nullptr;
        const bool named = XFetchName(display, children[i], &name) && name && std::strcmp(name, title) == 0;
        XFree(name);
        XWindowAttributes attributes;
        if (named && XGetWindowAttributes(display, children[i], &attributes) && attributes.map_state == IsViewable)
            found = std::printf("%lu ", children[i]) > 0 && place(children[i]);
        else if (!named && depth > 0)
            found = find(title, children[i], depth - 1);
    }
    XFree(children);
    return found;
}

static bool frame(Window window)
{
    Atom type = 0;
    int format = 0;
    unsigned long count = 0, left = 0;
    unsigned char* data = nullptr;
    const Atom extents = XInternAtom(display, "_NET_FRAME_EXTENTS", False);
    long margins[4] = {0, 0, 0, 0}; // none without a window manager
    if (XGetWindowProperty(display, window, extents, 0, 4, False, AnyPropertyType, &type, &format, &count, &left,
                           &data) == Success &&
        data && count == 4)
        std::memcpy(margins, data, sizeof margins);
    XFree(data);
    return std::printf("%ld %ld %ld %ld\n", margins[0], margins[1], margins[2], margins[3]) > 0;
}

static bool pixel(const char* at)
{
    int x = 0, y = 0;
    if (std::sscanf(at, "%d,%d", &x, &y) != 2) return false;
    XImage* image = XGetImage(display, DefaultRootWindow(display), x, y, 1, 1, AllPlanes, ZPixmap);
    if (!image) return false;
    const unsigned long colour = XGetPixel(image, 0, 0);
    XDestroyImage(image);
    return std::printf("%06lx\n", colour & 0xffffff) > 0;
}

static bool close(Window window)
{
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = static_cast<long>(XInternAtom(display, "WM_DELETE_WINDOW", False));
    return XSendEvent(display, window, False, NoEventMask, &event) && XFlush(display);
}

int main(int argc, char* argv[])
{
    display = XOpenDisplay(nullptr);
    XSetErrorHandler([](Display*, XErrorEvent*) { return 0; }); // a window gone meanwhile is an answer, not a fault
    if (!display || argc != 3)
        return std::fprintf(stderr, "usage: x11probe find TITLE | place ID | frame ID | close ID | pixel X,Y\n"), 2;
    const Window id = std::strtoul(argv[2], nullptr, 10);
    const bool done = !std::strcmp(argv[1], "find")    ? find(argv[2], DefaultRootWindow(display), 1)
                      : !std::strcmp(argv[1], "place") ? place(id)
                      : !std::strcmp(argv[1], "frame") ? frame(id)
                      : !std::strcmp(argv[1], "pixel") ? pixel(argv[2])
                                                       : !std::strcmp(argv[1], "close") && close(id);
    XCloseDisplay(display);
    return done ? 0 : 1;
}
