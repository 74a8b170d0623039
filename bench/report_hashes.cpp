// Fingerprints of the reports of every family and size, so that a change to the engine can be
// shown to leave every report byte for byte as it was.
//
//   quillex-report-hashes [--sizes 256K,1M,...]           prints "family size hash" lines
//   quillex-report-hashes --check FILE [--sizes ...]      compares with FILE; exit 1 on a change
//
// The hash is the 64-bit FNV-1a of the UTF-8 text that the whole check shows.

#include <QByteArray>
#include <cinttypes>
#include <cstdio>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "BenchInputs.h"
#include "ClaimsGenerator.h"
#include "WholeCheck.h"

namespace {

uint64_t Fnv1a(const QByteArray& bytes) {
  uint64_t hash = 0xCBF29CE484222325ULL;
  for (char c : bytes) {
    hash ^= static_cast<unsigned char>(c);
    hash *= 0x100000001B3ULL;
  }
  return hash;
}

std::string Key(Family family, size_t bytes) {
  return std::string(FamilyName(family)) + " " + SizeName(bytes);
}

std::string HashText(uint64_t hash) {
  char text[17];
  std::snprintf(text, sizeof text, "%016" PRIx64, hash);
  return text;
}

// "family size" -> hash, from lines "family size hash"; lines starting with "#" are comments.
std::map<std::string, std::string> ReadExpected(const char* path) {
  std::map<std::string, std::string> expected;
  std::ifstream in(path);
  for (std::string line; std::getline(in, line);) {
    if (line.empty() || line[0] == '#') continue;
    std::istringstream fields(line);
    std::string family, size, hash;
    if (fields >> family >> size >> hash) expected[family + " " + size] = hash;
  }
  return expected;
}

std::optional<std::vector<size_t>> ParseSizes(const std::string& list) {
  std::vector<size_t> sizes;
  std::istringstream items(list);
  for (std::string item; std::getline(items, item, ',');) {
    const auto size = ParseSize(item);
    if (!size) return std::nullopt;
    sizes.push_back(*size);
  }
  return sizes;
}

int Usage() {
  std::fputs("usage: quillex-report-hashes [--check FILE] [--sizes SIZE,...]\n", stderr);
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  const char* checkFile = nullptr;
  std::vector<size_t> sizes(std::begin(kInputSizes), std::end(kInputSizes));
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (i + 1 >= argc) return Usage();
    if (arg == "--check") {
      checkFile = argv[++i];
    } else if (arg == "--sizes") {
      const auto parsed = ParseSizes(argv[++i]);
      if (!parsed) return Usage();
      sizes = *parsed;
    } else {
      return Usage();
    }
  }
  if (BenchCorpus().empty()) {
    std::fputs("quillex-report-hashes: the corpus could not be read (set QUILLEX_CORPUS)\n",
               stderr);
    return 2;
  }
  const auto expected = checkFile ? ReadExpected(checkFile) : std::map<std::string, std::string>{};
  if (checkFile && expected.empty()) {
    std::fprintf(stderr, "quillex-report-hashes: no hashes in %s\n", checkFile);
    return 2;
  }
  int changed = 0;
  for (Family family : kFamilies) {
    for (size_t bytes : sizes) {
      const std::string input = GenerateClaims(family, bytes, BenchCorpus());
      const std::string hash = HashText(Fnv1a(WholeCheck(QString::fromUtf8(input)).toUtf8()));
      const std::string key = Key(family, bytes);
      std::printf("%s %s\n", key.c_str(), hash.c_str());
      std::fflush(stdout);
      if (!checkFile) continue;
      const auto found = expected.find(key);
      if (found == expected.end() || found->second != hash) {
        std::fprintf(stderr, "report changed: %s is %s, expected %s\n", key.c_str(), hash.c_str(),
                     found == expected.end() ? "(none)" : found->second.c_str());
        ++changed;
      }
    }
  }
  return changed == 0 ? 0 : 1;
}
