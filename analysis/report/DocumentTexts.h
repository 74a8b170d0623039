// What is read and said of a document a drafter opens: the headings that bound its claims
// section, the limits a Word package is held to, and the reason every front end gives for a file
// it cannot open or a reviewed copy it cannot make. GBK, like every text of the engine, so that the command line, the window and the
// page's own reader and writer of Word documents say the same words; "%1" stands for what a
// reason names.
#pragma once

#include <cstdint>
#include <string_view>

// 权利要求书: the paragraph after which a document's claims section begins.
inline constexpr std::string_view kClaimsHeading = "\xC8\xA8\xC0\xFB\xD2\xAA\xC7\xF3\xCA\xE9";
// The headings of the parts that may follow the claims and end their section: 说明书, 说明书摘要,
// 摘要, 说明书附图 and 摘要附图.
inline constexpr std::string_view kOtherPartHeadings[] = {
    "\xCB\xB5\xC3\xF7\xCA\xE9", "\xCB\xB5\xC3\xF7\xCA\xE9\xD5\xAA\xD2\xAA", "\xD5\xAA\xD2\xAA",
    "\xCB\xB5\xC3\xF7\xCA\xE9\xB8\xBD\xCD\xBC", "\xD5\xAA\xD2\xAA\xB8\xBD\xCD\xBC"};

// The most a Word package may unpack to, and how many times the file's size: beyond either it is
// taken for a zip bomb and refused before anything is unpacked (kRefusedTooLarge says both).
inline constexpr int64_t kMaxUnpackedBytes = int64_t{256} << 20;
inline constexpr int64_t kMaxUnpackRatio = 100;

// 无法保存 %1 的批注版：%2, the one line of a reviewed copy that cannot be made: the document's
// name, then why.
inline constexpr std::string_view kCannotReview =
    "\xCE\xDE\xB7\xA8\xB1\xA3\xB4\xE6 %1 \xB5\xC4\xC5\xFA\xD7\xA2\xB0\xE6\xA3\xBA%2";
// 未找到权利要求 1，没有可批注的内容: a document without claims has nothing to review.
inline constexpr std::string_view kNothingToReview =
    "\xCE\xB4\xD5\xD2\xB5\xBD\xC8\xA8\xC0\xFB\xD2\xAA\xC7\xF3 1\xA3\xAC\xC3\xBB\xD3\xD0"
    "\xBF\xC9\xC5\xFA\xD7\xA2\xB5\xC4\xC4\xDA\xC8\xDD";
// 无法打开 %1：%2, the one line of a file that cannot be opened: its name, then why.
inline constexpr std::string_view kCannotOpen = "\xCE\xDE\xB7\xA8\xB4\xF2\xBF\xAA %1\xA3\xBA%2";
// 是受密码保护的文档，请去掉密码（另存为不加密的 .docx）后再检查: an Office document
// encrypted with a password, which is a compound file.
inline constexpr std::string_view kRefusedPassword =
    "\xCA\xC7\xCA\xDC\xC3\xDC\xC2\xEB\xB1\xA3\xBB\xA4\xB5\xC4\xCE\xC4\xB5\xB5\xA3\xAC"
    "\xC7\xEB\xC8\xA5\xB5\xF4\xC3\xDC\xC2\xEB\xA3\xA8\xC1\xED\xB4\xE6\xCE\xAA\xB2\xBB"
    "\xBC\xD3\xC3\xDC\xB5\xC4 .docx\xA3\xA9\xBA\xF3\xD4\xD9\xBC\xEC\xB2\xE9";
// 是受密码保护的文档，请去掉密码后再检查: a zip whose entries are encrypted.
inline constexpr std::string_view kRefusedPasswordEntry =
    "\xCA\xC7\xCA\xDC\xC3\xDC\xC2\xEB\xB1\xA3\xBB\xA4\xB5\xC4\xCE\xC4\xB5\xB5\xA3\xAC"
    "\xC7\xEB\xC8\xA5\xB5\xF4\xC3\xDC\xC2\xEB\xBA\xF3\xD4\xD9\xBC\xEC\xB2\xE9";
// 是 WPS 文字文档（.wps），请另存为 .docx 后再检查: a compound file named .wps.
inline constexpr std::string_view kRefusedWps =
    "\xCA\xC7 WPS \xCE\xC4\xD7\xD6\xCE\xC4\xB5\xB5\xA3\xA8.wps\xA3\xA9\xA3\xAC\xC7\xEB"
    "\xC1\xED\xB4\xE6\xCE\xAA .docx \xBA\xF3\xD4\xD9\xBC\xEC\xB2\xE9";
