#include "pet/windows/servercanvas.h"

#include <QGuiApplication>
#include <QImage>
#include <QtGlobal>

#if defined(TOBBERLY_SERVER_CANVAS) && QT_CONFIG(xcb)
#include <QtGui/qguiapplication_platform.h>
#include <xcb/xcb.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <vector>
#ifdef TOBBERLY_SERVER_LATER
#include <xcb/sync.h>
#endif

namespace {
xcb_connection_t *connectionOf(void *c) { return static_cast<xcb_connection_t *>(c); }

// Where the window's visual is among the server's: its screen's root and its depth, when its
// pixels are 24-bit words of 0xRRGGBB, as Qt's RGB32 pictures are laid out in memory here.
bool rgb32Visual(const xcb_setup_t *setup, xcb_visualid_t visual, xcb_window_t *root, quint8 *depth)
{
    if (Q_BYTE_ORDER != Q_LITTLE_ENDIAN || setup->image_byte_order != XCB_IMAGE_ORDER_LSB_FIRST)
        return false;
    bool wordPixels = false;
    for (auto f = xcb_setup_pixmap_formats_iterator(setup); f.rem; xcb_format_next(&f))
        if (f.data->depth == 24)
            wordPixels = f.data->bits_per_pixel == 32 && f.data->scanline_pad == 32;
    if (!wordPixels)
        return false;
    for (auto s = xcb_setup_roots_iterator(setup); s.rem; xcb_screen_next(&s))
        for (auto d = xcb_screen_allowed_depths_iterator(s.data); d.rem; xcb_depth_next(&d))
            for (auto v = xcb_depth_visuals_iterator(d.data); v.rem; xcb_visualtype_next(&v))
                if (v.data->visual_id == visual) {
                    *root = s.data->root;
                    *depth = d.data->depth;
                    return d.data->depth == 24 && v.data->_class == XCB_VISUAL_CLASS_TRUE_COLOR
                           && v.data->red_mask == 0xff0000 && v.data->green_mask == 0xff00
                           && v.data->blue_mask == 0xff;
                }
    return false;
}
} // namespace

std::unique_ptr<ServerCanvas> ServerCanvas::open(quintptr window)
{
    if (!window)
        return nullptr;
    auto *x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    xcb_connection_t *c = x11 ? x11->connection() : nullptr;
    if (!c || xcb_connection_has_error(c))
        return nullptr;
    const xcb_setup_t *setup = xcb_get_setup(c);
    // One answer, once, when the pet's window is first shown; nothing later waits for the server.
    std::unique_ptr<xcb_get_window_attributes_reply_t, decltype(&std::free)> attributes(
        xcb_get_window_attributes_reply(c, xcb_get_window_attributes(c, xcb_window_t(window)), nullptr), &std::free);
    xcb_window_t root = 0;
    quint8 depth = 0;
    if (!attributes || !rgb32Visual(setup, attributes->visual, &root, &depth))
        return nullptr;
    // Masks are sent one bit a pixel, each row a whole number of the server's units.
    const bool leastFirst = setup->bitmap_format_bit_order == XCB_IMAGE_ORDER_LSB_FIRST;
    if (leastFirst != (setup->image_byte_order == XCB_IMAGE_ORDER_LSB_FIRST) && setup->bitmap_format_scanline_unit != 8)
        return nullptr;

    std::unique_ptr<ServerCanvas> canvas(new ServerCanvas);
    canvas->m_connection = c;
    canvas->m_window = quint32(window);
    canvas->m_root = root;
    canvas->m_depth = depth;
    canvas->m_bitsLeastFirst = leastFirst;
    canvas->m_bitmapPad = std::max<int>(8, setup->bitmap_format_scanline_pad);
    // A request is at most the server's limit; 256 KB keeps each write to the connection small.
    canvas->m_maxRequestBytes = std::min<quint32>(quint32(setup->maximum_request_length) * 4, 1u << 18) - 64;

    // No copy may ask the server to report what it could not copy: every such report would wake
    // the program.
    auto quietGc = [c, window] {
        const quint32 noExposures[] = {0};
        const xcb_gcontext_t gc = xcb_generate_id(c);
        xcb_create_gc(c, gc, xcb_drawable_t(window), XCB_GC_GRAPHICS_EXPOSURES, noExposures);
        return gc;
    };
    canvas->m_plainGc = quietGc();
    canvas->m_limitedGc = quietGc();
    canvas->m_maskedGc = quietGc();
    canvas->m_now = {c, canvas->m_limitedGc, canvas->m_maskedGc};
    canvas->m_target = canvas->m_now;
    return canvas;
}

