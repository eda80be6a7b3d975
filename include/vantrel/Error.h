// The one exception type of the library, carrying the platform's standard error numbers.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>

namespace vantrel {

// The platform's standard error numbers, the one list of them: the control, the libraries under
// it and the hosts raise these and define none of their own.
enum ErrorNumber : int32_t {
    errInvalidCall = 5,
    errOverflow = 6,
    errOutOfMemory = 7,
    errSubscriptOutOfRange = 9,
    errDivisionByZero = 11,
    errTypeMismatch = 13,
    errFileNotFound = 53,
    errFileAccess = 75,
    errObjectNotSet = 91,
    errInvalidPropertyValue = 380,
    errEntryPointNotFound = 453,
};

class Error : public std::runtime_error {
public:
    // The standard text of the number ("Overflow" for 6).
    explicit Error(int32_t number);
    // A number with a text of the caller's, for failures that need to say more
    // (a file name, a position).
    Error(int32_t number, const std::string& text);

    int32_t Number() const { return number_; }

    // The standard text of an error number; "Application-defined or object-defined error"
    // for numbers the library does not raise.
    static std::string StandardText(int32_t number);

private:
    int32_t number_;
};

} // namespace vantrel
