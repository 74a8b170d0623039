// Deterministic claims texts for measuring the check: five families of input, each at any size.
//
// Every text is UTF-8 with "\n" line breaks, as a user would paste or save it. The same family,
// size, seed and corpus always give the same bytes, on any machine.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

enum class Family {
  // Claims sections of real applications, one after another, numbered on from one section to the
  // next. Claim numbers stop at 9999, so a section that would pass it starts again at 1.
  kRealistic,
  // Claim 1 is independent; every further claim k refers to the window of the four claims after
  // it ("k+1～k+4中任一项") and says "所述" several times. The window is bounded so that each head
  // stays short, while the antecedent walk still fans out four ways per generation.
  kForwardWeb,
  // Claim 1 is independent; every further claim refers to "1～9999中任一项" and carries about
  // 16 KB of description, so that its 9,999 parents make the report about four times the input.
  kWideRanges,
  // Four short claims, then a fifth whose description paragraphs run on to the requested size,
  // full of "所述" followed by terms drawn from some 46,000 pairs of characters, so that the
  // claim keeps meeting terms it has not seen before.
  kLongClaim,
  // Claim 1 is independent; every further claim refers to the one before it.
  kDeepChain,
};

inline constexpr Family kFamilies[] = {Family::kRealistic, Family::kForwardWeb, Family::kWideRanges,
                                       Family::kLongClaim, Family::kDeepChain};

inline constexpr uint64_t kDefaultSeed = 20240605;

// "realistic", "forward-web", "wide-ranges", "long-claim" or "deep-chain".
std::string_view FamilyName(Family family);

// The family named `name`, or nothing when no family bears it.
std::optional<Family> FamilyFromName(std::string_view name);

// The contents of every "*.txt" file directly in `dir`, in the order of their names; empty when
// the folder cannot be read.
std::vector<std::string> LoadCorpus(const std::filesystem::path& dir);

// A claims text of the family that is at least `targetBytes` long and ends after the claim or
// paragraph that reached that length. The realistic family draws on `corpus` and is empty when
// `corpus` is; the other families ignore it.
std::string GenerateClaims(Family family, size_t targetBytes,
                           const std::vector<std::string>& corpus, uint64_t seed = kDefaultSeed);
