// Looks at the program's windows on an X display (no window manager) as a user would:
//   x11probe find TITLE           prints "ID WIDTH HEIGHT" of the mapped top-level window of that title
//   x11probe close ID             asks the window to close (WM_DELETE_WINDOW), as its close box does
#include <X11/Xlib.h>

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

int find(Display* display, const std::string& title)
{
    XWindowAttributes attributes;
    const Window window = findMapped(display, title, attributes);
    if (window) std::printf("%lu %d %d\n", window, attributes.width, attributes.height);
    return window ? 0 : 1;
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

} // namespace

int main(int argc, char* argv[])
{
    Display* display = XOpenDisplay(nullptr);
    if (!display) return std::fprintf(stderr, "cannot open the X display\n"), 2;
    int result = 2;
    if (argc == 3 && std::strcmp(argv[1], "find") == 0)
        result = find(display, argv[2]);
    else if (argc == 3 && std::strcmp(argv[1], "close") == 0)
        result = close(display, std::strtoul(argv[2], nullptr, 10));
    else
        std::fprintf(stderr, "usage: x11probe find TITLE | close ID\n");
    XCloseDisplay(display);
    return result;
}
