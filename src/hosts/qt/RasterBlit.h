// Presenting picture pixels: written straight into the image a raster painter draws on.
#pragma once

#include <QPoint>
#include <QRegion>
#include <gdi/PixelView.h>

class QPainter;

namespace vantrel::qt {

// Copies the parts of `region` (the painter's logical coordinates) that `pixels` covers, its
// top-left pixel at `origin`, into the 32-bit image the painter draws on, converting each pixel
// once (0x00BBGGRR to the image's own order). Returns false, painting nothing, unless the
// painter is a raster one drawing one image pixel per logical pixel with no clip, opacity or
// composition of its own; the caller then draws through QPainter.
//
// QPainter::drawImage cannot do this cheaply: our pixels are never in the backing store's
// order, so it converts them span by span, and a dirty region of thin strips (a selection's
// lines) is a thousand one-pixel spans, which it hands out to a thread pool. A whole window is
// converted here with byte shuffles, in less time than QPainter takes to start its threads.

bool BlitToRaster(
    QPainter& painter, const gdi::PixelView& pixels, const QPoint& origin, const QRegion& region);

} // namespace vantrel::qt
