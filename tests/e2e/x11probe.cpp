// Looks at the program's windows on an X display as a user's window manager would:
//   x11probe find TITLE SECONDS   waits for a mapped top-level window of that title,
//                                 prints "ID WIDTH HEIGHT"
//   x11probe close ID             asks the window to close (WM_DELETE_WINDOW), as its close box does
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <thread>

namespace {

std::string windowTitle(Display* display, Window window)
{
    Atom utf8 = XInternAtom(display, "UTF8_STRING", False);
    Atom netName = XInternAtom(display, "_NET_WM_NAME", False);
    Atom type = None;
    int format = 0;
    unsigned long count = 0;
    unsigned long after = 0;
    unsigned char* data = nullptr;
    std::string title;
    if (XGetWindowProperty(display, window, netName, 0, 1024, False, utf8, &type, &format, &count, &after, &data) ==
            Success &&
        data) {
        title.assign(reinterpret_cast<char*>(data), count);
        XFree(data);
        return title;
    }
    char* name = nullptr;
    if (XFetchName(display, window, &name) && name) {
        title = name;
        XFree(name);
    }
    return title;
}

// Depth-first over the tree, so it works with and without a window manager's frames.
Window findMapped(Display* display, Window parent, const std::string& title)
{
    Window root = 0;
    Window up = 0;
    Window* children = nullptr;
    unsigned int count = 0;
    if (!XQueryTree(display, parent, &root, &up, &children, &count))
        return 0;
    Window found = 0;
    for (unsigned int i = 0; i < count && !found; ++i) {
        XWindowAttributes attributes;
        if (XGetWindowAttributes(display, children[i], &attributes) && attributes.map_state == IsViewable &&
            windowTitle(display, children[i]) == title)
            found = children[i];
        else
            found = findMapped(display, children[i], title);
    }
    if (children)
        XFree(children);
    return found;
}

int find(Display* display, const std::string& title, double seconds)
{
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
    while (std::chrono::steady_clock::now() < deadline) {
        if (Window window = findMapped(display, DefaultRootWindow(display), title)) {
            XWindowAttributes attributes;
            XGetWindowAttributes(display, window, &attributes);
            std::printf("%lu %d %d\n", window, attributes.width, attributes.height);
            return 0;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    std::fprintf(stderr, "no window titled \"%s\" within %.0f s\n", title.c_str(), seconds);
    return 1;
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
    if (!display) {
        std::fprintf(stderr, "cannot open the X display\n");
        return 2;
    }
    int result = 2;
    if (argc == 4 && std::strcmp(argv[1], "find") == 0)
        result = find(display, argv[2], std::atof(argv[3]));
    else if (argc == 3 && std::strcmp(argv[1], "close") == 0)
        result = close(display, std::strtoul(argv[2], nullptr, 10));
    else
        std::fprintf(stderr, "usage: x11probe find TITLE SECONDS | close ID\n");
    XCloseDisplay(display);
    return result;
}
