// The program's own texts, as GBK bytes.
//
// Every text the engine searches for or writes lives here, spelled as hex escapes so that no
// build depends on the compiler's character set. The comment beside each one shows the text. The
// words the front ends show of findings live in report/FindingTexts, spelled the same way.
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
inline constexpr std::string_view kFormula = "\xCA\xBD";  // 式
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
inline constexpr std::string_view kFullWidthDigitZero = "\xA3\xB0";  // ０, "１" to "９" after it
// The spaces of Unicode other than the ASCII blank and tab, as pasted from documents, web pages
// and PDF viewers: the four-byte ones are GB18030, outside GBK.
inline constexpr std::string_view kOtherBlanks[] = {
    "\xA1\xA1",          // U+3000 ideographic space
    "\x81\x30\x84\x32",  // U+00A0 no-break space
    "\x81\x36\xA3\x36",  // U+2000 en quad
    "\x81\x36\xA3\x37",  // U+2001 em quad
    "\x81\x36\xA3\x38",  // U+2002 en space
    "\x81\x36\xA3\x39",  // U+2003 em space
    "\x81\x36\xA4\x30",  // U+2004 three-per-em space
    "\x81\x36\xA4\x31",  // U+2005 four-per-em space
    "\x81\x36\xA4\x32",  // U+2006 six-per-em space
    "\x81\x36\xA4\x33",  // U+2007 figure space
    "\x81\x36\xA4\x34",  // U+2008 punctuation space
    "\x81\x36\xA4\x35",  // U+2009 thin space
    "\x81\x36\xA4\x36",  // U+200A hair space
    "\x81\x36\xA7\x32",  // U+202F narrow no-break space
    "\x81\x36\xAB\x35",  // U+205F medium mathematical space
    "\x84\x31\x95\x33",  // U+FEFF zero-width no-break space (a byte-order mark)
};
// The line breaks of Unicode beyond "\r", "\n", vertical tab and form feed: GB18030, outside GBK.
inline constexpr std::string_view kOtherLineBreaks[] = {
    "\x81\x30\x81\x35",  // U+0085 next line
    "\x81\x36\xA6\x35",  // U+2028 line separator
    "\x81\x36\xA6\x36",  // U+2029 paragraph separator
};
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

// ---- Further checks ----
inline constexpr std::string_view kClaimWordPower = "\xC8\xA8\xC1\xA6\xD2\xAA\xC7\xF3";  // 权力要求
inline constexpr std::string_view kClaimWordTwice = "\xC8\xA8\xC0\xFB\xC8\xA8\xC0\xFB";  // 权利权利
inline constexpr std::string_view kClaimWordQu = "\xC8\xA8\xC0\xFB\xD2\xAA\xC8\xA5";  // 权利要去
inline constexpr std::string_view kClaimWordShort = "\xC8\xA8\xC0\xFB\xD2\xAA";       // 权利要
inline constexpr std::string_view kClaimWordHeadless = "\xC0\xFB\xD2\xAA\xC7\xF3";    // 利要求
inline constexpr std::string_view kRefPhraseHeadless =
    "\xBE\xDD\xC8\xA8\xC0\xFB\xD2\xAA\xC7\xF3";            // 据权利要求
inline constexpr std::string_view kSaidTail = "\xCA\xF6";  // 述
inline constexpr std::string_view kTypoHeads =
    "\xC8\xA8\xC0\xFB\xBE\xDD\xB8\xF9\xC8\xE7";                                   // 权利据根如
