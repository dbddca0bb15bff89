#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include <QProcess>
#include <QString>
#include <QStringList>

namespace horalet::testing {

// A top-level window as the X server holds it.
struct X11Window {
    QString name; // _NET_WM_NAME
    QStringList states; // _NET_WM_STATE, as atom names
    std::optional<std::uint32_t> desktop; // _NET_WM_DESKTOP
};

// An X server of its own for one test (Xvfb on a free display number),
// with no window manager: the windows keep exactly the properties their
// program gave them.
class PrivateX11Display {
public:
    PrivateX11Display();
    PrivateX11Display(const PrivateX11Display&) = delete;
    PrivateX11Display& operator=(const PrivateX11Display&) = delete;
    ~PrivateX11Display();

    // ":N", as DISPLAY takes it; empty when the server did not start.
    const QString& name() const { return name_; }
    // The windows on the screen now (mapped and viewable).
    std::vector<X11Window> shownWindows() const;

private:
    QProcess server_;
    QString name_;
};

} // namespace horalet::testing
