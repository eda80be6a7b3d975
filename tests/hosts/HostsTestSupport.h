// Files under the test output folder.
#pragma once

#include "vantrel/ErrorOf.h"

#include <cstdint>
#include <string>

namespace hoststest {

inline std::string OutputPath(const std::string& name)
{
    return std::string(VANTREL_TEST_OUTPUT_DIR) + "/hosts_" + name;
}

using vantrel::test::ErrorOf;

} // namespace hoststest
