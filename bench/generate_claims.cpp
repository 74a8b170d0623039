// Writes a generated claims text to standard output, for timing the command line and the window
// on the same inputs as the benchmark:
//
//   quillex-generate-claims FAMILY SIZE > claims.txt      e.g. realistic 8M

#include <cstdio>
#include <string>

#include "BenchInputs.h"
#include "ClaimsGenerator.h"

int main(int argc, char** argv) {
  const auto family = argc == 3 ? FamilyFromName(argv[1]) : std::nullopt;
  const auto size = argc == 3 ? ParseSize(argv[2]) : std::nullopt;
  if (!family || !size) {
    std::fputs(
        "usage: quillex-generate-claims FAMILY SIZE\n"
        "  FAMILY: realistic, forward-web, wide-ranges, long-claim or deep-chain\n"
        "  SIZE: bytes, or a number followed by K or M\n",
        stderr);
    return 2;
  }
  const std::string text = GenerateClaims(*family, *size, BenchCorpus());
  if (text.empty()) {
    std::fputs("quillex-generate-claims: the corpus could not be read (set QUILLEX_CORPUS)\n",
               stderr);
    return 2;
  }
  return std::fwrite(text.data(), 1, text.size(), stdout) == text.size() ? 0 : 1;
}
