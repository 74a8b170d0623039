// Reading the claims a dependent claim refers to ("根据权利要求1～3或5所述的…").
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// The raw reference list of a claim text: the items between the reference phrase at the first
// Chinese character and the first "任", "所" or "中", each followed by ";". Items are digits as
// written, or numbers spelled out by expanding a range ("1～3" gives "1;2;3;3;"). Returns "" when
// the text has no reference phrase or no "所述" after it, or when the reference cannot be read:
// anything but digits, list signs ("或", "、") and range signs ("～", "到", "至", "-", "~"), a
// list sign or range sign at either end, or a range that does not rise from 1 or more to at
// most 9999.
std::string ParseParentRefs(std::string_view text);

// The ";"-terminated items of `list`, each trimmed of ASCII whitespace, empty ones and repeats
// dropped (first occurrence kept, compared as text), each followed by ";". Text after the last
// ";" is ignored. "" when no item remains.
std::string DedupeNumberList(std::string_view list);

// ParseClaimNumber of each item of a ";"-terminated list, in order.
std::vector<int32_t> ParentNumbersOf(std::string_view parentRefs);

// Appends "【引用父权编号时格式有误】" to a dependent record whose parent list could not be read.
void CheckReferenceFormat(int pos);
