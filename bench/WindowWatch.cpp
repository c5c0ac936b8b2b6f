#include "WindowWatch.h"

#include <poll.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <span>

namespace {

// More window types than any program names for one window.
constexpr std::uint32_t MostTypes = 16;

template <typename Reply> using ReplyPointer = std::unique_ptr<Reply, decltype(&std::free)>;

template <typename Reply> ReplyPointer<Reply> owned(Reply *reply) {
    return ReplyPointer<Reply>(reply, &std::free);
}

} // namespace

WindowWatch::WindowWatch() {
    connection_ = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(connection_) != 0) {
        return;
    }
    root_ = xcb_setup_roots_iterator(xcb_get_setup(connection_)).data->root;
    const xcb_query_extension_reply_t *damage = xcb_get_extension_data(connection_, &xcb_damage_id);
    if (damage == nullptr || damage->present == 0) {
        return;
    }
    // The server answers nothing about damage until the client says which version it speaks.
    owned(xcb_damage_query_version_reply(
        connection_,
        xcb_damage_query_version(connection_, XCB_DAMAGE_MAJOR_VERSION, XCB_DAMAGE_MINOR_VERSION), nullptr));
    pidAtom_ = atom("_NET_WM_PID");
    typeAtom_ = atom("_NET_WM_WINDOW_TYPE");
    splashAtom_ = atom("_NET_WM_WINDOW_TYPE_SPLASH");
    normalAtom_ = atom("_NET_WM_WINDOW_TYPE_NORMAL");
    const std::uint32_t events = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(connection_, root_, XCB_CW_EVENT_MASK, &events);
    xcb_flush(connection_);
    damageFirstEvent_ = damage->first_event;
}

WindowWatch::~WindowWatch() {
    xcb_disconnect(connection_);
}

xcb_atom_t WindowWatch::atom(const char *name) {
    const auto reply = owned(xcb_intern_atom_reply(
        connection_, xcb_intern_atom(connection_, 0, static_cast<std::uint16_t>(std::strlen(name)), name),
        nullptr));
    return reply ? reply->atom : XCB_NONE;
}

std::optional<WindowWatch::Clock::time_point> WindowWatch::firstDrawn(std::int64_t pid, Kind kind,
                                                                      std::chrono::milliseconds timeout) {
    const Clock::time_point deadline = Clock::now() + timeout;
    while (xcb_connection_has_error(connection_) == 0) {
        // Each event is stamped as it is taken, so whatever is queued is taken before waiting.
        while (xcb_generic_event_t *event = xcb_poll_for_event(connection_)) {
            handle(*event, Clock::now());
            std::free(event);
        }
        if (const auto drawn = drawnWindow(pid, kind)) {
            return drawn;
        }
        const auto left = std::chrono::ceil<std::chrono::milliseconds>(deadline - Clock::now()).count();
        if (left <= 0) {
            break;
        }
        pollfd server{xcb_get_file_descriptor(connection_), POLLIN, 0};
        poll(&server, 1, static_cast<int>(left));
    }
    return std::nullopt;
}

void WindowWatch::handle(const xcb_generic_event_t &event, Clock::time_point received) {
    const std::uint8_t type = event.response_type & 0x7f;
    if (type == XCB_CREATE_NOTIFY) {
        // Watched from its creation, before its program can draw into it.
        const auto &created = reinterpret_cast<const xcb_create_notify_event_t &>(event);
        if (created.parent == root_) {
            windows_[created.window] = Window{};
            xcb_damage_create(connection_, xcb_generate_id(connection_), created.window,
                              XCB_DAMAGE_REPORT_LEVEL_NON_EMPTY);
            xcb_flush(connection_);
        }
    } else if (type == XCB_MAP_NOTIFY) {
        const auto &mapped = reinterpret_cast<const xcb_map_notify_event_t &>(event);
        if (const auto found = windows_.find(mapped.window); found != windows_.end()) {
            // Asked now and read when needed, so that no event waits for the answers.
            Window &window = found->second;
            window.mapped = true;
            window.pidCookie =
                xcb_get_property(connection_, 0, mapped.window, pidAtom_, XCB_ATOM_CARDINAL, 0, 1);
            window.typeCookie =
                xcb_get_property(connection_, 0, mapped.window, typeAtom_, XCB_ATOM_ATOM, 0, MostTypes);
            xcb_flush(connection_);
        }
    } else if (type == XCB_DESTROY_NOTIFY) {
        const auto &destroyed = reinterpret_cast<const xcb_destroy_notify_event_t &>(event);
        if (const auto found = windows_.find(destroyed.window); found != windows_.end()) {
            describe(found->second); // leaves no answer waiting for a forgotten window
            windows_.erase(found);
        }
    } else if (type == damageFirstEvent_ + XCB_DAMAGE_NOTIFY) {
        const auto &damaged = reinterpret_cast<const xcb_damage_notify_event_t &>(event);
        if (const auto found = windows_.find(damaged.drawable); found != windows_.end()) {
            Window &window = found->second;
            if (window.mapped && !window.drawn) {
                window.drawn = received;
            } else if (!window.mapped) {
                // Drawing before the window shows is nobody's to see: ask to hear of the next.
                xcb_damage_subtract(connection_, damaged.damage, XCB_NONE, XCB_NONE);
                xcb_flush(connection_);
            }
        }
    }
}

void WindowWatch::describe(Window &window) {
    if (!window.mapped || window.described) {
        return;
    }
    window.described = true;
    if (const auto pid = owned(xcb_get_property_reply(connection_, window.pidCookie, nullptr));
        pid && xcb_get_property_value_length(pid.get()) >= 4) {
        window.pid = *static_cast<const std::uint32_t *>(xcb_get_property_value(pid.get()));
    }
    // A window may name several types, the most specific first and plain "normal" last.
    if (const auto type = owned(xcb_get_property_reply(connection_, window.typeCookie, nullptr))) {
        const auto *types = static_cast<const xcb_atom_t *>(xcb_get_property_value(type.get()));
        const std::span<const xcb_atom_t> named(
            types, static_cast<std::size_t>(xcb_get_property_value_length(type.get()) / 4));
        if (std::ranges::find(named, splashAtom_) != named.end()) {
            window.kind = Kind::Splash;
        } else if (std::ranges::find(named, normalAtom_) != named.end()) {
            window.kind = Kind::Normal;
        }
    }
}

std::optional<WindowWatch::Clock::time_point> WindowWatch::drawnWindow(std::int64_t pid, Kind kind) {
    for (auto &[id, window] : windows_) {
        describe(window);
        if (window.drawn && window.pid == pid && window.kind == kind) {
            return window.drawn;
        }
    }
    return std::nullopt;
}
