// The analysis result rendered for programs: a JSON object per input, and one line per finding
// in the form compilers use.
#pragma once

#include <QJsonObject>
#include <QString>

#include "result/AnalysisResult.h"

// The JSON of one checked input without its "path", "status" and "messages": "summary" (when
// the report has one) and "claims", each with its findings of `minSeverity` or more severe, as
// the README describes.
QJsonObject ResultToJson(const AnalysisResult& result, Severity minSeverity = Severity::kNote);

// "PATH:LINE:COLUMN: 权利要求N：MARK\n" for every finding of `minSeverity` or more severe, in
// report order; MARK is the mark without its brackets ("所述" and the term for an antecedent
// finding).
QString FindingLines(const QString& path, const AnalysisResult& result,
                     Severity minSeverity = Severity::kNote);