inline constexpr std::string_view kAccording = "\xB8\xF9\xBE\xDD";                // 根据
inline constexpr std::string_view kStep = "\xB2\xBD\xD6\xE8";                     // 步骤
inline constexpr std::string_view kRightWord = "\xC8\xA8\xC0\xFB";                // 权利
inline constexpr std::string_view kRequireWord = "\xD2\xAA\xC7\xF3";              // 要求
inline constexpr std::string_view kRightHead = "\xC8\xA8";                        // 权
inline constexpr std::string_view kRefPhraseHeadlessBefore = "\xB8\xF9\xD2\xC0";  // 根依
inline constexpr std::string_view kOneOf = "\xD6\xAE\xD2\xBB";                    // 之一
inline constexpr std::string_view kOneItem = "\xD2\xBB\xCF\xEE";                  // 一项
inline constexpr std::string_view kDash = "\xA1\xAA";                       // —
inline constexpr std::string_view kLabelReferenceTypo =
    "\xD2\xC9\xCB\xC6\xD2\xFD\xD3\xC3\xD3\xD0\xCE\xF3\xA3\xBA";  // 疑似引用有误：
inline constexpr std::string_view kLabelReferenceUnread =
    "\xD2\xFD\xD3\xC3\xCE\xB4\xCA\xB6\xB1\xF0\xA3\xAC\xB0\xB4\xB6\xC0\xC8\xA8\xB4\xA6\xC0\xED\xA3"
    "\xBA";  // 引用未识别，按独权处理：
inline constexpr std::string_view kFormerly = "\xC7\xB0\xCA\xF6";                 // 前述
inline constexpr std::string_view kAbove = "\xC9\xCF\xCA\xF6";                    // 上述
inline constexpr std::string_view kAboveAll = "\xD2\xD4\xC9\xCF";                 // 以上
inline constexpr std::string_view kLabelReferenceUnnumbered =
    "\xD2\xFD\xD3\xC3\xCE\xB4\xD0\xB4\xB1\xE0\xBA\xC5\xA3\xBA";   // 引用未写编号：
inline constexpr std::string_view kAndAlso = "\xD2\xD4\xBC\xB0";  // 以及
inline constexpr std::string_view kOrElse = "\xBB\xF2\xD5\xDF";   // 或者
inline constexpr std::string_view kAnd = "\xBA\xCD";                   // 和
inline constexpr std::string_view kAlong = "\xBC\xB0";                 // 及
inline constexpr std::string_view kWith = "\xD3\xEB";                  // 与
inline constexpr std::string_view kLabelNotAlternative =
    "\xD2\xFD\xD3\xC3\xCE\xB4\xD4\xF1\xD2\xBB\xA3\xBA";  // 引用未择一：
inline constexpr std::string_view kIndefiniteHeads =
    "\xD3\xC5\xBD\xCF\xB8\xFC\xD7\xEE\xD3\xC8\xCC\xD8\xC0\xFD\xB1\xC8\xD6\xEE\xB1\xD8\xBB\xF2\xB4\xF3\xD4\xBC\xD7\xF3\xB5\xC8";  // 优较更最尤特例比诸必或大约左等
inline constexpr std::string_view kAbout = "\xD4\xBC";  // 约
inline constexpr std::string_view kAboutIs = "\xCE\xAA";  // 为
inline constexpr std::string_view kAboutBefore =
    "\xD4\xA4\xBD\xDA\xBC\xF2\xC6\xF5\xBA\xCF\xD6\xC6\xB9\xAB\xCC\xF5\xD2\xFE";  // 预节简契合制公条隐
inline constexpr std::string_view kLeftRight = "\xD7\xF3\xD3\xD2";               // 左右
inline constexpr std::string_view kLeftRightAfter =
    "\xB5\xC4\xCA\xB1\xBA\xF3\xC4\xDA\xBC\xB4\xD6\xAE";                     // 的时后内即之
