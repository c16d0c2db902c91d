// SPDX-FileCopyrightText: 2026 The Glyphory developers
// SPDX-License-Identifier: MIT
#include "windowmanager.h"

#include <QGuiApplication>
#include <QThread>
#include <QTimer>
#include <QWindow>

#include <xcb/xcb.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <vector>

namespace {

using namespace std::chrono_literals;

// How long a manager that takes requests for the frame may take to answer one.
// One that answers does so at once; one that never does costs this only once.
constexpr auto FrameAnswerTime = 500ms;
// How many 50 ms turns a manager may take to minimize a window it was asked to.
constexpr int ManagerTurns = 40;
// WM_STATE of a minimized window.
constexpr uint32_t IconicState = 3;

// _MOTIF_WM_HINTS: flags, functions, decorations, input mode, status. A field
// counts only where its flag is set; "all" turns the rest of a field into the
// ones left out.
using MotifHints = std::vector<uint32_t>;
enum MotifField { Flags, Functions, Decorations };
constexpr uint32_t MotifFunctionsGiven = 1u << 0, MotifDecorationsGiven = 1u << 1;
constexpr uint32_t MotifAll = 1u << 0, MotifMinimize = 1u << 3;

template <typename T> using Reply = std::unique_ptr<T, decltype(&std::free)>;

// Qt's own connection to the X server, so that what is sent here and what Qt
// sends reach the server, and the manager, in the order they were made.
class X11 {
public:
    static std::optional<X11> connect()
    {
        const auto *native =
            qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
        if (!native || !native->connection())
            return std::nullopt;
        return X11(native->connection());
    }

    xcb_atom_t atom(const char *name) const
    {
        const Reply<xcb_intern_atom_reply_t> reply(
            xcb_intern_atom_reply(
                m_connection, xcb_intern_atom(m_connection, false, uint16_t(strlen(name)), name),
                nullptr),
            &std::free);
        return reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
    }

    // The 32-bit values of a property; empty when the window does not have it.
    std::vector<uint32_t> get(xcb_window_t window, xcb_atom_t name, xcb_atom_t type,
                              uint32_t length) const
    {
        const Reply<xcb_get_property_reply_t> reply(
            xcb_get_property_reply(
                m_connection, xcb_get_property(m_connection, false, window, name, type, 0, length),
                nullptr),
            &std::free);
        if (!reply || reply->format != 32)
            return {};
        const auto *values = static_cast<const uint32_t *>(xcb_get_property_value(reply.get()));
        return {values, values + xcb_get_property_value_length(reply.get()) / 4};
    }
    std::vector<uint32_t> get(xcb_atom_t name, xcb_atom_t type, uint32_t length) const
    {
        return get(m_root, name, type, length);
    }

    void set(xcb_window_t window, xcb_atom_t name, const std::vector<uint32_t> &values) const
    {
        xcb_change_property(m_connection, XCB_PROP_MODE_REPLACE, window, name, name, 32,
                            uint32_t(values.size()), values.data());
        xcb_flush(m_connection);
    }

    void sendToManager(xcb_window_t window, xcb_atom_t message) const
    {
        xcb_client_message_event_t event{};
        event.response_type = XCB_CLIENT_MESSAGE;
        event.format = 32;
        event.window = window;
        event.type = message;
        xcb_send_event(m_connection, false, m_root,
                       XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY | XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT,
                       reinterpret_cast<const char *>(&event));
        xcb_flush(m_connection);
    }

private:
    explicit X11(xcb_connection_t *connection)
        : m_connection(connection)
        , m_root(xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root)
    {
    }

