#include "ExactTitles.h"

#include <QApplication>
#include <QEvent>
#include <QWidget>

#if ZARVEK_HAVE_XCB && QT_CONFIG(xcb)
#include <xcb/xcb.h>

#include <memory>
#endif

namespace {

#if ZARVEK_HAVE_XCB && QT_CONFIG(xcb)
xcb_connection_t* x11Connection() {
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    return x11 ? x11->connection() : nullptr;
}

xcb_atom_t atom(xcb_connection_t* c, const char* name) {
    const auto cookie = xcb_intern_atom(c, 0, uint16_t(qstrlen(name)), name);
    const std::unique_ptr<xcb_intern_atom_reply_t, decltype(&free)> reply(
        xcb_intern_atom_reply(c, cookie, nullptr), &free);
    return reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
}

// The two atoms a title needs, asked of the server once: the banner empties
// its caption every few seconds.
xcb_atom_t netWmName(xcb_connection_t* c) {
    static const xcb_atom_t name = atom(c, "_NET_WM_NAME");
    return name;
}
xcb_atom_t utf8String(xcb_connection_t* c) {
    static const xcb_atom_t type = atom(c, "UTF8_STRING");
    return type;
}

// Both names a window manager may read: the UTF-8 one and the old one.
void clearTitle(xcb_connection_t* c, xcb_window_t window) {
    xcb_change_property(c, XCB_PROP_MODE_REPLACE, window, netWmName(c), utf8String(c), 8, 0,
                        nullptr);
    xcb_change_property(c, XCB_PROP_MODE_REPLACE, window, XCB_ATOM_WM_NAME, XCB_ATOM_STRING, 8, 0,
                        nullptr);
    xcb_flush(c);
}

QString readTitle(xcb_connection_t* c, xcb_window_t window) {
    const auto cookie = xcb_get_property(c, 0, window, netWmName(c), utf8String(c), 0, 1024);
    const std::unique_ptr<xcb_get_property_reply_t, decltype(&free)> reply(
        xcb_get_property_reply(c, cookie, nullptr), &free);
    if (!reply)
        return {};
    return QString::fromUtf8(static_cast<const char*>(xcb_get_property_value(reply.get())),
                             xcb_get_property_value_length(reply.get()));
}
#endif

// The plugin writes its fallback when the native window is made (at the first
// showing, and again after a change of frame) and at every retitling; each of
// those is followed by a Show or a WindowTitleChange, when the empty title is
// written over it.
class TitleKeeper : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        const auto type = event->type();
        if (type != QEvent::Show && type != QEvent::WindowTitleChange)
            return false;
        auto* w = qobject_cast<QWidget*>(watched);
        if (!w || !w->isWindow() || !w->windowTitle().isEmpty() ||
            !w->testAttribute(Qt::WA_WState_Created))
            return false;
#if ZARVEK_HAVE_XCB && QT_CONFIG(xcb)
        if (xcb_connection_t* c = x11Connection())
            clearTitle(c, xcb_window_t(w->winId()));
#endif
        return false;
    }
};

} // namespace

void keepEmptyTitlesEmpty(QApplication& app) {
    app.installEventFilter(new TitleKeeper(&app));
}

QString titleBarText(const QWidget& window) {
#if ZARVEK_HAVE_XCB && QT_CONFIG(xcb)
    if (xcb_connection_t* c = x11Connection(); c && window.testAttribute(Qt::WA_WState_Created))
        return readTitle(c, xcb_window_t(window.winId()));
#endif
    return window.windowTitle();
}