inline constexpr std::string_view kEtc = "\xB5\xC8";  // 等
// The characters after "等" that make a word of it ("等于", "等离子", "等温", "等距", "等同"), and
// those before it ("相等", "均等", "中等", "一等").
inline constexpr std::string_view kEqualWordAfter =
    "\xD3\xDA\xC0\xEB\xCE\xC2\xD0\xA7\xB4\xFD\xBC\xB6\xB7\xD6\xBE\xE0\xBE\xB6\xB1\xC8\xC1\xBF\xCD\xAC\xD1\xFC\xB1\xDF\xBF\xED\xBA\xF1\xB8\xDF\xB3\xA4\xB4\xF3\xB7\xDD\xBC\xE4\xD1\xB9\xCB\xD9\xD6\xB1\xB5\xE7\xBD\xC7\xD6\xE1\xC8\xDD\xBC\xDB\xBA\xF2\xB6\xEE\xD6\xB5\xB7\xF9\xC6\xB5\xB2\xEE\xCF\xF2\xBA\xC5";  // 于离温效待级分距径比量同腰边宽厚高长大份间压速直电角轴容价候额值幅频差向号
inline constexpr std::string_view kEqualWordBefore =
    "\xCF\xE0\xBE\xF9\xB6\xD4\xCD\xAC\xC6\xBD\xB2\xBB\xB3\xAC\xB4\xCE\xB8\xDF\xD6\xD0\xB3\xF5\xC9\xCF\xD3\xC5\xCC\xD8\xCD\xB7\xD2\xBB\xB6\xFE\xC8\xFD\xCF\xC2\xC1\xD3\xBA\xCE\xB4\xCB\xC6\xE4";  // 相均对同平不超次高中初上优特头一二三下劣何此其
inline constexpr std::string_view kUnitSigns =
    "\xA1\xE6\xA1\xE3\xA1\xEB\xA6\xCC\xA6\xB8\xA1\xA4";  // ℃°‰μΩ·
inline constexpr std::string_view kLabelIndefinite =
    "\xD3\xC3\xD3\xEF\xB2\xBB\xC8\xB7\xB6\xA8\xA3\xBA";        // 用语不确定：
inline constexpr std::string_view kOfOf = "\xB5\xC4\xB5\xC4";  // 的的
inline constexpr std::string_view kIndeed = "\xC8\xB7";        // 确
inline constexpr std::string_view kCharacterisedByCut =
    "\xC6\xE4\xCC\xD8\xD5\xF7\xD4\xDA";              // 其特征在
inline constexpr std::string_view kAt = "\xD3\xDA";  // 于
inline constexpr std::string_view kCharacterisedByTypo =
    "\xC6\xE4\xCC\xD8\xD0\xD4\xD4\xDA\xD3\xDA";           // 其特性在于
inline constexpr std::string_view kOneHead = "\xD2\xBB";  // 一
inline constexpr std::string_view kNounSuffixes =
    "\xCE\xEF\xC6\xF7\xBC\xC1\xD2\xBA\xBC\xFE\xCC\xE5\xB2\xE3";  // 物器剂液件体层
inline constexpr std::string_view kLabelRepeated =
    "\xD3\xC3\xB4\xCA\xD6\xD8\xB8\xB4\xA3\xBA";  // 用词重复：
inline constexpr std::string_view kLabelMissingChar =
    "\xD2\xC9\xCB\xC6\xC2\xA9\xD7\xD6\xA3\xBA";  // 疑似漏字：
inline constexpr std::string_view kLabelTypo =
    "\xD2\xC9\xCB\xC6\xB1\xCA\xCE\xF3\xA3\xBA";                                // 疑似笔误：
inline constexpr std::string_view kItsHead = "\xC6\xE4";                       // 其
inline constexpr std::string_view kConjunctions = "\xBC\xB0\xBA\xCD\xD3\xEB";  // 及和与
// Words that join two things or set one against another: what stands on either side of them is
// not one name.
inline constexpr std::string_view kJoiningChars = "\xBC\xB0\xBA\xCD\xD3\xEB\xBB\xF2\xB2\xA2";  // 及和与或并
inline constexpr std::string_view kBackReferences = "\xC6\xE4\xB8\xC3\xB4\xCB";  // 其该此
inline constexpr std::string_view kLabelTwoCategories =
    "\xD6\xF7\xCC\xE2\xBA\xAC\xC1\xBD\xC0\xE0\xA3\xBA";  // 主题含两类：
