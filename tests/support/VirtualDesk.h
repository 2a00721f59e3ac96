#pragma once

#include <QElapsedTimer>
#include <QList>
#include <QPoint>
#include <QProcess>
#include <QProcessEnvironment>
#include <QRect>
#include <QString>
#include <QTemporaryDir>
#include <memory>
#include <optional>

// A display of its own (Xvfb) with a notification area (trayer), driven with xdotool as a
// person drives a desktop. No window manager runs: the stacking order is exactly what the
// program asks for.
class VirtualDesk {
public:
    struct Window {
        unsigned long id = 0;
        QString name;
        QRect geometry;
        bool menu = false;  // a popup: placed by the program itself, not by a window manager
    };

    VirtualDesk();
    ~VirtualDesk();
    VirtualDesk(const VirtualDesk&) = delete;
    VirtualDesk& operator=(const VirtualDesk&) = delete;

    // Empty once the display and the notification area are up; otherwise what went wrong.
    const QString& error() const { return error_; }
    // For a program on this desk: its display, an XDG_RUNTIME_DIR of this desk's own, and the
    // X11 platform.
    QProcessEnvironment environment() const;

    // The mapped top-level windows, topmost first; tooltips left out.
    QList<Window> windows() const;
    // The topmost mapped window titled exactly `name`.
    std::optional<Window> window(const QString& name) const;
    int count(const QString& name) const;
    // Centre of the first icon docked in the notification area.
    std::optional<QPoint> trayIcon() const;

    void rightClick(QPoint at) const;
    void moveMouse(QPoint to) const;
    void doubleClick(QPoint at) const;
    void key(const QString& keysym) const;
    void type(const QString& text) const;
    void focus(const Window& w) const;
    // What a window's title-bar close button sends: a WM_DELETE_WINDOW request.
    void close(const Window& w) const;

private:
    bool xdotool(const QStringList& args) const;

    mutable QElapsedTimer lastClick_;
    QString error_;
    QString display_;
    QTemporaryDir runtime_;
    QProcess xvfb_;
    QProcess trayer_;
    struct X;
    std::unique_ptr<X> x_;
};
