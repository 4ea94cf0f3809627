// Fuzz target: reading the eight start-up texts from a message file. Every
// text stays within its capacity, whatever the file holds.
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "export/startup.h"
#include "fuzz/fuzz_check.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0)
        return 0;
    std::FILE* file = ::fmemopen(const_cast<uint8_t*>(data), size, "r");
    if (!file)
        return 0;
    const StartupTexts texts = readStartupTexts(file);
    std::fclose(file);
    require(texts.connectFailed.size() < 300 && texts.usage.size() < 3000 &&
            texts.success.size() < 300 && texts.failure.size() < 500 && texts.text4.size() < 200 &&
            texts.text5.size() < 200 && texts.text6.size() < 200 && texts.text7.size() < 200);
    return 0;
}
