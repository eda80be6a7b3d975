// Conversions of a Variant to the scalar types of properties, as the platform converts them:
// numbers round half to even, True is -1, text is parsed as a number with the full stop as
// decimal separator; text that is no number is a type mismatch (13), a number outside the target
// range an overflow (6), an object a type mismatch.
#pragma once

#include <cstdint>
#include <string>
#include <vantrel/Variant.h>

namespace vantrel {

int32_t VariantToLong(const Variant& value);
int16_t VariantToInteger(const Variant& value);
bool VariantToBoolean(const Variant& value);
float VariantToSingle(const Variant& value);
double VariantToDouble(const Variant& value);
std::string VariantToString(const Variant& value);

} // namespace vantrel
