#include "support/VirtualDesk.h"

#include <QElapsedTimer>
#include <QFile>
#include <QFileDevice>
#include <QTest>

// Xlib's macros clash with Qt's names: it stays in this file.
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

struct VirtualDesk::X {
    Display* display = nullptr;
    ~X() {
        if (display) XCloseDisplay(display);
    }
};

namespace {

QString WindowName(Display* d, ::Window w) {
    char* name = nullptr;
    QString result;
    if (XFetchName(d, w, &name) && name) result = QString::fromUtf8(name);
    if (name) XFree(name);
    // Qt writes the UTF-8 title to _NET_WM_NAME; WM_NAME may hold a Latin-1 fallback.
    Atom utf8 = XInternAtom(d, "UTF8_STRING", False);
    Atom netName = XInternAtom(d, "_NET_WM_NAME", False);
    Atom type;
    int format;
    unsigned long items, after;
    unsigned char* data = nullptr;
    if (XGetWindowProperty(d, w, netName, 0, 1024, False, utf8, &type, &format, &items, &after,
                           &data) == Success &&
        data) {
        if (type == utf8) result = QString::fromUtf8(reinterpret_cast<char*>(data), int(items));
        XFree(data);
    }
    return result;
}

Atom WindowType(Display* d, ::Window w) {
    Atom type;
    int format;
    unsigned long items, after;
    unsigned char* data = nullptr;
    Atom result = 0L;
    if (XGetWindowProperty(d, w, XInternAtom(d, "_NET_WM_WINDOW_TYPE", False), 0, 1, False, XA_ATOM,
                           &type, &format, &items, &after, &data) == Success &&
        data) {
        if (items > 0) result = *reinterpret_cast<Atom*>(data);
        XFree(data);
    }
    return result;
}

QList<::Window> Children(Display* d, ::Window w) {
    ::Window root, parent;
    ::Window* children = nullptr;
    unsigned int n = 0;
    QList<::Window> list;
    if (XQueryTree(d, w, &root, &parent, &children, &n)) {
        for (unsigned int i = 0; i < n; ++i) list.append(children[i]);  // bottom first
        if (children) XFree(children);
    }
    return list;
}

// A window may go between two requests about it; that is no reason to end the test.
int IgnoreXErrors(Display*, XErrorEvent*) {
    return 0;
}

}  // namespace