inline constexpr std::string_view kLabelBrackets =
    "\xC0\xA8\xBA\xC5\xB2\xBB\xB3\xC9\xB6\xD4\xA3\xBA";  // 括号不成对：

inline constexpr std::string_view kOrdinalHead = "\xB5\xDA";  // 第
inline constexpr std::string_view kStepHead = "\xB2\xBD";     // 步
inline constexpr std::string_view kStepTail = "\xD6\xE8";     // 骤
inline constexpr std::string_view kNumerals =
    "\xD2\xBB\xB6\xFE\xC8\xFD\xCB\xC4\xCE\xE5\xC1\xF9\xC6\xDF\xB0\xCB\xBE\xC5";  // 一二三四五六七八九
inline constexpr std::string_view kNumeralTen = "\xCA\xAE";  // 十
inline constexpr std::string_view kClauseEnds =
    "\xA3\xBA\xA3\xBB\xA1\xA3\xA3\xAC";  // ：；。，
inline constexpr std::string_view kLabelSeparators = "\xA1\xA2\xA3\xBA\xA3\xAC";  // 、：，
inline constexpr std::string_view kStepReferenceGoesOn =
    "\xD6\xD0\xB5\xC4\xCB\xF9\xB5\xC3\xBA\xF3\xD6\xAE\xBA\xCD\xD3\xEB\xBB\xF2\xD6\xC1\xB5\xBD\xBC\xB0\xC7\xB0\xCA\xB1\xC0\xEF"
    "\xB0\xFC\xBE\xDF\xBB\xB9\xBD\xF8\xCE\xAA\xCA\xC7\xD6\xC6";  // 中的所得后之和与或至到及前时里包具还进为是制
inline constexpr std::string_view kLabelStepGap =
    "\xB2\xBD\xD6\xE8\xB1\xE0\xBA\xC5\xB2\xBB\xC1\xAC\xD0\xF8\xA3\xBA";  // 步骤编号不连续：
inline constexpr std::string_view kLabelStepUndefined =
    "\xB2\xBD\xD6\xE8\xCE\xB4\xB6\xA8\xD2\xE5\xA3\xBA";  // 步骤未定义：

// Words that make a claim's scope unclear, each with the characters that, standing right after it,
// make it part of another word.
struct GuardedWord {
  std::string_view word;
  std::string_view notBefore;  // two-byte characters
};
// Those that state a preference or give an example: a narrower scope within the claimed one.
inline constexpr GuardedWord kPreferenceWords[] = {
    {"\xD3\xC5\xD1\xA1", "\xB3\xF6"},          // 优选, but not 优选出
    {"\xBD\xCF\xD3\xC5", ""},                  // 较优
    {"\xB8\xFC\xD3\xC5", ""},                  // 更优
    {"\xD7\xEE\xD3\xC5", "\xBB\xAF\xBD\xE2"},  // 最优, but not 最优化, 最优解
    {"\xBD\xCF\xBC\xD1", ""},                  // 较佳
    {"\xD3\xC8\xC6\xE4", ""},                  // 尤其
    {"\xCC\xD8\xB1\xF0\xCA\xC7", ""},          // 特别是
    {"\xC0\xFD\xC8\xE7", "\xCF\xC2"},          // 例如, but not 比例如下
    {"\xB1\xC8\xC8\xE7", "\xCF\xC2"},          // 比如, but not 配比如下
    {"\xD6\xEE\xC8\xE7", ""},                  // 诸如
    {"\xD7\xEE\xBA\xC3", ""},                  // 最好
};
// Those that leave a bound or a condition open.
inline constexpr GuardedWord kIndefiniteWords[] = {
    {"\xB1\xD8\xD2\xAA\xCA\xB1", ""},          // 必要时
    {"\xBB\xF2\xC0\xE0\xCB\xC6\xCE\xEF", ""},  // 或类似物
    {"\xB4\xF3\xD4\xBC", ""},                  // 大约
};

