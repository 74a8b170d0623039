#include "FindingOutputs.h"

#include <QJsonArray>

#include "ClaimsCodec.h"
#include "report/FindingTexts.h"
#include "text/GbkTexts.h"

namespace {

QString Text(std::string_view gbkText) { return FromEngineText(gbkText); }

// The mark without its brackets; for an antecedent finding, "所述" and the term.
QString MarkInside(const Finding& finding) {
  if (finding.code == FindingCode::kAntecedent) {
    return Text(std::string(gbk::kSaid).append(finding.term));
  }
  return Text(InsideOfMark(finding));
}

// The word compilers give a diagnostic of this weight, which editors colour and filter by.
QLatin1String CompilerWord(Severity severity) {
  switch (severity) {
    case Severity::kFix:
      return QLatin1String("error");
    case Severity::kReview:
      return QLatin1String("warning");
    case Severity::kNote:
      return QLatin1String("note");
  }
  return {};
}

// The fix's title and its edits, each placed in the user's text.
QJsonObject FixToJson(const Fix& fix) {
  QJsonArray edits;
  for (const FixEdit& edit : fix.edits) {
    edits.append(QJsonObject{{QStringLiteral("line"), edit.place.line},
                             {QStringLiteral("column"), edit.place.column},
                             {QStringLiteral("offset"), edit.offset},
                             {QStringLiteral("length"), edit.length},
                             {QStringLiteral("text"), Text(edit.text)}});
  }
  return {{QStringLiteral("title"), Text(fix.title)}, {QStringLiteral("edits"), edits}};
}

QJsonObject FindingToJson(const Finding& finding) {
  QJsonObject json{
      {QStringLiteral("code"), QString::fromLatin1(FindingCodeName(finding.code))},
      {QStringLiteral("severity"), QString::fromLatin1(SeverityName(finding.severity))},
      {QStringLiteral("mark"), Text(MarkOf(finding))},
      {QStringLiteral("message"), Text(FindingExplanation(finding))},
      {QStringLiteral("line"), finding.place.line},
      {QStringLiteral("column"), finding.place.column},
  };
  if (finding.InText()) json.insert(QStringLiteral("length"), finding.length);
  if (!finding.term.empty()) json.insert(QStringLiteral("term"), Text(finding.term));
  if (!finding.pair.empty()) json.insert(QStringLiteral("pair"), Text(finding.pair));
  if (finding.fix) json.insert(QStringLiteral("fix"), FixToJson(*finding.fix));
  if (!finding.fixRefused.empty()) {
    json.insert(QStringLiteral("fixRefused"), Text(finding.fixRefused));
  }
  return json;
}

QJsonObject ClaimToJson(const ClaimResult& claim, Severity minSeverity) {
  QJsonArray parents;
  for (int32_t parent : claim.parents) parents.append(parent);
  QJsonArray findings;
  for (const Finding& finding : claim.findings) {
    if (finding.severity <= minSeverity) findings.append(FindingToJson(finding));
  }
  return {
      {QStringLiteral("number"), claim.number},
      {QStringLiteral("kind"),
       claim.independent ? QStringLiteral("independent") : QStringLiteral("dependent")},
      {QStringLiteral("subject"), Text(claim.subject)},
      {QStringLiteral("parents"), parents},
      {QStringLiteral("set"), claim.set},
      {QStringLiteral("problemNumber"), claim.problemNumber},
      {QStringLiteral("line"), claim.place.line},
      {QStringLiteral("column"), claim.place.column},
      {QStringLiteral("findings"), findings},
  };
}

}  // namespace

QJsonObject ResultToJson(const AnalysisResult& result, Severity minSeverity) {
  QJsonObject json;
  if (result.HasSummary()) {
    json.insert(QStringLiteral("summary"),
                QJsonObject{{QStringLiteral("sets"), result.sets},
                            {QStringLiteral("claims"), static_cast<int>(result.claims.size())},
                            {QStringLiteral("problemClaims"), result.problemClaims},
                            {QStringLiteral("problems"), result.problems}});
  }
  QJsonArray claims;
  for (const ClaimResult& claim : result.claims) claims.append(ClaimToJson(claim, minSeverity));
  json.insert(QStringLiteral("claims"), claims);
  return json;
}

QString FindingLines(const QString& path, const AnalysisResult& result, Severity minSeverity) {
  QString lines;
  for (const ClaimResult& claim : result.claims) {
    for (const Finding& finding : claim.findings) {
      if (finding.severity > minSeverity) continue;
      // One pass over the pattern, so that a "%" in the path stays as it is.
      lines +=
          QStringLiteral("%1:%2:%3: %4: 权利要求%5：%6 [%7]\n")
              .arg(path, QString::number(finding.place.line), QString::number(finding.place.column),
                   CompilerWord(finding.severity), QString::number(claim.number),
                   Text(FindingExplanation(finding)), MarkInside(finding));
    }
  }
  return lines;
}
