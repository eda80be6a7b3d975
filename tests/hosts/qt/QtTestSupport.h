// Shared by the Qt widget's tests: the scripted graph both hosts draw, the events they report,
// and images in one comparable form.
#pragma once

#include <QImage>
#include <QString>
#include <QStringList>
#include <cmath>
#include <string>
#include <vantrel/HeadlessHost.h>
#include <vantrel/vantrel.h>

namespace vantrel::qttest {

constexpr int graphWidth = 400;
constexpr int graphHeight = 300;

// Frame, a sine series, a second series, labels and a shape: everything a redraw replays.
inline void DrawScript(OrvGraph& graph)
{
    graph.Clear();
    graph.SetScale(0.0, -1.5, 10.0, 1.5);
    std::vector<double> ys;
    for (int k = 0; k <= 200; ++k)
        ys.push_back(std::sin(k * 0.05));
    graph.DrawY(gdtLine, 0.0, 0.05, DoubleArray(ys), static_cast<int32_t>(ys.size()), 0xC00000);
    graph.DrawXY(gdtDotted, DoubleArray({ 1.0, 3.0, 5.0, 7.0 }),
        DoubleArray({ 1.0, -1.0, 0.5, 0.0 }), 4, 0x008000);
    graph.DrawLabel(2.0, 1.2, "peak", 0x000080);
    graph.DrawRectangle(6.0, -1.0, 8.0, -0.5, 0x0000FF);
}

// The off-screen host's screen as a QImage (Format_RGB32).
inline QImage HeadlessImage(const HeadlessHost& host, const std::string& scratchPng)
{
    host.SavePng(scratchPng);
    return QImage(QString::fromStdString(scratchPng)).convertToFormat(QImage::Format_RGB32);
}

// Every logical pixel of `logical` shown as a ratio x ratio block of `device`, exactly; empty
// when so, else the first difference.
inline QString CompareScaled(const QImage& logical, const QImage& device, int ratio)
{
    if (device.width() != logical.width() * ratio || device.height() != logical.height() * ratio)
        return QStringLiteral("size %1x%2, expected %3x%4 times %5")
            .arg(device.width())
            .arg(device.height())
            .arg(logical.width())
            .arg(logical.height())
            .arg(ratio);
    for (int y = 0; y < device.height(); ++y)
        for (int x = 0; x < device.width(); ++x) {
            const QRgb want = logical.pixel(x / ratio, y / ratio) | 0xFF000000u;
            const QRgb got = device.pixel(x, y) | 0xFF000000u;
            if (want != got)
                return QStringLiteral("device pixel %1,%2: %3, expected %4")
                    .arg(x)
                    .arg(y)
                    .arg(got, 8, 16)
                    .arg(want, 8, 16);
        }
    return {};
}

// The control's events as text, the same for both hosts.
inline QString EventText(const char* name, int button, int shift, double x, double y)
{
    return QStringLiteral("%1 %2 %3 %4 %5")
        .arg(name)
        .arg(button)
        .arg(shift)
        .arg(x, 0, 'g', 17)
        .arg(y, 0, 'g', 17);
}

} // namespace vantrel::qttest