// The openings of a reference to another claim that are correct but not read as one.
inline constexpr std::string_view kUnreadReferenceOpenings[] = {
    "\xB0\xB4\xD5\xD5",  // 按照
    "\xD2\xC0\xBE\xDD",  // 依据
    "\xD2\xC0\xD5\xD5",  // 依照
    "\xD7\xF1\xD5\xD5",  // 遵照
    "\xB0\xB4",          // 按
};

inline constexpr std::string_view kFullWidthZero = "\xA3\xB0";  // ０
inline constexpr std::string_view kFullWidthNine = "\xA3\xB9";  // ９

// The words that open a reference to a claim by its number ("根据权利要求1").
inline constexpr std::string_view kReferenceVerbs[] = {
    "\xB8\xF9\xBE\xDD",  // 根据
    "\xB0\xB4\xD5\xD5",  // 按照
    "\xD2\xC0\xBE\xDD",  // 依据
    "\xD2\xC0\xD5\xD5",  // 依照
    "\xD7\xF1\xD5\xD5",  // 遵照
    "\xC8\xE7",          // 如
    "\xB0\xB4",          // 按
};

// What may stand between "前述" (or "上述", "以上") and "权利要求".
inline constexpr std::string_view kUnnumberedFillers[] = {
    "\xC8\xCE\xD2\xE2\xD2\xBB\xCF\xEE",  // 任意一项
    "\xC8\xCE\xD2\xBB\xCF\xEE",          // 任一项
    "\xC8\xCE\xD2\xBB",                  // 任一
    "\xC8\xCE\xBA\xCE",                  // 任何
    "\xB8\xF7\xCF\xEE",                  // 各项
    "\xB8\xF7",                          // 各
    "\xB5\xC4",                          // 的
};

// The last words of a subject that make it a process (method, use) or a product.
inline constexpr std::string_view kProcessWords[] = {
    "\xB7\xBD\xB7\xA8",  // 方法
    "\xB9\xA4\xD2\xD5",  // 工艺
    "\xD3\xA6\xD3\xC3",  // 应用
    "\xD3\xC3\xCD\xBE",  // 用途
};
// The verbs that say a process makes something ("方法制备的", "方法得到的"): a subject naming a
// process and then one of them claims the product of that process.
inline constexpr std::string_view kMakingVerbs[] = {
    "\xD6\xC6\xB1\xB8",  // 制备
    "\xD6\xC6\xB5\xC3",  // 制得
    "\xBB\xF1\xB5\xC3",  // 获得
    "\xB5\xC3\xB5\xBD",  // 得到
    "\xD6\xC6\xB3\xC9",  // 制成
    "\xD6\xC6\xD4\xEC",  // 制造
    "\xC9\xFA\xB2\xFA",  // 生产
    "\xBA\xCF\xB3\xC9",  // 合成
    "\xBC\xD3\xB9\xA4",  // 加工
    "\xD6\xC6\xD7\xF7",  // 制作
};
inline constexpr std::string_view kProductWords[] = {
    "\xD7\xB0\xD6\xC3",  // 装置
    "\xCF\xB5\xCD\xB3",  // 系统
    "\xC9\xE8\xB1\xB8",  // 设备
    "\xB2\xFA\xC6\xB7",  // 产品
};

// The antecedent review's texts.
inline constexpr std::string_view kThat = "\xB8\xC3";  // 该
inline constexpr std::string_view kShould = "\xD3\xA6";  // 应
inline constexpr std::string_view kLabelNoBasis =
    "\xC8\xB1\xB7\xA6\xD2\xFD\xD3\xC3\xBB\xF9\xB4\xA1\xA3\xBA";  // 缺乏引用基础：
inline constexpr std::string_view kLabelSignTwoNames =
    "\xB8\xBD\xCD\xBC\xB1\xEA\xBC\xC7\xD2\xD1\xC1\xED\xD3\xD0\xC3\xFB\xB3\xC6\xA3\xBA";  // 附图标记已另有名称：
inline constexpr std::string_view kBranchesOpen =
    "\xA3\xA8\xC8\xA8\xC0\xFB\xD2\xAA\xC7\xF3";  // （权利要求
