// Fuzz target: GraphData JSON text. What loads saves and reloads to the same text; anything
// else is refused with error 380 and returns nothing.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vantrel/Error.h>
#include <vantrel/GraphDataJson.h>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    vantrel::Ref<vantrel::GraphData> model;
    try {
        model = vantrel::GraphDataFromJsonText(text, "fuzz");
    } catch (const vantrel::Error& error) {
        if (error.Number() != vantrel::errInvalidPropertyValue)
            std::abort();
        return 0;
    }
    if (!model)
        std::abort();
    // Whatever was read can be written (names and texts came in as valid UTF-8), and the written
    // text describes the same model.
    const std::string saved = vantrel::GraphDataJsonText(model);
    const vantrel::Ref<vantrel::GraphData> reloaded
        = vantrel::GraphDataFromJsonText(saved, "saved");
    if (vantrel::GraphDataJsonText(reloaded) != saved)
        std::abort();
    return 0;
}