    xcb_connection_t *m_connection;
    xcb_window_t m_root;
};

// Asks the manager for the frame it would give the unmapped window and waits
// for the answer.
std::optional<QMargins> askForFrame(const X11 &x, QWindow *window, xcb_atom_t request)
{
    const auto id = xcb_window_t(window->winId());
    // Qt gives no decorations field where it leaves the decorations to the
    // manager; GNOME's manager still reads the empty field and answers "no
    // frame" for a window it then frames. The field is filled while it answers.
    const xcb_atom_t motif = x.atom("_MOTIF_WM_HINTS");
    const MotifHints hints = x.get(id, motif, motif, 5);
    const bool filled = hints.size() == 5 && !(hints[Flags] & MotifDecorationsGiven);
    if (filled) {
        MotifHints decorated = hints;
        decorated[Decorations] = MotifAll;
        x.set(id, motif, decorated);
    }
    const xcb_atom_t extents = x.atom("_NET_FRAME_EXTENTS");
    x.sendToManager(id, request);
    std::vector<uint32_t> frame;
    const auto deadline = std::chrono::steady_clock::now() + FrameAnswerTime;
    // Each question is a round trip, so the manager has had its turn in between.
    while ((frame = x.get(id, extents, XCB_ATOM_CARDINAL, 4)).size() != 4 &&
           std::chrono::steady_clock::now() < deadline)
        QThread::msleep(5);
    if (filled)
        x.set(id, motif, hints);
    if (frame.size() != 4)
        return std::nullopt;
    // Left, right, top, bottom, in the screen's device pixels.
    const qreal ratio = window->devicePixelRatio();
    return QMargins(qRound(frame[0] / ratio), qRound(frame[2] / ratio), qRound(frame[1] / ratio),
                    qRound(frame[3] / ratio));
}

} // namespace

namespace WindowManager {

std::optional<QMargins> expectedFrame(QWindow *window)
{
    static bool managerAnswers = true;
    const std::optional<X11> x = X11::connect();
    if (!x) {
        if (QGuiApplication::platformName().startsWith(QLatin1String("wayland")))
            return std::nullopt;
        return QMargins();
    }
    if (x->get(x->atom("_NET_SUPPORTING_WM_CHECK"), XCB_ATOM_WINDOW, 1).empty())
        return QMargins();
    const xcb_atom_t request = x->atom("_NET_REQUEST_FRAME_EXTENTS");
    const std::vector<uint32_t> supported = x->get(x->atom("_NET_SUPPORTED"), XCB_ATOM_ATOM, 1024);
    if (!managerAnswers ||
        std::find(supported.begin(), supported.end(), request) == supported.end())
        return std::nullopt;
    const std::optional<QMargins> frame = askForFrame(*x, window, request);
    managerAnswers = frame.has_value();
    return frame;
}

void minimize(QWindow *window)
{
    const std::optional<X11> x = X11::connect();
    if (!x) {
        window->showMinimized();
        return;
    }
    // Qt leaves the minimize function out of the window's Motif hints when it
    // draws no minimize button, and some managers (GNOME's) then refuse the
    // request. The function is allowed only until the window is minimized (or
    // the manager had its time), so no manager shows a button or menu item for it.
    const auto id = xcb_window_t(window->winId());
    const xcb_atom_t motif = x->atom("_MOTIF_WM_HINTS");
    const MotifHints hints = x->get(id, motif, motif, 5);
    if (hints.size() == 5 && (hints[Flags] & MotifFunctionsGiven) &&
        !(hints[Functions] & (MotifAll | MotifMinimize))) {
        MotifHints allowed = hints;
        allowed[Functions] |= MotifMinimize;
        x->set(id, motif, allowed);
        // The manager reads the hints when it gets round to it, not when they
        // change: they are put back once the window is iconic.
        auto *restore = new QTimer(window);
        QObject::connect(
            restore, &QTimer::timeout, [restore, id, motif, hints, turns = 0]() mutable {
                const std::optional<X11> x = X11::connect();
                if (!x) {
                    restore->deleteLater();
                    return;
                }
                const xcb_atom_t stateAtom = x->atom("WM_STATE");
                const std::vector<uint32_t> state = x->get(id, stateAtom, stateAtom, 1);
                if ((state.empty() || state[0] != IconicState) && ++turns < ManagerTurns)
                    return;
                x->set(id, motif, hints);
                restore->deleteLater();
            });
        restore->start(50ms);
    }
    window->showMinimized();
}

QByteArray windowSystemFor(const QByteArray &sessionType, const QByteArray &desktops,
                           const QByteArray &display, const QByteArray &chosen)
{
    // GNOME's compositor draws no title bars for Wayland clients, and Qt's own
    // has minimize and maximize buttons the windows must not have. Its X11
    // manager frames them as on any other desktop, through XWayland.
    if (!chosen.isEmpty() || sessionType != "wayland" || display.isEmpty())
        return {};
    for (const QByteArray &desktop : desktops.split(':')) {
        if (desktop.compare("GNOME", Qt::CaseInsensitive) == 0)
            return "xcb";
    }
    return {};
}

} // namespace WindowManager
