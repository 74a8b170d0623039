// Where the characters of a normalised text came from in the text it was made from.
#pragma once

#include <cstdint>
#include <vector>

class SourceMap {
 public:
  // Records that the character of `sourceLength` bytes at `sourcePos` of the source became the
  // `length` bytes at `pos` of the normalised text (0 for a removed character). Calls come in
  // the order of the text; characters between those recorded are copied unchanged.
  void Record(int32_t pos, int32_t sourcePos, int32_t length, int32_t sourceLength);

  // The source position of the character that begins at `pos`: behind any removed characters
  // that stood before it.
  int32_t StartOf(int32_t pos) const;

  // The source position right after the character that ends at `end`: before any removed
  // characters that stood after it.
  int32_t EndOf(int32_t end) const;

 private:
  struct Edit {
    int32_t pos;
    int32_t sourcePos;
    int32_t length;
    int32_t sourceLength;
  };
  // The position of `pos` in the source, given the last edit at or before it.
  static int32_t After(const Edit& edit, int32_t pos);

  std::vector<Edit> edits_;
};