#ifdef TOBBERLY_SERVER_LATER
bool ServerCanvas::openLater()
{
    if (m_laterUnavailable)
        return false;
    // Once a connection proves useless, the pictures are drawn by the program as before.
    m_laterUnavailable = true;
    xcb_connection_t *c = xcb_connect(nullptr, nullptr);
    auto fail = [c] {
        xcb_disconnect(c);
        return false;
    };
    if (xcb_connection_has_error(c))
        return fail();
    // The same server as the program's own: the window is there, on the same root, as deep.
    std::unique_ptr<xcb_get_geometry_reply_t, decltype(&std::free)> geometry(
        xcb_get_geometry_reply(c, xcb_get_geometry(c, m_window), nullptr), &std::free);
    if (!geometry || geometry->root != m_root || geometry->depth != m_depth)
        return fail();
    const xcb_query_extension_reply_t *sync = xcb_get_extension_data(c, &xcb_sync_id);
    if (!sync || !sync->present)
        return fail();
    free(xcb_sync_initialize_reply(c, xcb_sync_initialize(c, XCB_SYNC_MAJOR_VERSION, XCB_SYNC_MINOR_VERSION), nullptr));
    if (!m_serverTime) {
        std::unique_ptr<xcb_sync_list_system_counters_reply_t, decltype(&std::free)> counters(
            xcb_sync_list_system_counters_reply(c, xcb_sync_list_system_counters(c), nullptr), &std::free);
        if (!counters)
            return fail();
        // Read by hand: each entry is a counter, its resolution, its name's length and the name,
        // padded to four bytes.
        const auto *at = reinterpret_cast<const quint8 *>(counters.get() + 1);
        const auto *end = at + counters->length * 4;
        for (quint32 i = 0; i < counters->counters_len && at + 14 <= end; ++i) {
            quint32 id;
            quint16 length;
            std::memcpy(&id, at, 4);
            std::memcpy(&length, at + 12, 2);
            if (at + 14 + length > end)
                break;
            if (QByteArray::fromRawData(reinterpret_cast<const char *>(at + 14), length) == "SERVERTIME")
                m_serverTime = id;
            at += (14 + length + 3) & ~3;
        }
        if (!m_serverTime)
            return fail();
    }
    const qint64 before = steadyMs();
    std::unique_ptr<xcb_sync_query_counter_reply_t, decltype(&std::free)> time(
        xcb_sync_query_counter_reply(c, xcb_sync_query_counter(c, m_serverTime), nullptr), &std::free);
    if (!time)
        return fail();
    const qint64 server = qint64(quint64(quint32(time->counter_value.hi)) << 32 | time->counter_value.lo);
    m_serverAhead = server - (before + steadyMs()) / 2;

    const quint32 noExposures[] = {0};
    m_later.connection = c;
    m_later.limitedGc = xcb_generate_id(c);
    xcb_create_gc(c, m_later.limitedGc, m_window, XCB_GC_GRAPHICS_EXPOSURES, noExposures);
    m_later.maskedGc = xcb_generate_id(c);
    xcb_create_gc(c, m_later.maskedGc, m_window, XCB_GC_GRAPHICS_EXPOSURES, noExposures);
    m_laterUnavailable = false;
    return true;
}

bool ServerCanvas::beginLater(qint64 at)
{
    if (!m_later.connection && !openLater())
        return false;
    xcb_connection_t *c = connectionOf(m_later.connection);
    const qint64 value = at + m_serverAhead;
    xcb_sync_waitcondition_t wait{};
    wait.trigger.counter = m_serverTime;
    wait.trigger.wait_type = XCB_SYNC_VALUETYPE_ABSOLUTE;
    wait.trigger.wait_value.hi = qint32(value >> 32);
    wait.trigger.wait_value.lo = quint32(value & 0xffffffffu);
    wait.trigger.test_type = XCB_SYNC_TESTTYPE_POSITIVE_COMPARISON;
    // No event when the moment comes: nobody reads this connection.
    wait.event_threshold.hi = 0x7fffffff;
    wait.event_threshold.lo = 0xffffffffu;
    xcb_sync_await(c, 1, &wait);
    m_target = m_later;
    m_lastLater = std::max(m_lastLater, at);
    return true;
}

void ServerCanvas::endLater()
{
    if (m_target.connection != m_later.connection)
        return;
    m_target = m_now;
    if (std::exchange(m_uploadedLater, false)) {
        // The pictures the moments use must be in the server before the moments ask for them.
        xcb_connection_t *c = connectionOf(m_connection);
        free(xcb_get_input_focus_reply(c, xcb_get_input_focus(c), nullptr));
    }
    xcb_connection_t *later = connectionOf(m_later.connection);
    xcb_flush(later);
    // Anything the server said on it meanwhile (nothing is asked of it) is let go.
    while (xcb_generic_event_t *e = xcb_poll_for_event(later))
        std::free(e);
}

