// Wording and punctuation of a claim on its own.
#pragma once

// Appends to the record at `pos`, in this order: "【缺“其特征在于”】" when the phrase is missing;
// at most one of "【缺句号】", "【句号未在结尾】" and "【多个句号】"; and the mark of each of the
// eleven doubled punctuation pairs ("；；", "，，", …) that occurs in its text.
void CheckWording(int pos);