// 是 Word 97-2003 文档，请另存为 .docx 后再检查: any other compound file.
inline constexpr std::string_view kRefusedWord97 =
    "\xCA\xC7 Word 97-2003 \xCE\xC4\xB5\xB5\xA3\xAC\xC7\xEB\xC1\xED\xB4\xE6\xCE\xAA .docx "
    "\xBA\xF3\xD4\xD9\xBC\xEC\xB2\xE9";
// 不是完好的 .docx：压缩包已损坏: a zip that cannot be unpacked.
inline constexpr std::string_view kRefusedDamagedZip =
    "\xB2\xBB\xCA\xC7\xCD\xEA\xBA\xC3\xB5\xC4 .docx\xA3\xBA\xD1\xB9\xCB\xF5\xB0\xFC\xD2\xD1"
    "\xCB\xF0\xBB\xB5";
// 含有路径指向包外的条目“%1”，不予读取: an entry whose path, unpacked, would land outside
// the package's folder.
inline constexpr std::string_view kRefusedLeavesPackage =
    "\xBA\xAC\xD3\xD0\xC2\xB7\xBE\xB6\xD6\xB8\xCF\xF2\xB0\xFC\xCD\xE2\xB5\xC4\xCC\xF5"
    "\xC4\xBF\xA1\xB0%1\xA1\xB1\xA3\xAC\xB2\xBB\xD3\xE8\xB6\xC1\xC8\xA1";
// 解压后过大（超过 256 MiB 或超过压缩后大小的 100 倍），不予读取: beyond the limits above.
inline constexpr std::string_view kRefusedTooLarge =
    "\xBD\xE2\xD1\xB9\xBA\xF3\xB9\xFD\xB4\xF3\xA3\xA8\xB3\xAC\xB9\xFD 256 MiB \xBB\xF2"
    "\xB3\xAC\xB9\xFD\xD1\xB9\xCB\xF5\xBA\xF3\xB4\xF3\xD0\xA1\xB5\xC4 100 \xB1\xB6\xA3\xA9"
    "\xA3\xAC\xB2\xBB\xD3\xE8\xB6\xC1\xC8\xA1";
// 是 OpenDocument 文本（.odt），请另存为 .docx 后再检查
inline constexpr std::string_view kRefusedOpenDocument =
    "\xCA\xC7 OpenDocument \xCE\xC4\xB1\xBE\xA3\xA8.odt\xA3\xA9\xA3\xAC\xC7\xEB\xC1\xED"
    "\xB4\xE6\xCE\xAA .docx \xBA\xF3\xD4\xD9\xBC\xEC\xB2\xE9";
// 是压缩包，但不是 Word 文档（没有 [Content_Types].xml）
inline constexpr std::string_view kRefusedNotWord =
    "\xCA\xC7\xD1\xB9\xCB\xF5\xB0\xFC\xA3\xAC\xB5\xAB\xB2\xBB\xCA\xC7 Word \xCE\xC4\xB5\xB5"
    "\xA3\xA8\xC3\xBB\xD3\xD0 [Content_Types].xml\xA3\xA9";
// 是压缩包，但没有 Word 文档的正文（%1）: no main document part where the package says.
inline constexpr std::string_view kRefusedNoBody =
    "\xCA\xC7\xD1\xB9\xCB\xF5\xB0\xFC\xA3\xAC\xB5\xAB\xC3\xBB\xD3\xD0 Word \xCE\xC4\xB5\xB5"
    "\xB5\xC4\xD5\xFD\xCE\xC4\xA3\xA8%1\xA3\xA9";
// 其中的“%1”不是格式正确的 XML: a part that is not well-formed XML.
inline constexpr std::string_view kRefusedNotXml =
    "\xC6\xE4\xD6\xD0\xB5\xC4\xA1\xB0%1\xA1\xB1\xB2\xBB\xCA\xC7\xB8\xF1\xCA\xBD\xD5\xFD"
    "\xC8\xB7\xB5\xC4 XML";
// 既不是 UTF-8 也不是 GB18030 文本: neither a document nor text in either encoding.
inline constexpr std::string_view kRefusedNotText =
    "\xBC\xC8\xB2\xBB\xCA\xC7 UTF-8 \xD2\xB2\xB2\xBB\xCA\xC7 GB18030 \xCE\xC4\xB1\xBE";