VirtualDesk::VirtualDesk() : x_(std::make_unique<X>()) {
    XSetErrorHandler(IgnoreXErrors);
    if (!runtime_.isValid()) {
        error_ = "no temporary folder";
        return;
    }
    QFile::setPermissions(runtime_.path(),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    // A free display number: Xvfb refuses one in use, then the next is tried.
    for (int n = 200 + int(QCoreApplication::applicationPid() % 400), tries = 0; tries < 40;
         ++n, ++tries) {
        if (QFile::exists(QStringLiteral("/tmp/.X%1-lock").arg(n))) continue;
        display_ = QStringLiteral(":%1").arg(n);
        xvfb_.setProgram("Xvfb");
        xvfb_.setArguments({display_, "-screen", "0", "1280x800x24", "-nolisten", "tcp"});
        xvfb_.setStandardErrorFile(QProcess::nullDevice());
        xvfb_.start();
        if (!xvfb_.waitForStarted(5000)) {
            error_ = "Xvfb does not start";
            return;
        }
        QElapsedTimer clock;
        clock.start();
        while (clock.elapsed() < 10000 && xvfb_.state() == QProcess::Running &&
               !(x_->display = XOpenDisplay(display_.toLocal8Bit().constData())))
            QTest::qWait(50);
        if (x_->display) break;
        xvfb_.waitForFinished(2000);
    }
    if (!x_->display) {
        error_ = "no display";
        return;
    }
    trayer_.setProcessEnvironment(environment());
    trayer_.setProgram("trayer");
    trayer_.setArguments({"--edge", "top", "--align", "right", "--widthtype", "request", "--height",
                          "32", "--SetDockType", "false", "--transparent", "false"});
    trayer_.setStandardErrorFile(QProcess::nullDevice());
    trayer_.setStandardOutputFile(QProcess::nullDevice());
    trayer_.start();
    // The notification area is there once its selection has an owner.
    const Atom selection = XInternAtom(x_->display, "_NET_SYSTEM_TRAY_S0", False);
    QElapsedTimer clock;
    clock.start();
    while (XGetSelectionOwner(x_->display, selection) == 0L && clock.elapsed() < 10000)
        QTest::qWait(50);
    if (XGetSelectionOwner(x_->display, selection) == 0L) error_ = "trayer does not start";
}

VirtualDesk::~VirtualDesk() {
    x_.reset();
    for (QProcess* p : {&trayer_, &xvfb_}) {
        if (p->state() == QProcess::NotRunning) continue;
        p->terminate();
        if (!p->waitForFinished(3000)) {
            p->kill();
            p->waitForFinished(3000);
        }
    }
}

QProcessEnvironment VirtualDesk::environment() const {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("DISPLAY", display_);
    env.insert("XDG_RUNTIME_DIR", runtime_.path());
    env.insert("QT_QPA_PLATFORM", "xcb");
    // No session bus: the icon docks through the XEmbed notification area, as trayer offers.
    env.remove("DBUS_SESSION_BUS_ADDRESS");
    env.remove("WAYLAND_DISPLAY");
    return env;
}

QList<VirtualDesk::Window> VirtualDesk::windows() const {
    QList<Window> list;
    Display* d = x_->display;
    if (!d) return list;
    const Atom tooltip = XInternAtom(d, "_NET_WM_WINDOW_TYPE_TOOLTIP", False);
    const QList<::Window> children = Children(d, DefaultRootWindow(d));
    for (auto it = children.crbegin(); it != children.crend(); ++it) {
        XWindowAttributes a;
        if (!XGetWindowAttributes(d, *it, &a) || a.map_state != IsViewable) continue;
        const Atom type = WindowType(d, *it);
        if (type == tooltip) continue;
        list.append({*it, WindowName(d, *it), QRect(a.x, a.y, a.width, a.height),
                     a.override_redirect == True});
    }
    return list;
}

std::optional<VirtualDesk::Window> VirtualDesk::window(const QString& name) const {
    for (const Window& w : windows())
        if (w.name == name) return w;
    return std::nullopt;
}

int VirtualDesk::count(const QString& name) const {
    int n = 0;
    for (const Window& w : windows()) n += w.name == name;
    return n;
}

std::optional<QPoint> VirtualDesk::trayIcon() const {
    Display* d = x_->display;
    if (!d) return std::nullopt;
    for (const Window& panel : windows()) {
        if (panel.name != "panel") continue;
        // trayer: panel → socket → the docked icon's own window.
        for (::Window socket : Children(d, panel.id)) {
            const QList<::Window> icons = Children(d, socket);
            if (icons.isEmpty()) continue;
            XWindowAttributes a;
            XGetWindowAttributes(d, icons.first(), &a);
            if (a.map_state != IsViewable) continue;
            int x = 0, y = 0;
            ::Window child;
            XTranslateCoordinates(d, icons.first(), DefaultRootWindow(d), a.width / 2, a.height / 2,
                                  &x, &y, &child);
            return QPoint(x, y);
        }
    }
    return std::nullopt;
}

bool VirtualDesk::xdotool(const QStringList& args) const {
    QProcess p;
    p.setProcessEnvironment(environment());
    p.start("xdotool", args);
    return p.waitForFinished(10000) && p.exitCode() == 0;
}

void VirtualDesk::rightClick(QPoint at) const {
    // Two presses closer than this are one double-click, as a person's would be.
    constexpr qint64 kApart = 600;
    if (lastClick_.isValid() && lastClick_.elapsed() < kApart)
        QTest::qWait(int(kApart - lastClick_.elapsed()));
    lastClick_.start();
    xdotool(
        {"mousemove", "--sync", QString::number(at.x()), QString::number(at.y()), "click", "3"});
}

void VirtualDesk::moveMouse(QPoint to) const {
    xdotool({"mousemove", "--sync", QString::number(to.x()), QString::number(to.y())});
}

void VirtualDesk::doubleClick(QPoint at) const {
    xdotool({"mousemove", "--sync", QString::number(at.x()), QString::number(at.y()), "click",
             "--repeat", "2", "--delay", "80", "1"});
}

void VirtualDesk::key(const QString& keysym) const {
    xdotool({"key", "--clearmodifiers", keysym});
}

void VirtualDesk::type(const QString& text) const {
    xdotool({"type", "--delay", "20", text});
}

void VirtualDesk::focus(const Window& w) const {
    xdotool({"windowfocus", "--sync", QString::number(w.id)});
}

void VirtualDesk::close(const Window& w) const {
    Display* d = x_->display;
    XEvent e{};
    e.xclient.type = ClientMessage;
    e.xclient.window = w.id;
    e.xclient.message_type = XInternAtom(d, "WM_PROTOCOLS", False);
    e.xclient.format = 32;
    e.xclient.data.l[0] = long(XInternAtom(d, "WM_DELETE_WINDOW", False));
    e.xclient.data.l[1] = CurrentTime;
    XSendEvent(d, w.id, False, NoEventMask, &e);
    XFlush(d);
}
