#include "GridScript.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <string>

// Any bytes as a grid script: a fault of the grid's shape aborts with the
// failing action and the whole script's actions.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string failure = typ::test::RunGridScript({data, size});
    if (failure.empty())
        return 0;
    typ::test::RunGridScript({data, size}, &std::cerr);
    std::fprintf(stderr, "%s\n", failure.c_str());
    std::abort();
}
