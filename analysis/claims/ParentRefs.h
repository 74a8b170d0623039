// The claims a dependent claim refers to, from the report's own reading of its opening
// (ClaimOpening::parentList).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// The ";"-terminated items of `list`, each trimmed of ASCII whitespace, empty ones and repeats
// dropped (first occurrence kept, compared as text), each followed by ";". Text after the last
// ";" is ignored. "" when no item remains.
std::string DedupeNumberList(std::string_view list);

// ParseClaimNumber of each item of a ";"-terminated list, in order.
std::vector<int32_t> ParentNumbersOf(std::string_view parentRefs);

// Appends "【引用父权编号时格式有误】" to a dependent record whose parent list could not be read.
void CheckReferenceFormat(int pos);
