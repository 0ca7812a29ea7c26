// ReplaceAll with "%1" replaces exactly the occurrences of the original text, left to
// right, even when the replacement itself holds "%1": the result is the text split at
// those occurrences and joined with the replacement.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "fuzz_support.h"
#include "open_folder_with.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  // Input: the text, a 0xFF byte, the replacement.
  const std::string input(reinterpret_cast<const char*>(data), size);
  const std::size_t cut = input.find('\xFF');
  const std::string original = input.substr(0, cut);
  const std::string replacement = cut == std::string::npos ? "%1" : input.substr(cut + 1);

  std::vector<std::string> pieces(1);
  for (std::size_t i = 0; i < original.size();) {
    if (original.compare(i, 2, "%1") == 0) {
      pieces.emplace_back();
      i += 2;
    } else {
      pieces.back() += original[i++];
    }
  }
  std::string expected = pieces[0];
  for (std::size_t i = 1; i < pieces.size(); ++i) expected += replacement + pieces[i];

  std::string text = original;
  FUZZ_CHECK(&ReplaceAll(text, "%1", replacement) == &text);
  FUZZ_CHECK(text == expected);
  return 0;
}