inline constexpr std::string_view kBranchesClose =
    "\xA3\xA9";  // ）
inline constexpr std::string_view kTermBreakChars =
    "\xB5\xC4\xCA\xC7\xCE\xAA\xD3\xD0\xD3\xEB\xBA\xCD\xBB\xF2\xBC\xB0\xD4\xDA\xD3\xDA\xD2\xD4\xBD\xAB\xB1\xBB\xB0\xD1\xCA\xB9\xB2\xA2\xC7\xD2\xB6\xF8\xD4\xF2\xBC\xB4\xBE\xF9\xB6\xBC\xD2\xB2\xD3\xC9\xD6\xC1\xB5\xBD\xB4\xD3\xCF\xF2\xB6\xD4\xB0\xB4\xB5\xB1\xB8\xFA\xCD\xAC\xC8\xC3\xD4\xD9\xD3\xD6\xD6\xBB\xBF\xC9\xC4\xDC\xBB\xE1\xD3\xA6\xC8\xE7\xD0\xE8\xD0\xEB\xB2\xBB\xCB\xF9\xC6\xE4\xB8\xC3\xB4\xCB\xBB\xB9\xC8\xD4\xD2\xD1\xCE\xB4\xBE\xCD\xC3\xBF\xB8\xF7\xC1\xED\xCA\xB1";  // 的是为有与和或及在于以将被把使并且而则即均都也由至到从向对按当跟同让再又只可能会应如需须不所其该此还仍已未就每各另时
// Coverbs and adverbs that end a term behind its first character, though a name may open with
// one: 沿朝适含先相彼受呈.
inline constexpr std::string_view kTermCoverbChars = "\xD1\xD8\xB3\xAF\xCA\xCA\xBA\xAC\xCF\xC8\xCF\xE0\xB1\xCB\xCA\xDC\xB3\xCA";
// The first characters of the words that end in "应" (反应, 响应, …): 反响供对相适效感.
inline constexpr std::string_view kBeforeShouldChars = "\xB7\xB4\xCF\xEC\xB9\xA9\xB6\xD4\xCF\xE0\xCA\xCA\xD0\xA7\xB8\xD0";
// What stands before a name of one character written as a word of its own, and what after it:
// 的、个种 and 、，；。：的所和与及或在.
inline constexpr std::string_view kBeforeOneCharNameChars = "\xB5\xC4\xA1\xA2\xB8\xF6\xD6\xD6";
inline constexpr std::string_view kAfterOneCharNameChars =
    "\xA1\xA2\xA3\xAC\xA3\xBB\xA1\xA3\xA3\xBA\xB5\xC4\xCB\xF9\xBA\xCD\xD3\xEB\xBC\xB0\xBB\xF2\xD4\xDA";
inline constexpr std::string_view kLocativeChars =
    "\xC9\xCF\xCF\xC2\xC4\xDA\xCD\xE2\xD6\xD0\xC0\xEF\xB2\xE0\xC5\xD4\xD6\xDC\xC7\xB0\xBA\xF3\xD6\xAE";  // 上下内外中里侧旁周前后之
// The words of place that name a place with a count before them ("一侧", "两旁", "四周"): 侧旁周.
inline constexpr std::string_view kSideChars = "\xB2\xE0\xC5\xD4\xD6\xDC";
inline constexpr std::string_view kOrdinalChars =
    "\xB5\xDA\xD2\xBB\xB6\xFE\xC8\xFD\xCB\xC4\xCE\xE5\xC1\xF9\xC6\xDF\xB0\xCB\xBE\xC5\xCA\xAE\xC1\xBD\xB6\xE0\xC8\xF4\xB8\xC9\xCA\xFD";  // 第一二三四五六七八九十两多若干数
