#include "BenchInputs.h"

#include <charconv>
#include <cstdlib>

#include "ClaimsGenerator.h"

std::string SizeName(size_t bytes) {
  if (bytes >= (size_t{1} << 20) && bytes % (size_t{1} << 20) == 0) {
    return std::to_string(bytes >> 20) + "M";
  }
  if (bytes >= (size_t{1} << 10) && bytes % (size_t{1} << 10) == 0) {
    return std::to_string(bytes >> 10) + "K";
  }
  return std::to_string(bytes);
}

std::optional<size_t> ParseSize(std::string_view name) {
  int shift = 0;
  if (name.ends_with('K')) shift = 10;
  if (name.ends_with('M')) shift = 20;
  if (shift > 0) name.remove_suffix(1);
  size_t value = 0;
  const auto [end, error] = std::from_chars(name.data(), name.data() + name.size(), value);
  if (error != std::errc() || end != name.data() + name.size() || value == 0) return std::nullopt;
  if (value > (SIZE_MAX >> shift)) return std::nullopt;
  return value << shift;
}

const std::vector<std::string>& BenchCorpus() {
  static const std::vector<std::string> corpus = [] {
    const char* dir = std::getenv("QUILLEX_CORPUS");
    return LoadCorpus(dir != nullptr ? dir : QUILLEX_CORPUS_DIR);
  }();
  return corpus;
}
