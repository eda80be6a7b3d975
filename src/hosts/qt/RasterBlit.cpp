// Presenting picture pixels straight into a raster painter's image.
#include "RasterBlit.h"

#include <QImage>
#include <QPaintEngine>
#include <QPainter>
#include <cmath>
#include <type_traits>

#if defined(__x86_64__)
#include <immintrin.h>
#endif

namespace vantrel::qt {

namespace {

// 0x00BBGGRR to 0xFFRRGGBB, the order of Format_RGB32 and the ARGB32 formats.
struct SwapRedBlue {
    static uint32_t Pixel(uint32_t v)
    {
        return 0xFF000000u | (v & 0x0000FF00u) | (v & 0xFFu) << 16 | (v >> 16 & 0xFFu);
    }
};

// On a little-endian machine 0x00BBGGRR is already R, G, B, X in memory.
struct KeepOrder {
    static uint32_t Pixel(uint32_t v) { return v | 0xFF000000u; }
};

#if defined(__x86_64__)
// A full redraw converts two million pixels; four bit operations per pixel at SSE2's width are
// more instructions than the memory takes to deliver, a byte shuffle of eight pixels is one.
__attribute__((target("avx2"))) void SwapRowAvx2(const uint32_t* from, uint32_t* to, int32_t width)
{
    const __m256i order = _mm256_setr_epi8(2, 1, 0, 3, 6, 5, 4, 7, 10, 9, 8, 11, 14, 13, 12, 15, 2,
        1, 0, 3, 6, 5, 4, 7, 10, 9, 8, 11, 14, 13, 12, 15);
    const __m256i alpha = _mm256_set1_epi32(static_cast<int>(0xFF000000u));
    int32_t x = 0;
    for (; x + 8 <= width; x += 8) {
        const __m256i v = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(from + x));
        _mm256_storeu_si256(reinterpret_cast<__m256i*>(to + x),
            _mm256_or_si256(_mm256_shuffle_epi8(v, order), alpha));
    }
    for (; x < width; ++x)
        to[x] = SwapRedBlue::Pixel(from[x]);
}

bool HasAvx2()
{
    static const bool has = __builtin_cpu_supports("avx2") != 0;
    return has;
}
#else
void SwapRowAvx2(const uint32_t*, uint32_t*, int32_t) { }
bool HasAvx2() { return false; }
#endif

// Inlined whole, since the strips of a selection's lines are a thousand rows of one pixel.
template <class Convert>
void CopyRects(const gdi::PixelView& pixels, const QPoint& start, const QRegion& area,
    const QRect& bounds, uchar* bits, qsizetype bytesPerLine)
{
    const bool wide = HasAvx2();
    for (const QRect& part : area) {
        const QRect rect = part & bounds;
        const int32_t width = rect.width();
        for (int y = rect.top(); y <= rect.bottom(); ++y) {
            const uint32_t* __restrict from = pixels.Row(y - start.y()) + (rect.left() - start.x());
            uint32_t* __restrict to
                = reinterpret_cast<uint32_t*>(bits + y * bytesPerLine) + rect.left();
            if constexpr (std::is_same_v<Convert, SwapRedBlue>) {
                if (width >= 16 && wide) {
                    SwapRowAvx2(from, to, width);
                    continue;
                }
            }
            for (int32_t x = 0; x < width; ++x)
                to[x] = Convert::Pixel(from[x]);
        }
    }
}

enum class Order { Unknown, Swapped, Same };

Order OrderOf(QImage::Format format)
{
    if constexpr (QSysInfo::ByteOrder != QSysInfo::LittleEndian)
        return Order::Unknown;
    switch (format) {
    case QImage::Format_RGB32:
    case QImage::Format_ARGB32:
    case QImage::Format_ARGB32_Premultiplied:
        return Order::Swapped;
    case QImage::Format_RGBX8888:
    case QImage::Format_RGBA8888:
    case QImage::Format_RGBA8888_Premultiplied:
        return Order::Same;
    default:
        return Order::Unknown;
    }
}

// The painter's whole-pixel translation to its device, when that is all it does.
bool WholeTranslation(const QTransform& transform, QPoint& offset)
{
    if (transform.type() > QTransform::TxTranslate)
        return false;
    const double dx = transform.dx();
    const double dy = transform.dy();
    if (dx != std::floor(dx) || dy != std::floor(dy))
        return false;
    offset = QPoint(static_cast<int>(dx), static_cast<int>(dy));
    return true;
}

} // namespace

bool BlitToRaster(
    QPainter& painter, const gdi::PixelView& pixels, const QPoint& origin, const QRegion& region)
{
    QPaintEngine* engine = painter.paintEngine();
    if (engine == nullptr || engine->type() != QPaintEngine::Raster || painter.hasClipping()
        || painter.opacity() != 1.0
        || painter.compositionMode() != QPainter::CompositionMode_SourceOver)
        return false;
    QPaintDevice* device = engine->paintDevice();
    if (device == nullptr || device->devType() != QInternal::Image)
        return false;
    auto* image = static_cast<QImage*>(device);
    const Order order = OrderOf(image->format());
    QPoint offset;
    // A shared image would be copied by bits(), away from the painter.
    if (order == Order::Unknown || image->devicePixelRatio() != 1.0 || !image->isDetached()
        || !WholeTranslation(painter.deviceTransform(), offset))
        return false;
    if (pixels.Empty())
        return true;
    const QPoint start = origin + offset;
    const QRect bounds = QRect(start, QSize(pixels.width, pixels.height)) & image->rect();
    // What Qt lets this paint touch: the dirty region less opaque children. Usually the region
    // asked for itself, which spares the intersection.
    QRegion area = region.translated(offset);
    const QRegion system = engine->systemClip();
    if (!system.isEmpty() && system != area)
        area &= system;
    uchar* bits = image->bits();
    const qsizetype bytesPerLine = image->bytesPerLine();
    if (order == Order::Swapped)
        CopyRects<SwapRedBlue>(pixels, start, area, bounds, bits, bytesPerLine);
    else
        CopyRects<KeepOrder>(pixels, start, area, bounds, bits, bytesPerLine);
    return true;
}

} // namespace vantrel::qt