inline constexpr std::string_view kZhi = "\xD6\xAE";  // 之, the literary "的" of "所述之"
// "数" ends a name behind another character (参数, 系数, 函数) more often than it opens a count.
inline constexpr std::string_view kNumberNoun = "\xCA\xFD";  // 数
inline constexpr std::string_view kMeasureChars =
    "\xB8\xF6\xD6\xD6\xB8\xF9\xCC\xF5\xD6\xBB\xBF\xE9\xB6\xD4\xD7\xE9\xCC\xD7\xCC\xA8\xBC\xFE\xB2\xE3\xBC\xB6\xB4\xCE";  // 个种根条只块对组套台件层级次
inline constexpr std::string_view kLeftBoundaryChars =
    "\xD3\xD0\xC0\xA8\xBA\xAC\xCA\xF6\xC9\xE8\xD6\xC3\xBD\xD3\xD7\xB0\xB3\xC9\xD3\xC3\xBC\xB0";  // 有括含述设置接装成用及
inline constexpr std::string_view kPartSuffixChars =
    "\xBC\xFE\xC6\xF7\xB0\xE5\xB8\xCB\xB9\xDC\xCC\xE5\xD7\xF9\xBF\xE9\xC6\xAC\xC2\xD6\xD6\xE1\xBC\xDC\xCC\xD7\xBB\xB7\xB2\xDB\xBF\xD7\xBF\xDA\xC7\xBB\xCA\xD2\xB2\xE3\xC4\xA4\xCF\xDF\xCD\xB7\xB6\xCB\xB2\xBF\xC3\xE6\xB1\xDA\xD6\xF9\xCC\xF5\xCD\xB2\xD5\xD6\xB8\xC7\xCF\xE4\xBF\xF2\xCD\xF8\xB4\xF8\xBB\xFA\xB1\xC3\xB7\xA7\xBC\xC1\xD2\xBA\xCE\xEF\xC1\xCF\xB7\xDB\xC7\xF2\xD5\xEB\xC5\xCC\xB5\xC0\xB9\xDE";  // 件器板杆管体座块片轮轴架套环槽孔口腔室层膜线头端部面壁柱条筒罩盖箱框网带机泵阀剂液物料粉球针盘道罐
// The part's words that name a place on a thing rather than a thing of its own ("壳体端部",
// "管道内壁"): a thing has them without their being introduced.
inline constexpr std::string_view kPlaceOnThingChars =
    "\xCD\xB7\xB6\xCB\xB2\xBF\xC3\xE6\xB1\xDA";  // 头端部面壁
