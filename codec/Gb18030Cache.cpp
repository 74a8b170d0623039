#include "Gb18030Cache.h"

#include <QByteArray>
#include <QString>
#include <QStringDecoder>
#include <QStringEncoder>
#include <array>
#include <atomic>
#include <cstddef>
#include <mutex>

namespace {

using gb18030_cache::kBlockSize;
using gb18030_cache::kSingleBytes;

// The packed bytes of one character's encoding, or kAskLibrary.
uint16_t Packed(QByteArrayView bytes) {
  const auto first = static_cast<unsigned char>(bytes.size() > 0 ? bytes[0] : 0);
  if (bytes.size() == 1 && first < 0x80) return first;
  if (bytes.size() == 2 && first >= 0x81) {
    return static_cast<uint16_t>(first << 8 | static_cast<unsigned char>(bytes[1]));
  }
  return kAskLibrary;
}

// The characters `block << 8` to `block << 8 | 0xFF`, each followed by "\n", encoded in one call:
// no GB18030 character but "\n" holds its byte, so each character's bytes end at the "\n" after
// them. A block of surrogates is never asked: a surrogate alone is no character.
void FillBytes(size_t block, std::array<uint16_t, kBlockSize>& entries) {
  entries.fill(kAskLibrary);
  if (block >= 0xD8 && block <= 0xDF) return;
  QString chars;
  for (size_t low = 0; low < kBlockSize; ++low) {
    chars.append(QChar(static_cast<char16_t>(block << 8 | low))).append(u'\n');
  }
  QStringEncoder encoder(kGb18030, kConverterFlags);
  const QByteArray bytes = encoder.encode(chars);
  std::array<uint16_t, kBlockSize> found{};
  qsizetype from = 0;
  for (size_t low = 0; low < kBlockSize; ++low) {
    // "\n" itself is the one character whose bytes are its "\n".
    const qsizetype end = bytes.indexOf('\n', from + (block == 0 && low == '\n' ? 1 : 0));
    if (end < 0) return;
    found[low] = Packed(QByteArrayView(bytes).sliced(from, end - from));
    from = end + 1;
  }
  if (from == bytes.size() && !encoder.hasError()) entries = found;
}

// Every two-byte sequence that begins with `kSingleBytes + block`, each followed by "\n", decoded
// in one call. An invalid first byte costs the library that byte alone, so the "\n" after each
// sequence still ends its characters.
void FillChars(size_t block, std::array<char16_t, kBlockSize>& entries) {
  entries.fill(0);
  QByteArray bytes;
  for (size_t second = 0; second < kBlockSize; ++second) {
    if (second == '\n') continue;
    bytes.append(static_cast<char>(kSingleBytes + block))
        .append(static_cast<char>(second))
        .append('\n');
  }
  const QString chars = QStringDecoder(kGb18030, kConverterFlags).decode(bytes);
  std::array<char16_t, kBlockSize> found{};
  qsizetype from = 0;
  for (size_t second = 0; second < kBlockSize; ++second) {
    if (second == '\n') continue;
    const qsizetype end = chars.indexOf(u'\n', from);
    if (end < 0) return;
    if (end - from == 1 && chars[from] != QChar::ReplacementCharacter) {
      found[second] = chars[from].unicode();
    }
    from = end + 1;
  }
  if (from == chars.size()) entries = found;
}

// The bytes below 0x80, decoded in one call; each is one character or none is kept.
void FillSingleBytes(std::array<char16_t, kBlockSize>& entries) {
  entries.fill(0);
  QByteArray bytes;
  for (int single = 0; single < 0x80; ++single) bytes.append(static_cast<char>(single));
  const QString chars = QStringDecoder(kGb18030, kConverterFlags).decode(bytes);
  if (chars.size() != bytes.size()) return;
  for (int single = 0; single < 0x80; ++single) entries[single] = chars[single].unicode();
}

std::mutex g_asking;

// The block `index` of `blocks`, filled by `fill` the first time it is needed and then
// published.
template <typename Entry>
const Entry* Ask(std::atomic<const Entry*>* published, std::array<Entry, kBlockSize>* blocks,
                 size_t index, void (*fill)(size_t, std::array<Entry, kBlockSize>&)) {
  const std::lock_guard<std::mutex> lock(g_asking);
  const Entry* block = published[index].load(std::memory_order_relaxed);
  if (block != nullptr) return block;
  fill(index, blocks[index]);
  published[index].store(blocks[index].data(), std::memory_order_release);
  return blocks[index].data();
}

std::array<uint16_t, kBlockSize> g_bytesBlocks[kBlockSize];
std::array<char16_t, kBlockSize> g_charsBlocks[kSingleBytes + 1];

// The two-byte sequences of the first byte `kSingleBytes + block`, or for kSingleBytes the bytes
// below it.
void FillCharsOrSingleBytes(size_t block, std::array<char16_t, kBlockSize>& entries) {
  if (block == kSingleBytes) {
    FillSingleBytes(entries);
  } else {
    FillChars(block, entries);
  }
}

}  // namespace

namespace gb18030_cache {

std::atomic<const uint16_t*> g_bytes[kBlockSize];
std::atomic<const char16_t*> g_chars[kSingleBytes + 1];

const uint16_t* AskBytes(size_t high) { return Ask(g_bytes, g_bytesBlocks, high, FillBytes); }

const char16_t* AskChars(size_t first) {
  return Ask(g_chars, g_charsBlocks, first, FillCharsOrSingleBytes);
}

}  // namespace gb18030_cache
