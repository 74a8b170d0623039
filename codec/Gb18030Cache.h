// The library's GB18030 answers for the characters claims are written in, asked once for each
// block of 256 characters (or of two-byte sequences sharing a first byte) and kept, so that long
// texts cross without a call into the library for every character. Only what the library gives
// for one character alone, followed by "\n", is kept; four-byte characters, surrogates and invalid
// bytes are not answered here and are left to the library with what follows them. Safe to use
// from several threads at once.
#pragma once

#include <QStringConverter>
#include <atomic>
#include <cstddef>
#include <cstdint>

// How the codec asks the library for GB18030, and the flags of every conversion it makes.
// Stateless: bytes cut off in the middle of a character are an error, not a wait for more.
// ConvertInitialBom: a leading byte-order mark stays a character, so the caller decides.
inline constexpr char kGb18030[] = "GB18030";
inline constexpr QStringConverter::Flags kConverterFlags =
    QStringConverter::Flag::Stateless | QStringConverter::Flag::ConvertInitialBom;

// The GB18030 bytes of the character `c` packed as (first << 8 | second), or its one byte below
// 0x80; kAskLibrary where the library gives anything else for it.
inline constexpr uint16_t kAskLibrary = 0xFFFF;
inline uint16_t Gb18030BytesOf(char16_t c);

// The character of the GB18030 byte `single` (below 0x80), or of the two bytes `first` (0x80 or
// above) and `second`; 0 where the library does not give exactly one character for them.
inline char16_t Gb18030CharOfByte(unsigned char single);
inline char16_t Gb18030CharOf(unsigned char first, unsigned char second);

// ---- Implementation details: a block is asked of the library the first time it is needed.

namespace gb18030_cache {
inline constexpr size_t kBlockSize = 256;
inline constexpr size_t kSingleBytes = 0x80;  // the block of the bytes below 0x80

// The blocks asked so far, null before; Bytes by the high byte of a character, Chars by first
// byte (kSingleBytes for the bytes below 0x80).
extern std::atomic<const uint16_t*> g_bytes[kBlockSize];
extern std::atomic<const char16_t*> g_chars[kSingleBytes + 1];
const uint16_t* AskBytes(size_t high);
const char16_t* AskChars(size_t first);
}  // namespace gb18030_cache

inline uint16_t Gb18030BytesOf(char16_t c) {
  using namespace gb18030_cache;
  const uint16_t* block = g_bytes[c >> 8].load(std::memory_order_acquire);
  return (block != nullptr ? block : AskBytes(c >> 8))[c & 0xFF];
}

inline char16_t Gb18030CharOfByte(unsigned char single) {
  using namespace gb18030_cache;
  if (single >= kSingleBytes) return 0;
  const char16_t* block = g_chars[kSingleBytes].load(std::memory_order_acquire);
  return (block != nullptr ? block : AskChars(kSingleBytes))[single];
}

inline char16_t Gb18030CharOf(unsigned char first, unsigned char second) {
  using namespace gb18030_cache;
  if (first < kSingleBytes) return 0;
  const char16_t* block = g_chars[first - kSingleBytes].load(std::memory_order_acquire);
  return (block != nullptr ? block : AskChars(first - kSingleBytes))[second];
}
