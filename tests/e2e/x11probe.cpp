// Looks at the program's windows on an X display without a window manager, as a user would:
//   x11probe find TITLE   prints "ID X Y WIDTH HEIGHT" of the mapped top-level window of that title,
//                         X and Y being its client area's place on the screen; fails if there is none
//   x11probe place ID     prints "X Y WIDTH HEIGHT" of that window; fails once it is unmapped or gone
//   x11probe close ID     asks the window to close (WM_DELETE_WINDOW), as its close box does
#include <X11/Xlib.h>

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

static bool find(const char* title)
{
    Window root = 0, parent = 0, *children = nullptr;
    unsigned int count = 0;
    XQueryTree(display, DefaultRootWindow(display), &root, &parent, &children, &count);
    for (unsigned int i = count; i-- > 0;) { // topmost first
        char* name = nullptr;
        const bool named = XFetchName(display, children[i], &name) && name && std::strcmp(name, title) == 0;
        XFree(name);
        XWindowAttributes attributes;
        if (named && XGetWindowAttributes(display, children[i], &attributes) && attributes.map_state == IsViewable)
            return std::printf("%lu ", children[i]) > 0 && place(children[i]);
    }
    return false;
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
    if (!display || argc != 3) return std::fprintf(stderr, "usage: x11probe find TITLE | place ID | close ID\n"), 2;
    const Window id = std::strtoul(argv[2], nullptr, 10);
    const bool done = !std::strcmp(argv[1], "find")    ? find(argv[2])
                      : !std::strcmp(argv[1], "place") ? place(id)
                                                       : !std::strcmp(argv[1], "close") && close(id);
    XCloseDisplay(display);
    return done ? 0 : 1;
}
