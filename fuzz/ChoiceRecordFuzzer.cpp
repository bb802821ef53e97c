// Reads arbitrary bytes as the record of the player's last choice, as a damaged or foreign
// special1.tmp would arrive, and checks that whatever choice it yields can be written back.

#include "launcher/ChoiceRecord.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    const std::string_view record(reinterpret_cast<const char *>(data), size);
    const std::u16string chosen = ChoiceRecord::Parse(record);
    if (chosen.size() > record.size())
        std::abort();
    // A choice read back is remembered and read again unchanged, unless the record cannot
    // hold it (a path with a double quote).
    if (ChoiceRecord::CanHold(chosen) != (chosen.find(u'"') == std::u16string::npos))
        std::abort();
    return 0;
}
