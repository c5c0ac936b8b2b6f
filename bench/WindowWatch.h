#pragma once

#include <xcb/damage.h>
#include <xcb/xcb.h>

#include <chrono>
#include <cstdint>
#include <map>
#include <optional>

// Watches an X server for the top-level windows of a program being drawn: the
// first pixels a program puts into a mapped window are when a player first
// sees it. Windows are told apart by the owner's process id and the window type
// a program announces to window managers. With no window manager running, no
// one but the program draws into its windows.
class WindowWatch {
public:
    using Clock = std::chrono::steady_clock;
    enum class Kind { Splash, Normal, Other };

    WindowWatch(); // on the server named by DISPLAY
    ~WindowWatch();
    WindowWatch(const WindowWatch &) = delete;
    WindowWatch &operator=(const WindowWatch &) = delete;

    // Whether the server is there and reports drawing (its DAMAGE extension).
    bool isReady() const { return damageFirstEvent_ != 0; }

    // When a window of the given kind owned by the process was first drawn,
    // waiting up to the timeout for it; nothing if it was not drawn by then.
    std::optional<Clock::time_point> firstDrawn(std::int64_t pid, Kind kind,
                                                std::chrono::milliseconds timeout);

private:
    struct Window {
        bool mapped = false;
        bool described = false; // owner and kind read from its properties
        xcb_get_property_cookie_t pidCookie{};
        xcb_get_property_cookie_t typeCookie{};
        std::int64_t pid = 0;
        Kind kind = Kind::Other;
        std::optional<Clock::time_point> drawn;
    };

    void handle(const xcb_generic_event_t &event, Clock::time_point received);
    void describe(Window &window);
    std::optional<Clock::time_point> drawnWindow(std::int64_t pid, Kind kind);
    xcb_atom_t atom(const char *name);

    xcb_connection_t *connection_ = nullptr;
    xcb_window_t root_ = 0;
    std::uint8_t damageFirstEvent_ = 0;
    xcb_atom_t pidAtom_ = XCB_NONE;
    xcb_atom_t typeAtom_ = XCB_NONE;
    xcb_atom_t splashAtom_ = XCB_NONE;
    xcb_atom_t normalAtom_ = XCB_NONE;
    std::map<xcb_window_t, Window> windows_;
};
