// Natural cubic splines in unrounded pixel coordinates, sampled into polylines.
#include "krevo/CubicFit.h"

#include <algorithm>
#include <cmath>
#include <new>
#include <vector>

namespace krevo {
namespace {

// Second derivatives of the natural cubic spline through (t[i], v[i]): zero at both ends, the
// tridiagonal system solved by the Thomas algorithm. `scratch` has the size of t.
void SecondDerivatives(const std::vector<double>& t, const std::vector<double>& v,
    std::vector<double>& m, std::vector<double>& scratch)
{
    const size_t n = t.size();
    m.assign(n, 0.0);
    if (n < 3)
        return;
    // Forward sweep over the inner points 1 .. n-2; scratch holds the eliminated upper diagonal.
    scratch[0] = 0.0;
    for (size_t i = 1; i + 1 < n; ++i) {
        const double hl = t[i] - t[i - 1];
        const double hr = t[i + 1] - t[i];
        const double rhs = 6.0 * ((v[i + 1] - v[i]) / hr - (v[i] - v[i - 1]) / hl);
        const double pivot = 2.0 * (hl + hr) - hl * scratch[i - 1];
        scratch[i] = hr / pivot;
        m[i] = (rhs - hl * m[i - 1]) / pivot;
    }
    for (size_t i = n - 2; i >= 1; --i)
        m[i] -= scratch[i] * m[i + 1];
}

double Evaluate(double h, double s, double v0, double v1, double m0, double m1)
{
    const double r = 1.0 - s;
    return r * v0 + s * v1 + h * h / 6.0 * ((r * r * r - r) * m0 + (s * s * s - s) * m1);
}

class RunFitter {
public:
    RunFitter(LinePen& pen, double interval)
        : pen_(pen)
        , interval_(interval)
    {
    }

    void Add(double x, double y)
    {
        if (!xs_.empty() && xs_.back() == x && ys_.back() == y)
            return; // a repeated point adds no piece and would make a zero-length one
        xs_.push_back(x);
        ys_.push_back(y);
    }

    void Flush()
    {
        if (xs_.size() >= 2)
            Draw();
        pen_.Break();
        xs_.clear();
        ys_.clear();
    }

private:
    void Draw()
    {
        const size_t n = xs_.size();
        bool byX = true;
        for (size_t i = 1; i < n && byX; ++i)
            byX = xs_[i] > xs_[i - 1];
        t_.resize(n);
        scratch_.resize(n);
        if (byX) {
            t_ = xs_;
        } else {
            t_[0] = 0.0;
            for (size_t i = 1; i < n; ++i)
                t_[i] = t_[i - 1] + std::hypot(xs_[i] - xs_[i - 1], ys_[i] - ys_[i - 1]);
        }
        SecondDerivatives(t_, ys_, my_, scratch_);
        if (!byX)
            SecondDerivatives(t_, xs_, mx_, scratch_);
        Sample(xs_[0], ys_[0]);
        for (size_t i = 0; i + 1 < n; ++i) {
            const double h = t_[i + 1] - t_[i];
            const double wanted = std::ceil(h / interval_);
            const int64_t steps = wanted >= 1.0
                ? static_cast<int64_t>(std::min<double>(wanted, kMaxStepsPerPiece))
                : 1;
            if (Invisible(i, h, byX)) {
                // The pen ends where the last sample would have left it (s = 1 exactly).
                const double y = Evaluate(h, 1.0, ys_[i], ys_[i + 1], my_[i], my_[i + 1]);
                const double x
                    = byX ? xs_[i] + h : Evaluate(h, 1.0, xs_[i], xs_[i + 1], mx_[i], mx_[i + 1]);
                Jump(x, y);
                continue;
            }
            for (int64_t j = 1; j <= steps; ++j) {
                const double s = static_cast<double>(j) / static_cast<double>(steps);
                const double y = Evaluate(h, s, ys_[i], ys_[i + 1], my_[i], my_[i + 1]);
                const double x
                    = byX ? xs_[i] + s * h : Evaluate(h, s, xs_[i], xs_[i + 1], mx_[i], mx_[i + 1]);
                Sample(x, y);
            }
        }
    }

    // True when piece i cannot paint a pixel inside the clip rectangle, so that its samples can
    // be left out: its bounding box, widened by the cubic term's largest reach
    // (|r^3 - r| <= 2 / (3 sqrt 3) on [0, 1]) and the pen, misses the rectangle. A dashed pen
    // carries its phase along every segment, so its pieces are all sampled.
    bool Invisible(size_t i, double h, bool byX) const
    {
        if (pen_.Dashed())
            return false;
        const auto reach = [&](double v0, double v1, double m0, double m1, double* lo, double* hi) {
            const double bulge = h * h / 6.0 * 0.3850 * (std::fabs(m0) + std::fabs(m1));
            *lo = std::min(v0, v1) - bulge;
            *hi = std::max(v0, v1) + bulge;
        };
        double left = 0, right = 0, top = 0, bottom = 0;
        reach(ys_[i], ys_[i + 1], my_[i], my_[i + 1], &top, &bottom);
        if (byX) {
            left = xs_[i];
            right = xs_[i + 1];
        } else {
            reach(xs_[i], xs_[i + 1], mx_[i], mx_[i + 1], &left, &right);
        }
        // Rounding to pixels moves a sample by half a pixel; the pen reaches its width beyond.
        const double margin = static_cast<double>(pen_.PixelWidth()) + 2.0;
        const gdi::RECT& clip = pen_.Clip();
        // Written so that a NaN bound (an overflowing bulge) keeps the piece.
        return right + margin < clip.left || left - margin > clip.right
            || bottom + margin < clip.top || top - margin > clip.bottom;
    }

    // The pen's state after a left-out piece: at its last sample, or broken.
    void Jump(double x, double y)
    {
        if (!DrawablePixel(x) || !DrawablePixel(y)) {
            pen_.Break();
            return;
        }
        pen_.MoveTo(Point { PixelOf(x), PixelOf(y) });
    }

    void Sample(double x, double y)
    {
        if (!DrawablePixel(x) || !DrawablePixel(y)) {
            pen_.Break();
            return;
        }
        const Point p { PixelOf(x), PixelOf(y) };
        // Consecutive samples on one pixel add nothing but a wide pen's dot.
        if (!pen_.Open() || !(pen_.Current() == p))
            pen_.LineTo(p);
    }

    LinePen& pen_;
    double interval_;
    std::vector<double> xs_;
    std::vector<double> ys_;
    std::vector<double> t_;
    std::vector<double> mx_;
    std::vector<double> my_;
    std::vector<double> scratch_;
};

} // namespace

bool PlotCubicFit(LinePen& pen, const Series& series, double interval)
{
    try {
        RunFitter fitter(pen, interval);
        for (int64_t k = 0; k < series.count; ++k) {
            const double x = series.PixelX(k);
            const double y = series.PixelY(k);
            if (DrawablePixel(x) && DrawablePixel(y))
                fitter.Add(x, y);
            else
                fitter.Flush();
        }
        fitter.Flush();
    } catch (const std::bad_alloc&) {
        pen.Break();
        return false;
    }
    return true;
}

} // namespace krevo
