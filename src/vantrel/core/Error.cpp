// Standard error texts.
#include <vantrel/Error.h>

namespace vantrel {

std::string Error::StandardText(int32_t number)
{
    switch (number) {
    case 5:
        return "Invalid procedure call or argument";
    case 6:
        return "Overflow";
    case 7:
        return "Out of memory";
    case 9:
        return "Subscript out of range";
    case 11:
        return "Division by zero";
    case 13:
        return "Type mismatch";
    case 53:
        return "File not found";
    case 75:
        return "Path/File access error";
    case 91:
        return "Object variable or With block variable not set";
    case 380:
        return "Invalid property value";
    default:
        return "Application-defined or object-defined error";
    }
}

Error::Error(int32_t number)
    : std::runtime_error(StandardText(number))
    , number_(number)
{
}

Error::Error(int32_t number, const std::string& text)
    : std::runtime_error(text)
    , number_(number)
{
}

} // namespace vantrel
