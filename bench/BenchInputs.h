// The inputs shared by the benchmark and the report-hash tool: sizes and the corpus.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// 256 KiB to 8 MiB, doubling.
inline constexpr size_t kInputSizes[] = {size_t{256} << 10, size_t{512} << 10, size_t{1} << 20,
                                         size_t{2} << 20,   size_t{4} << 20,   size_t{8} << 20};

// "256K" for 256 KiB, "8M" for 8 MiB, plain digits for sizes that are neither.
std::string SizeName(size_t bytes);

// The size that SizeName gives `name` (plain digits, or digits followed by "K" or "M"), or nothing
// when `name` is no such size or is 0.
std::optional<size_t> ParseSize(std::string_view name);

// The claims texts of the corpus in $QUILLEX_CORPUS when it is set, else in the shared corpus
// beside the repository; read once. Empty when the folder cannot be read.
const std::vector<std::string>& BenchCorpus();
