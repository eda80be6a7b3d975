// A property bag kept in a JSON file, for hosts and tools (library VantrelCtls::hostkit).
#pragma once

#include <string>
#include <vantrel/MemoryPropertyBag.h>

namespace vantrel {

// The file holds one JSON object, one member per entry, in the bag's order:
//   { "FrameLeft": 1200.0, "XAxisName": "Time", "KeepData": false, "CircleRadius": 4 }
// Types on loading: integers become 32-bit integers when they fit, else doubles; numbers with a
// fraction or exponent become doubles; true/false Booleans; strings strings; null Empty.
// On saving, 16- and 32-bit integers are written as integers, single-precision values in their
// shortest form that reads back to the same single, doubles so that they read back exactly.
//
// Failures raise vantrel::Error and leave the bag (Load) or the file (Save: written in full or
// not at all) as it was:
//   53  there is no file at the path;
//   75  what is at the path cannot be read as a file (a directory, a device or FIFO, no
//       permission, a read error), or the file cannot be written; the message gives the reason;
//   380 malformed JSON (the message names the file, line, column and byte offset), a NUL byte,
//       a number beyond double's range (1e400), a top level other than an object, or a member
//       that is an array or object; on saving, a NaN or infinite number, or a key or string
//       that is not valid UTF-8;
//   13  on saving, an object value, which a file cannot hold.
// No other exception leaves Load or Save (std::bad_alloc aside). Both take time in proportion to
// the size of the file.
class JsonPropertyBag : public MemoryPropertyBag {
public:
    // Replaces the whole contents of the bag with the file's.
    void Load(const std::string& path);
    void Save(const std::string& path) const;
};

} // namespace vantrel
