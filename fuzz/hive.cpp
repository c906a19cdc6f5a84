// The hive text reader on arbitrary bytes: it either refuses the text with a HiveFormatError or
// reads a hive that, written out and read again, is the same hive and is written the same way.
// Anything else (a crash, another exception, a hive that changes on the way) is a fault.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "platform/Hive.h"
#include "platform/HiveFormat.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace lunasoma;
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  Hive first;
  try {
    first = parseHive(text, CurrentUserRoot);
  } catch (const HiveFormatError&) {
    return 0;
  }
  const std::string written = formatHive(first, CurrentUserRoot);
  const Hive second = parseHive(written, CurrentUserRoot);
  if (!(second == first)) std::abort();
  if (formatHive(second, CurrentUserRoot) != written) std::abort();
  return 0;
}
