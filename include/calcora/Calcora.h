// libcalcora.so: the four numeric functions of the axis code, with C linkage.
#pragma once

extern "C" {

// The lesser of a and b.
double Less(double a, double b);
// The greater of a and b.
double More(double a, double b);
// The base-10 logarithm of a positive x.
double Log10(double x);
// The smallest whole number not below x.
double Ceil(double x);
}
