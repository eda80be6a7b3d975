// libcalcora.so: Less, More, Log10, Ceil.
#include <calcora/Calcora.h>
#include <cmath>

extern "C" {

// NaN handling follows the comparisons the axis code was written against: Less(a, b) is b unless
// a < b, More(a, b) is b unless a > b, so a NaN first argument yields the second.
double Less(double a, double b) { return a < b ? a : b; }

double More(double a, double b) { return a > b ? a : b; }

double Log10(double x) { return std::log10(x); }

double Ceil(double x) { return std::ceil(x); }
}