void ServerCanvas::cancelLater()
{
    if (!m_later.connection)
        return;
    endLater();
    // The server closes the held-back connection at once, and what it held is never drawn.
    xcb_connection_t *c = connectionOf(m_connection);
    xcb_kill_client(c, m_later.limitedGc);
    xcb_flush(c);
    xcb_disconnect(connectionOf(m_later.connection));
    m_later = {};
    m_lastLater = -1;
}

bool ServerCanvas::canShowLater() const { return !m_laterUnavailable; }

bool ServerCanvas::dropLater(qint64 now)
{
    // A moment the server may not have drawn yet, for all its clock says.
    constexpr qint64 kUnsureMs = 100;
    if (!m_later.connection || m_lastLater < now - kUnsureMs)
        return false;
    cancelLater();
    return true;
}
#else
bool ServerCanvas::canShowLater() const { return false; }
bool ServerCanvas::dropLater(qint64) { return false; }
bool ServerCanvas::openLater() { return false; }
bool ServerCanvas::beginLater(qint64) { return false; }
void ServerCanvas::endLater() {}
void ServerCanvas::cancelLater() {}
bool ServerCanvas::canShowLater() const { return false; }
bool ServerCanvas::dropLater(qint64) { return false; }
#endif

ServerCanvas::~ServerCanvas()
{
    // The server frees all of it anyway when the program's connection closes.
    if (!qGuiApp)
        return;
    cancelLater();
    xcb_connection_t *c = connectionOf(m_connection);
    for (const Held &h : std::as_const(m_pictures)) {
        xcb_free_pixmap(c, h.pixels);
        if (h.mask)
            xcb_free_pixmap(c, h.mask);
    }
    if (m_back)
        xcb_free_pixmap(c, m_back);
    xcb_free_gc(c, m_plainGc);
    xcb_free_gc(c, m_limitedGc);
    xcb_free_gc(c, m_maskedGc);
    if (m_maskGc)
        xcb_free_gc(c, m_maskGc);
    xcb_flush(c);
}

void ServerCanvas::setSize(QSize deviceSize)
{
    if (deviceSize == m_size || deviceSize.isEmpty())
        return;
    xcb_connection_t *c = connectionOf(m_connection);
    if (m_back)
        xcb_free_pixmap(c, m_back);
    m_back = xcb_generate_id(c);
    xcb_create_pixmap(c, m_depth, m_back, m_root, quint16(deviceSize.width()), quint16(deviceSize.height()));
    m_size = deviceSize;
}

const ServerCanvas::Held &ServerCanvas::upload(const QPixmap &picture)
{
    const auto known = m_pictures.constFind(picture.cacheKey());
    if (known != m_pictures.constEnd())
        return *known;
    xcb_connection_t *c = connectionOf(m_connection);
    m_uploadedLater = m_uploadedLater || m_target.connection != m_now.connection;
    Held held;
    const QImage image = picture.toImage();
    const int w = image.width(), h = image.height();

    const QImage pixels = image.convertToFormat(QImage::Format_RGB32);
    held.pixels = xcb_generate_id(c);
    xcb_create_pixmap(c, m_depth, held.pixels, m_root, quint16(w), quint16(h));
    const int rowBytes = int(pixels.bytesPerLine());
    const int rowsAtOnce = std::max(1, int(m_maxRequestBytes) / rowBytes);
    for (int y = 0; y < h; y += rowsAtOnce) {
        const int rows = std::min(rowsAtOnce, h - y);
        xcb_put_image(c, XCB_IMAGE_FORMAT_Z_PIXMAP, held.pixels, m_plainGc, quint16(w), quint16(rows), 0,
                      qint16(y), 0, m_depth, quint32(rows * rowBytes), pixels.constScanLine(y));
    }

    if (image.hasAlphaChannel()) {
        // One bit a pixel: set where the picture is seen.
        const int padBits = m_bitmapPad;
        const int maskRowBytes = (w + padBits - 1) / padBits * padBits / 8;
        std::vector<quint8> bits(size_t(maskRowBytes) * size_t(h), 0);
        const QImage alpha = image.convertToFormat(QImage::Format_ARGB32);
        for (int y = 0; y < h; ++y) {
            const QRgb *row = reinterpret_cast<const QRgb *>(alpha.constScanLine(y));
            quint8 *out = bits.data() + size_t(y) * size_t(maskRowBytes);
            for (int x = 0; x < w; ++x)
                if (qAlpha(row[x]) >= 128)
                    out[x / 8] |= quint8(m_bitsLeastFirst ? 1u << (x % 8) : 0x80u >> (x % 8));
        }
        held.mask = xcb_generate_id(c);
        xcb_create_pixmap(c, 1, held.mask, m_root, quint16(w), quint16(h));
        if (!m_maskGc) {
            const quint32 noExposures[] = {0};
            m_maskGc = xcb_generate_id(c);
            xcb_create_gc(c, m_maskGc, held.mask, XCB_GC_GRAPHICS_EXPOSURES, noExposures);
        }
        const int maskRows = std::max(1, int(m_maxRequestBytes) / maskRowBytes);
        for (int y = 0; y < h; y += maskRows) {
            const int rows = std::min(maskRows, h - y);
            xcb_put_image(c, XCB_IMAGE_FORMAT_XY_PIXMAP, held.mask, m_maskGc, quint16(w), quint16(rows), 0,
                          qint16(y), 0, 1, quint32(rows * maskRowBytes), bits.data() + size_t(y) * size_t(maskRowBytes));
        }
    }
    return *m_pictures.insert(picture.cacheKey(), held);
}

