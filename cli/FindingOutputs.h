// The analysis result rendered for programs: a JSON object per input, and one line per finding
// in the form compilers use.
#pragma once

#include <QJsonObject>
#include <QString>

#include "result/AnalysisResult.h"

// The JSON of one checked input without its "path", "status" and "messages": "summary" (when
// the report has one) and "claims", each with its findings of `minSeverity` or more severe, each
// finding with its explanation as "message", as the README describes.
QJsonObject ResultToJson(const AnalysisResult& result, Severity minSeverity = Severity::kNote);

// "PATH:LINE:COLUMN: SEVERITY: 权利要求N：EXPLANATION [MARK]\n" for every finding of
// `minSeverity` or more severe, in report order, as compilers write their diagnostics: SEVERITY
// is "error" for fix, "warning" for review and "note" for note; EXPLANATION is the finding's
// explanation; MARK the mark without its brackets ("所述" and the term for an antecedent finding).
QString FindingLines(const QString& path, const AnalysisResult& result,
                     Severity minSeverity = Severity::kNote);