inline constexpr std::string_view kReferenceEndChars = "\xCF\xEE\xC7\xF3";  // 项求
inline constexpr std::string_view kAnyOne = "\xC8\xCE\xD2\xBB";  // 任一
// Verbs that end a term they follow: what the claim says the thing does, has or is, and "具体",
// which opens what it does ("所述获取模块具体用于").
inline constexpr std::string_view kTermBreakVerbs[] = {
    "\xCD\xA8\xB9\xFD",  // 通过
    "\xC9\xE8\xD6\xC3",  // 设置
    "\xC9\xE8\xD3\xD0",  // 设有
    "\xC1\xAC\xBD\xD3",  // 连接
    "\xB0\xFC\xC0\xA8",  // 包括
    "\xB0\xFC\xBA\xAC",  // 包含
    "\xBE\xDF\xD3\xD0",  // 具有
    "\xBE\xDF\xCC\xE5",  // 具体
    "\xD6\xB4\xD0\xD0",  // 执行
    "\xB9\xCC\xB6\xA8",  // 固定
    "\xB0\xB2\xD7\xB0",  // 安装
    "\xCE\xBB\xD3\xDA",  // 位于
    "\xD3\xC3\xD3\xDA",  // 用于
    "\xBE\xDF\xD3\xD0",  // 具有
    "\xB2\xC9\xD3\xC3",  // 采用
    "\xD0\xCE\xB3\xC9",  // 形成
    "\xB9\xB9\xB3\xC9",  // 构成
    "\xCC\xD7\xC9\xE8",  // 套设
    "\xC9\xE8\xD3\xDA",  // 设于
    "\xD6\xC3\xD3\xDA",  // 置于
    "\xC5\xE4\xBA\xCF",  // 配合
    "\xB5\xD6\xBD\xD3",  // 抵接
    "\xCC\xF9\xBA\xCF",  // 贴合
    "\xD7\xAA\xB6\xAF",  // 转动
    "\xBB\xAC\xB6\xAF",  // 滑动
    "\xB4\xF8\xB6\xAF",  // 带动
    "\xC7\xFD\xB6\xAF",  // 驱动
    "\xB4\xA9\xB9\xFD",  // 穿过
    "\xD1\xD3\xC9\xEC",  // 延伸
    "\xBF\xAA\xC9\xE8",  // 开设
    "\xB6\xD4\xD3\xA6",  // 对应
    "\xBE\xAD\xB9\xFD",  // 经过
    "\xBD\xF8\xD0\xD0",  // 进行
    "\xB5\xC3\xB5\xBD",  // 得到
    "\xBC\xD3\xC8\xEB",  // 加入
    "\xBB\xEC\xBA\xCF",  // 混合
    "\xD1\xA1\xD7\xD4",  // 选自
    "\xC0\xB4\xD7\xD4",  // 来自
    "\xD1\xA1\xCE\xAA",  // 选为
    "\xB9\xB2\xCD\xAC",  // 共同
    "\xC2\xFA\xD7\xE3",  // 满足
    "\xB4\xF3\xD3\xDA",  // 大于
    "\xD0\xA1\xD3\xDA",  // 小于
    "\xB5\xC8\xD3\xDA",  // 等于
    "\xB5\xCD\xD3\xDA",  // 低于
    "\xB8\xDF\xD3\xDA",  // 高于
    "\xBF\xD8\xD6\xC6",  // 控制
    "\xB8\xF9\xBE\xDD",  // 根据
    "\xBB\xF9\xD3\xDA",  // 基于
    "\xC0\xFB\xD3\xC3",  // 利用
    "\xCA\xB9\xD3\xC3",  // 使用
    "\xBD\xF8\xC8\xEB",  // 进入
    "\xBD\xD3\xB4\xA5",  // 接触
    "\xB8\xB2\xB8\xC7",  // 覆盖
    "\xCF\xE0\xC1\xAC",  // 相连
    "\xBF\xA8\xBA\xCF",  // 卡合
    "\xBD\xC2\xBD\xD3",  // 铰接
    "\xB7\xD6\xB1\xF0",  // 分别
    "\xD2\xC0\xB4\xCE",  // 依次
    "\xCD\xAC\xCA\xB1",  // 同时
};

// Verbs of what a feature does that, right before "的", close a clause qualifying the noun after
// it ("所述传感器测量的流量"): they end a term they follow there, though a name may hold them
// elsewhere ("测量请求", "检测模块").
inline constexpr std::string_view kClauseVerbs[] = {
    "\xB2\xE2\xC1\xBF",  // 测量
    "\xB2\xE2\xB5\xC3",  // 测得
    "\xBC\xEC\xB2\xE2",  // 检测
    "\xBC\xE0\xB2\xE2",  // 监测
    "\xB8\xD0\xB2\xE2",  // 感测
    "\xB2\xC9\xBC\xAF",  // 采集
    "\xB7\xA2\xCB\xCD",  // 发送
    "\xB7\xB5\xBB\xD8",  // 返回
    "\xBD\xD3\xCA\xD5",  // 接收
    "\xCA\xE4\xB3\xF6",  // 输出
    "\xC9\xCF\xB4\xAB",  // 上传
    "\xCF\xC2\xB7\xA2",  // 下发
    "\xC9\xFA\xB3\xC9",  // 生成
    "\xB2\xFA\xC9\xFA",  // 产生
};
// The coverb of a participle ("经预处理的", "经干燥的"): what it opens, up to "的", is no name.
inline constexpr std::string_view kParticipleCoverb = "\xBE\xAD";  // 经

}  // namespace gbk