void ServerCanvas::limitTo(const QRegion &area, int scale)
{
    std::vector<xcb_rectangle_t> rects;
    rects.reserve(size_t(area.rectCount()));
    for (const QRect &r : area)
        rects.push_back({qint16(r.x() * scale), qint16(r.y() * scale), quint16(r.width() * scale),
                         quint16(r.height() * scale)});
    const QRect box = area.boundingRect();
    m_limitBox = QRect(box.topLeft() * scale, box.size() * scale);
    xcb_set_clip_rectangles(connectionOf(m_target.connection), XCB_CLIP_ORDERING_UNSORTED, m_target.limitedGc, 0, 0,
                            quint32(rects.size()), rects.data());
}

void ServerCanvas::draw(const QPixmap &picture, const QRect &source, QPoint to)
{
    if (picture.isNull() || source.isEmpty() || !m_back)
        return;
    const Held &h = upload(picture);
    xcb_connection_t *c = connectionOf(m_target.connection);
    xcb_gcontext_t gc = m_target.limitedGc;
    if (h.mask) {
        // The mask lies under the whole picture, whose corner is where the part's corner goes
        // less the part's place in it.
        const quint32 values[] = {quint32(to.x() - source.x()), quint32(to.y() - source.y()), h.mask};
        xcb_change_gc(c, m_target.maskedGc, XCB_GC_CLIP_ORIGIN_X | XCB_GC_CLIP_ORIGIN_Y | XCB_GC_CLIP_MASK, values);
        gc = m_target.maskedGc;
    }
    xcb_copy_area(c, h.pixels, m_back, gc, qint16(source.x()), qint16(source.y()), qint16(to.x()), qint16(to.y()),
                  quint16(source.width()), quint16(source.height()));
}

void ServerCanvas::fill(const QRect &area, QColor colour)
{
    if (area.isEmpty() || !m_back)
        return;
    xcb_connection_t *c = connectionOf(m_target.connection);
    const quint32 pixel[] = {colour.rgb() & 0xffffffu};
    xcb_change_gc(c, m_target.limitedGc, XCB_GC_FOREGROUND, pixel);
    const xcb_rectangle_t r{qint16(area.x()), qint16(area.y()), quint16(area.width()), quint16(area.height())};
    xcb_poly_fill_rectangle(c, m_back, m_target.limitedGc, 1, &r);
}

void ServerCanvas::show()
{
    if (!m_back || !m_window || m_limitBox.isEmpty())
        return;
    xcb_connection_t *c = connectionOf(m_target.connection);
    const QRect &b = m_limitBox;
    xcb_copy_area(c, m_back, m_window, m_target.limitedGc, qint16(b.x()), qint16(b.y()), qint16(b.x()), qint16(b.y()),
                  quint16(b.width()), quint16(b.height()));
    // Held-back drawing goes out as one, when the moments are all drawn.
    if (m_target.connection == m_now.connection)
        xcb_flush(c);
}

void ServerCanvas::forget(qint64 pictureKey)
{
    const auto it = m_pictures.find(pictureKey);
    if (it == m_pictures.end())
        return;
    xcb_connection_t *c = connectionOf(m_connection);
    xcb_free_pixmap(c, it->pixels);
    if (it->mask)
        xcb_free_pixmap(c, it->mask);
    m_pictures.erase(it);
}

#else // no X here: the view paints in the program

std::unique_ptr<ServerCanvas> ServerCanvas::open(quintptr) { return nullptr; }
ServerCanvas::~ServerCanvas() = default;
void ServerCanvas::setSize(QSize) {}
void ServerCanvas::draw(const QPixmap &, const QRect &, QPoint) {}
void ServerCanvas::fill(const QRect &, QColor) {}
void ServerCanvas::limitTo(const QRegion &, int) {}
void ServerCanvas::show() {}
void ServerCanvas::forget(qint64) {}
bool ServerCanvas::openLater() { return false; }
bool ServerCanvas::beginLater(qint64) { return false; }
void ServerCanvas::endLater() {}
void ServerCanvas::cancelLater() {}

#endif
