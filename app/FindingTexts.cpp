#include "FindingTexts.h"

#include <QApplication>
#include <QStyle>
#include <array>

#include "ClaimsCodec.h"

namespace {

// Per finding code, in the order of FindingCode; "%1" stands for the finding's term or pair.
QString ExplanationPattern(FindingCode code) {
  static const std::array<QString, 24> kPatterns = {
      QStringLiteral("编号与前一条权利要求不连续"),
      QStringLiteral("以“一种”开头又引用权利要求，可能应为从属权利要求"),
      QStringLiteral("读不出所引用的权利要求编号"),
      QStringLiteral("所引用的权利要求编号不小于本权利要求的编号"),
      QStringLiteral("所引用的权利要求编号不存在"),
      QStringLiteral("引用了前面另一套权利要求中的权利要求"),
      QStringLiteral("多项从属权利要求引用了多项从属权利要求"),
      QStringLiteral("未能识别本权利要求的主题"),
      QStringLiteral("主题与所引用的权利要求不一致"),
      QStringLiteral("“%1”缺乏引用基础"),
      QStringLiteral("缺少“其特征在于”"),
      QStringLiteral("缺少句号“。”"),
      QStringLiteral("句号不在权利要求的结尾"),
      QStringLiteral("权利要求中有多个句号"),
      QStringLiteral("标点“%1”重复或冲突"),
      QStringLiteral("引用部分写法有误或未被识别：“%1”"),
      QStringLiteral("引用权利要求时未写明编号"),
      QStringLiteral("引用多项权利要求时未采用择一方式"),
      QStringLiteral("“%1”使保护范围不清楚"),
      QStringLiteral("用词重复或疑似笔误：“%1”"),
      QStringLiteral("主题包含两种类型，如产品及其方法"),
      QStringLiteral("括号不成对"),
      QStringLiteral("附图标记与名称不是一一对应：“%1”"),
      QStringLiteral("步骤编号跳号、重复或所引用的步骤未定义：“%1”"),
  };
  static_assert(kPatterns.size() == static_cast<size_t>(FindingCode::kStepNumbering) + 1);
  return kPatterns[static_cast<size_t>(code)];
}

}  // namespace

QString FindingExplanation(const Finding& finding) {
  const QString pattern = ExplanationPattern(finding.code);
  if (!pattern.contains(u"%1")) return pattern;
  const std::string_view term =
      finding.code == FindingCode::kDoubledPunctuation ? finding.pair : finding.term;
  // A finding that came without its word is still explained, without the quotation.
  if (term.empty())
    return QString(pattern).remove(QStringLiteral("：“%1”")).remove(QStringLiteral("“%1”"));
  return pattern.arg(FromEngineText(term));
}

QString SeverityWord(Severity severity) {
  switch (severity) {
    case Severity::kFix:
      return QStringLiteral("需修改");
    case Severity::kReview:
      return QStringLiteral("请复核");
    case Severity::kNote:
      return QStringLiteral("提示");
  }
  return {};
}

QIcon SeverityIcon(Severity severity) {
  // Made once: a style makes its icons anew on every call, and a list asks for one per row shown.
  static const std::array<QIcon, 3> kIcons = [] {
    QStyle* style = QApplication::style();
    return std::array<QIcon, 3>{style->standardIcon(QStyle::SP_MessageBoxCritical),
                                style->standardIcon(QStyle::SP_MessageBoxWarning),
                                style->standardIcon(QStyle::SP_MessageBoxInformation)};
  }();
  return kIcons[static_cast<size_t>(severity)];
}

QString StatusLine(const AnalysisResult& result) {
  if (result.claims.empty()) return {};
  std::array<int, 3> perSeverity{};
  for (const ClaimResult& claim : result.claims) {
    for (const Finding& finding : claim.findings) ++perSeverity[static_cast<int>(finding.severity)];
  }
  const QString claims = QStringLiteral("%1条权利要求").arg(result.claims.size());
  const QString figures = result.HasSummary() ? QStringLiteral("%1套 · %2 · %3条有问题 · 问题%4处")
                                                    .arg(result.sets)
                                                    .arg(claims)
                                                    .arg(result.problemClaims)
                                                    .arg(result.problems)
                                              : claims;
  return QStringLiteral("%1    需修改 %2 · 请复核 %3 · 提示 %4")
      .arg(figures)
      .arg(perSeverity[0])
      .arg(perSeverity[1])
      .arg(perSeverity[2]);
}
