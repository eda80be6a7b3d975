// Decodes its input into a sequence of calls on one HeadlessHost and checks after each call:
// nothing but vantrel::Error leaves the library, no pen, brush or font outlives a completed
// call, and a refused call of the kinds documented as atomic changes nothing observable.
#include "support/CallSequenceSteps.h"
#include "support/FuzzInput.h"

#include <cstdint>
#include <string>
#include <vantrel/Error.h>
#include <vantrel/HeadlessHost.h>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    fuzzing::FuzzInput input(data, size);
    const int32_t width = static_cast<int32_t>(input.Choice(240)) + 8;
    const int32_t height = static_cast<int32_t>(input.Choice(180)) + 8;
    vantrel::HeadlessHost host(width, height);
    host.InitNew();
    fuzzing::CallSequence calls(host, input);
    for (int32_t step = 0; step < 32 && !input.Done(); ++step)
        calls.Next();
    return 0;
}
