// The program's own texts, as GBK bytes.
//
// Every text the engine searches for or writes lives here, spelled as hex escapes so that no
// build depends on the compiler's character set. The comment beside each one shows the text.
#pragma once

#include <string_view>

namespace gbk {

inline constexpr std::string_view kSaid = "\xCB\xF9\xCA\xF6";  // 所述
inline constexpr std::string_view kCharacterisedBy =
    "\xC6\xE4\xCC\xD8\xD5\xF7\xD4\xDA\xD3\xDA";  // 其特征在于
inline constexpr std::string_view kCharacterisedIs =
    "\xC6\xE4\xCC\xD8\xD5\xF7\xCA\xC7";  // 其特征是
inline constexpr std::string_view kCharacterisedAs =
    "\xC6\xE4\xCC\xD8\xD5\xF7\xCE\xAA";  // 其特征为
inline constexpr std::string_view kRefPhraseAccording =
    "\xB8\xF9\xBE\xDD\xC8\xA8\xC0\xFB\xD2\xAA\xC7\xF3";  // 根据权利要求
inline constexpr std::string_view kRefPhraseAs =
    "\xC8\xE7\xC8\xA8\xC0\xFB\xD2\xAA\xC7\xF3";  // 如权利要求
inline constexpr std::string_view kClaimWord = "\xC8\xA8\xC0\xFB\xD2\xAA\xC7\xF3";  // 权利要求
inline constexpr std::string_view kOneKind = "\xD2\xBB\xD6\xD6";                    // 一种
inline constexpr std::string_view kOf = "\xB5\xC4";                                 // 的
inline constexpr std::string_view kEnumComma = "\xA1\xA2";                          // 、
inline constexpr std::string_view kWaveDash = "\xA1\xAB";                           // ～
inline constexpr std::string_view kFullStop = "\xA1\xA3";                           // 。
inline constexpr std::string_view kComma = "\xA3\xAC";                              // ，
inline constexpr std::string_view kColon = "\xA3\xBA";                              // ：
inline constexpr std::string_view kSemicolon = "\xA3\xBB";                          // ；
inline constexpr std::string_view kOr = "\xBB\xF2";                                 // 或
inline constexpr std::string_view kRangeTo = "\xB5\xBD";                            // 到
inline constexpr std::string_view kRangeUntil = "\xD6\xC1";                         // 至
inline constexpr std::string_view kTerminatorAny = "\xC8\xCE";                      // 任
inline constexpr std::string_view kTerminatorSo = "\xCB\xF9";                       // 所
inline constexpr std::string_view kTerminatorIn = "\xD6\xD0";                       // 中
inline constexpr std::string_view kInclude = "\xB0\xFC\xC0\xA8";                    // 包括
inline constexpr std::string_view kContain = "\xB0\xFC\xBA\xAC";                    // 包含
inline constexpr std::string_view kMarkOpen = "\xA1\xBE";                           // 【
inline constexpr std::string_view kMarkClose = "\xA1\xBF";                          // 】
inline constexpr std::string_view kMarkJoint = "\xA1\xBF\xA1\xBE";                  // 】【
inline constexpr std::string_view kFullWidthFullStop = "\xA3\xAE";                  // ．
inline constexpr std::string_view kFullWidthParenOpen = "\xA3\xA8";                 // （
inline constexpr std::string_view kFullWidthParenClose = "\xA3\xA9";                // ）
inline constexpr std::string_view kMarkNumbering =
    "\xA1\xBE\xB1\xBE\xC8\xA8\xB1\xE0\xBA\xC5\xD3\xEB\xC7\xB0\xB2\xBB\xC1\xAC\xD0\xF8\xA1"
    "\xBF";  // 【本权编号与前不连续】
inline constexpr std::string_view kMarkSuspectedIndependent =
    "\xA1\xBE\xD2\xC9\xCB\xC6\xB6\xC0\xC8\xA8\xA1\xBF";  // 【疑似独权】
inline constexpr std::string_view kMarkReferenceFormat =
    "\xA1\xBE\xD2\xFD\xD3\xC3\xB8\xB8\xC8\xA8\xB1\xE0\xBA\xC5\xCA\xB1\xB8\xF1\xCA\xBD\xD3\xD0\xCE"
    "\xF3\xA1\xBF";  // 【引用父权编号时格式有误】
inline constexpr std::string_view kMarkParentTooLarge =
    "\xA1\xBE\xD3\xD0\xB5\xC4\xB8\xB8\xC8\xA8\xB1\xE0\xBA\xC5\xB9\xFD\xB4\xF3\xA1\xBF";  // 【有的父权编号过大】
inline constexpr std::string_view kMarkParentNotFound =
    "\xA1\xBE\xD3\xD0\xB5\xC4\xB8\xB8\xC8\xA8\xCE\xB4\xD5\xD2\xB5\xBD\xA1"
    "\xBF";  // 【有的父权未找到】
inline constexpr std::string_view kMarkParentOtherSet =
    "\xA1\xBE\xB4\xE6\xD4\xDA\xB7\xC7\xB1\xBE\xCC\xD7\xB5\xC4\xB8\xB8\xC8\xA8\xB1\xE0\xBA\xC5\xA1"
    "\xBF";  // 【存在非本套的父权编号】
inline constexpr std::string_view kMarkMultiMulti =
    "\xA1\xBE\xB6\xE0\xD2\xFD\xB6\xE0\xA1\xBF";  // 【多引多】
inline constexpr std::string_view kMarkNoSubject =
    "\xA1\xBE\xB2\xBB\xC4\xDC\xCA\xB6\xB1\xF0\xB1\xBE\xC8\xA8\xCF\xEE\xD6\xF7\xCC\xE2\xA1"
    "\xBF";  // 【不能识别本权项主题】
inline constexpr std::string_view kMarkSubjectMismatch =
    "\xA1\xBE\xD6\xF7\xCC\xE2\xD3\xEB\xB8\xB8\xC8\xA8\xB2\xBB\xD2\xBB\xD6\xC2\xA1\xBF";  // 【主题与父权不一致】
inline constexpr std::string_view kMarkNoCharacterising =
    "\xA1\xBE\xC8\xB1\xA1\xB0\xC6\xE4\xCC\xD8\xD5\xF7\xD4\xDA\xD3\xDA\xA1\xB1\xA1\xBF";  // 【缺“其特征在于”】
inline constexpr std::string_view kMarkNoFullStop =
    "\xA1\xBE\xC8\xB1\xBE\xE4\xBA\xC5\xA1\xBF";  // 【缺句号】
inline constexpr std::string_view kMarkFullStopNotAtEnd =
    "\xA1\xBE\xBE\xE4\xBA\xC5\xCE\xB4\xD4\xDA\xBD\xE1\xCE\xB2\xA1\xBF";  // 【句号未在结尾】
inline constexpr std::string_view kMarkSeveralFullStops =
    "\xA1\xBE\xB6\xE0\xB8\xF6\xBE\xE4\xBA\xC5\xA1\xBF";                   // 【多个句号】
inline constexpr std::string_view kTagIndependent = "[\xB6\xC0\xC8\xA8";  // [独权
inline constexpr std::string_view kTagDependent = "[\xB4\xD3\xC8\xA8";    // [从权
inline constexpr std::string_view kTagParent = "[\xB8\xB8";               // [父
inline constexpr std::string_view kTagParentUnknown = "[\xB8\xB8?]";      // [父?]
inline constexpr std::string_view kProblemTag = "\xA1\xEF[Err";           // ★[Err
inline constexpr std::string_view kSetHeaderHead = "----------\xB5\xDA";  // ----------第
inline constexpr std::string_view kSetHeaderTail =
    "\xCC\xD7\xA3\xBA----------\r\n";  // 套：----------\r\n
inline constexpr std::string_view kSummarySets =
    "\xB7\xD6\xCE\xF6\xCD\xEA\xB1\xCF\xA3\xAC\xD5\xD2\xB5\xBD";  // 分析完毕，找到
inline constexpr std::string_view kSummaryClaims = "\xCC\xD7\xA1\xA2\xB9\xB2";  // 套、共
inline constexpr std::string_view kSummaryProblemClaims =
    "\xCC\xF5\xC8\xA8\xC0\xFB\xD2\xAA\xC7\xF3\r\n\xC6\xE4\xD6\xD0\xB4\xE6\xD4\xDA\xCE\xCA\xCC\xE2"
    "\xB5\xC4\xC8\xA8\xC0\xFB\xD2\xAA\xC7\xF3\xD3\xD0 ";  // 条权利要求\r\n其中存在问题的权利要求有
inline constexpr std::string_view kSummaryProblems =
    "\xCC\xF5\xA3\xA8\xBC\xFB\xCE\xC4\xD6\xD0\xB5\xC4\xA1\xEF\xB1\xEA\xBC\xC7\xA3\xA9\xA3\xAC\xCE"
    "\xCA\xCC\xE2\xB9\xB2\xD3\xD0 ";  // 条（见文中的★标记），问题共有
inline constexpr std::string_view kSummaryTail =
    "\xB4\xA6\xA3\xA8\xBC\xFB\xCE\xC4\xD6\xD0\xB5\xC4\xA1\xBE "
    "\xA1\xBF\xB1\xEA\xBC\xC7\xA3\xA9";  // 处（见文中的【 】标记）
inline constexpr std::string_view kClosingLine =
    "------------------"
    "\r\n\xD7\xEE\xBA\xF3\xD2\xBB\xCC\xF5\xC8\xA8\xC0\xFB\xD2\xAA\xC7\xF3\xBD\xE1\xCA\xF8";  // ------------------\r\n最后一条权利要求结束
inline constexpr std::string_view kNoProblemsFound =
    "\xCE\xCA\xCC\xE2\xB9\xB2\xD3\xD0 0\xB4\xA6";  // 问题共有 0处
inline constexpr std::string_view kTermStopChars =
    "\xB5\xC4\xCA\xC7\xCE\xAA\xBB\xB9\xD3\xD0\xD4\xDA\xBA\xCD\xBB\xF2\xD3\xEB\xD2\xD4\xBD\xAB\xBC"
    "\xB0\xB5\xB1\xCB\xF9\xD3\xC9\xB6\xF8\xD6\xC1\xB8\xFA\xD6\xBB\xD3\xD6\xD4\xD9\xD3\xDA\xCA\xB9"
    "\xC8\xC3\xBF\xC9\xB5\xBD\xD4\xF2";  // 的是为还有在和或与以将及当所由而至跟只又再于使让可到则
inline constexpr std::string_view kShowCredit = "\xCF\xD4\xCA\xBE\xCA\xF0\xC3\xFB";  // 显示署名
inline constexpr std::string_view kMessageCredit =
    "\xD7\xF7\xD5\xDF\xA3\xBAQuillex \xBF\xAA\xB7\xA2\xD7\xE9";  // 作者：Quillex 开发组
inline constexpr std::string_view kMessageNoClaimOne =
    "\xCE\xB4\xD5\xD2\xB5\xBD\xC8\xA8"
    "1 ?\n\n \xC7\xEB\xBC\xEC\xB2\xE9";  // 未找到权1 ?\n\n 请检查
inline constexpr std::string_view kMessageCongratulation =
    "\xB9\xA7\xCF\xB2 "
    ":-)\n\n\xCE\xB4\xB7\xA2\xCF\xD6\xB3\xA3\xBC\xFB\xD0\xCE\xCA\xBD\xB4\xED\xCE\xF3";  // 恭喜
                                                                                        // :-)\n\n未发现常见形式错误

// Doubled or clashing punctuation and the mark each one earns, in the order they are checked.
struct PunctuationPair {
  std::string_view pair;
  std::string_view mark;
};
inline constexpr PunctuationPair kPunctuationPairs[] = {
    {"\xA3\xBB\xA3\xBB",
     "\xA1\xBE\xB4\xE6\xD4\xDA\xA1\xB0\xA3\xBB\xA3\xBB\xA1\xB1\xA1\xBF"},  // ；； 【存在“；；”】
    {"\xA3\xAC\xA3\xAC",
     "\xA1\xBE\xB4\xE6\xD4\xDA\xA1\xB0\xA3\xAC\xA3\xAC\xA1\xB1\xA1\xBF"},  // ，， 【存在“，，”】
    {"\xA1\xA2\xA1\xA2",
     "\xA1\xBE\xB4\xE6\xD4\xDA\xA1\xB0\xA1\xA2\xA1\xA2\xA1\xB1\xA1\xBF"},  // 、、 【存在“、、”】
    {"\xA3\xBA\xA3\xBA",
     "\xA1\xBE\xB4\xE6\xD4\xDA\xA1\xB0\xA3\xBA\xA3\xBA\xA1\xB1\xA1\xBF"},  // ：： 【存在“：：”】
    {"\xA3\xBB\xA1\xA3",
     "\xA1\xBE\xB4\xE6\xD4\xDA\xA1\xB0\xA3\xBB\xA1\xA3\xA1\xB1\xA1\xBF"},  // ；。 【存在“；。”】
    {"\xA3\xAC\xA3\xBB",
     "\xA1\xBE\xB4\xE6\xD4\xDA\xA1\xB0\xA3\xAC\xA3\xBB\xA1\xB1\xA1\xBF"},  // ，； 【存在“，；”】
    {"\xA3\xBB\xA3\xAC",
     "\xA1\xBE\xB4\xE6\xD4\xDA\xA1\xB0\xA3\xBB\xA3\xAC\xA1\xB1\xA1\xBF"},  // ；， 【存在“；，”】
    {"\xA3\xBA\xA3\xAC",
     "\xA1\xBE\xB4\xE6\xD4\xDA\xA1\xB0\xA3\xBA\xA3\xAC\xA1\xB1\xA1\xBF"},  // ：， 【存在“：，”】
    {"\xA3\xAC\xA3\xBA",
     "\xA1\xBE\xB4\xE6\xD4\xDA\xA1\xB0\xA3\xAC\xA3\xBA\xA1\xB1\xA1\xBF"},  // ，： 【存在“，：”】
    {"\xA3\xBA\xA3\xBB",
     "\xA1\xBE\xB4\xE6\xD4\xDA\xA1\xB0\xA3\xBA\xA3\xBB\xA1\xB1\xA1\xBF"},  // ：； 【存在“：；”】
    {"\xA3\xBB\xA3\xBA",
     "\xA1\xBE\xB4\xE6\xD4\xDA\xA1\xB0\xA3\xBB\xA3\xBA\xA1\xB1\xA1\xBF"},  // ；： 【存在“；：”】
};

}  // namespace gbk
