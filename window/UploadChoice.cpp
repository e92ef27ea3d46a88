#include "window/UploadChoice.h"

#include <QByteArray>
#include <QtGlobal>

#include <xcb/xcb.h>

#include <algorithm>
#include <charconv>
#include <cstdlib>
#include <memory>
#include <string>
#include <system_error>

namespace zol::window {

namespace {

constexpr double kDesignedDpi = 96;

// The root window's resource database, or nothing without an X server.
std::string xResources() {
    std::unique_ptr<xcb_connection_t, decltype(&xcb_disconnect)> connection(xcb_connect(nullptr, nullptr),
                                                                            &xcb_disconnect);
    if (xcb_connection_has_error(connection.get())) return {};
    const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(connection.get())).data;
    if (!screen) return {};
    const auto cookie = xcb_get_property(connection.get(), 0, screen->root, XCB_ATOM_RESOURCE_MANAGER,
                                         XCB_ATOM_STRING, 0, 1 << 16);
    std::unique_ptr<xcb_get_property_reply_t, decltype(&free)> reply(
        xcb_get_property_reply(connection.get(), cookie, nullptr), &free);
    if (!reply) return {};
    return {static_cast<const char*>(xcb_get_property_value(reply.get())),
            static_cast<std::size_t>(xcb_get_property_value_length(reply.get()))};
}

bool scaledByEnvironment() {
    const QByteArray factor = qgetenv("QT_SCALE_FACTOR");
    if (!factor.isEmpty() && factor.toDouble() != 1.0) return true;
    return !qgetenv("QT_SCREEN_SCALE_FACTORS").isEmpty();
}

} // namespace

std::optional<double> xftDpi(std::string_view resources) {
    constexpr std::string_view kName = "Xft.dpi:";
    for (std::size_t at = 0; at < resources.size();) {
        const std::size_t end = std::min(resources.find('\n', at), resources.size());
        std::string_view line = resources.substr(at, end - at);
        at = end + 1;
        if (!line.starts_with(kName)) continue;
        line.remove_prefix(kName.size());
        while (!line.empty() && (line.front() == ' ' || line.front() == '\t')) line.remove_prefix(1);
        double dpi = 0;
        const auto [rest, error] = std::from_chars(line.data(), line.data() + line.size(), dpi);
        if (error == std::errc{} && dpi > 0) return dpi;
    }
    return std::nullopt;
}

void chooseXUploads() {
    if (qgetenv("DISPLAY").isEmpty()) return;  // no X server to upload to
    if (qEnvironmentVariableIsSet("QT_XCB_NO_MITSHM") || scaledByEnvironment()) return;
    if (xftDpi(xResources()).value_or(kDesignedDpi) > kDesignedDpi) return;
    qputenv("QT_XCB_NO_MITSHM", "1");
}

} // namespace zol::window
