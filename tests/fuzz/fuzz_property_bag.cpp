// The JSON property bag reader. Beyond not crashing: only vantrel::Error leaves Load; a refused
// file leaves the bag as it was; a file that loads saves and loads again to the same entries.
#include "support/FuzzInput.h"

#include <cstdint>
#include <fstream>
#include <string>
#include <unistd.h>
#include <vantrel/Error.h>
#include <vantrel/JsonPropertyBag.h>

namespace {

using vantrel::JsonPropertyBag;
using vantrel::MemoryPropertyBag;

// Files of this process only, so that parallel fuzzing jobs do not share them.
std::string ScratchPath(const char* name)
{
    return "/tmp/vantrel-fuzz-" + std::to_string(::getpid()) + "-" + name;
}

bool SameEntries(const MemoryPropertyBag& a, const MemoryPropertyBag& b)
{
    if (a.Count() != b.Count())
        return false;
    for (std::size_t i = 0; i < a.Entries().size(); ++i) {
        const auto& x = a.Entries()[i];
        const auto& y = b.Entries()[i];
        if (x.Key != y.Key || x.Value.index() != y.Value.index() || !(x.Value == y.Value))
            return false;
    }
    return true;
}

// Load, with every failure that is not a vantrel::Error turned into a violation.
bool Loads(JsonPropertyBag& bag, const std::string& path)
{
    try {
        bag.Load(path);
        return true;
    } catch (const vantrel::Error& e) {
        if (e.Number() != 380 && e.Number() != 53 && e.Number() != 75)
            fuzzing::Violated("Load raised " + std::to_string(e.Number()) + ": " + e.what());
        return false;
    } catch (const std::exception& e) {
        fuzzing::Violated(std::string("Load let another exception out: ") + e.what());
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const std::string input = ScratchPath("input.json");
    static const std::string saved = ScratchPath("saved.json");
    {
        std::ofstream out(input, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    }
    JsonPropertyBag bag;
    bag.Set("Sentinel", int32_t { 7 });
    JsonPropertyBag before = bag;
    if (!Loads(bag, input)) {
        if (!SameEntries(bag, before))
            fuzzing::Violated("a refused load changed the bag");
        return 0;
    }
    try {
        bag.Save(saved);
    } catch (const std::exception& e) {
        fuzzing::Violated(std::string("a loaded bag does not save: ") + e.what());
    }
    JsonPropertyBag again;
    if (!Loads(again, saved) || !SameEntries(bag, again))
        fuzzing::Violated("a saved bag does not load to the same entries");
    return 0;
}
