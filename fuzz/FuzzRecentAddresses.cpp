// Feeds arbitrary bytes to the recent-address file's reader. It must give whole pairs, and what
// it gives must be written and read again unchanged.
#include "core/mail/CRecentAddressFile.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const auto strings = CRecentAddressFile::Decode(bytes);
    if (strings.size() % 2 != 0)
        std::abort();
    if (CRecentAddressFile::Decode(CRecentAddressFile::Encode(strings)) != strings)
        std::abort();
    return 0;
}
