// Reports every window mapped on the root window of $DISPLAY, and the first drawing into it after
// it was mapped, as soon as the server says so:
//   ready <monotonic ns>
//   map <monotonic ns> <window id> <_NET_WM_PID or 0> <title>
//   paint <monotonic ns> <window id>
// The drawing is seen as a compositor sees it, through the DAMAGE extension. Each time is taken
// before any other request, so the property look-ups do not delay it.
#define _POSIX_C_SOURCE 200809L

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/Xdamage.h>
#include <stdio.h>
#include <string.h>
#include <time.h>

static long long monotonicNs(void)
{
    struct timespec now;
    clock_gettime(CLOCK_MONOTONIC, &now);
    return (long long)now.tv_sec * 1000000000LL + now.tv_nsec;
}

// A window may be gone by the time its properties are read; that is not an error here.
static int ignoreError(Display *display, XErrorEvent *error)
{
    (void)display;
    (void)error;
    return 0;
}

static unsigned long windowPid(Display *display, Window window, Atom netWmPid)
{
    Atom type = None;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char *data = NULL;
    unsigned long pid = 0;
    if (XGetWindowProperty(display, window, netWmPid, 0, 1, False, XA_CARDINAL, &type, &format,
                           &count, &after, &data) == Success &&
        data && format == 32 && count == 1)
        pid = ((unsigned long *)data)[0];
    if (data)
        XFree(data);
    return pid;
}

static void printLine(const unsigned char *text, unsigned long length)
{
    for (unsigned long k = 0; k < length; ++k)
        putchar(text[k] == '\n' ? ' ' : text[k]);
    putchar('\n');
}

// _NET_WM_NAME (UTF-8) first, as Qt sets both; WM_NAME for other clients.
static void printTitle(Display *display, Window window, Atom netWmName, Atom utf8String)
{
    Atom type = None;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char *data = NULL;
    if (XGetWindowProperty(display, window, netWmName, 0, 1024, False, utf8String, &type, &format,
                           &count, &after, &data) == Success &&
        data && format == 8) {
        printLine(data, count);
        XFree(data);
        return;
    }
    if (data)
        XFree(data);
    char *name = NULL;
    if (XFetchName(display, window, &name) && name) {
        printLine((const unsigned char *)name, strlen(name));
        XFree(name);
        return;
    }
    printLine(NULL, 0);
}

// The windows being watched for their first drawing: created on the root, mapped, not yet drawn.
enum { kMaxWatched = 256 };
static struct Watched
{
    Window window;
    Damage damage;
    int mapped;
} g_watched[kMaxWatched];

static struct Watched *watched(Window window)
{
    for (int k = 0; k < kMaxWatched; ++k) {
        if (g_watched[k].window == window)
            return &g_watched[k];
    }
    return NULL;
}

static void forget(Display *display, struct Watched *entry)
{
    XDamageDestroy(display, entry->damage);
    entry->window = None;
}

int main(void)
{
    Display *display = XOpenDisplay(NULL);
    if (!display) {
        fprintf(stderr, "xwatch: cannot open display %s\n", XDisplayName(NULL));
        return 1;
    }
    int damageEvent = 0, damageError = 0;
    if (!XDamageQueryExtension(display, &damageEvent, &damageError)) {
        fprintf(stderr, "xwatch: the X server has no DAMAGE extension\n");
        return 1;
    }
    XSetErrorHandler(ignoreError);
    const Atom netWmPid = XInternAtom(display, "_NET_WM_PID", False);
    const Atom netWmName = XInternAtom(display, "_NET_WM_NAME", False);
    const Atom utf8String = XInternAtom(display, "UTF8_STRING", False);
    const Window root = DefaultRootWindow(display);
    XSelectInput(display, root, SubstructureNotifyMask);
    XSync(display, False);
    printf("ready %lld\n", monotonicNs());
    fflush(stdout);

    for (;;) {
        XEvent event;
        XNextEvent(display, &event);
        if (event.type == damageEvent + XDamageNotify) {
            const long long paintedAt = monotonicNs();
            const XDamageNotifyEvent *damage = (const XDamageNotifyEvent *)&event;
            struct Watched *entry = watched(damage->drawable);
            if (entry && entry->mapped) {
                printf("paint %lld 0x%lx\n", paintedAt, entry->window);
                fflush(stdout);
                forget(display, entry);
            }
            continue;
        }
        if (event.type == CreateNotify && event.xcreatewindow.parent == root) {
            struct Watched *entry = watched(None);
            if (entry) {
                entry->window = event.xcreatewindow.window;
                entry->damage = XDamageCreate(display, entry->window, XDamageReportNonEmpty);
                entry->mapped = 0;
            }
            continue;
        }
        if (event.type == DestroyNotify) {
            struct Watched *entry = watched(event.xdestroywindow.window);
            if (entry)
                forget(display, entry);
            continue;
        }
        if (event.type != MapNotify || event.xmap.event != root)
            continue;
        const long long mappedAt = monotonicNs();
        const Window window = event.xmap.window;
        struct Watched *entry = watched(window);
        if (entry && !entry->mapped) {
            // Only drawing from now on counts.
            entry->mapped = 1;
            XDamageSubtract(display, entry->damage, None, None);
        }
        printf("map %lld 0x%lx %lu ", mappedAt, window, windowPid(display, window, netWmPid));
        printTitle(display, window, netWmName, utf8String);
        fflush(stdout);
    }
}
