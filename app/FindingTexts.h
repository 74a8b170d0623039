// What the window says about findings, in Chinese: the problems list's words and icons, and the
// status line.
#pragma once

#include <QIcon>
#include <QString>

#include "result/AnalysisResult.h"
#include "result/Finding.h"

// One line on what is wrong, naming the finding's term where it has one (the term after "所述",
// the word a further check found, the doubled punctuation).
QString FindingExplanation(const Finding& finding);

// "需修改", "请复核" or "提示".
QString SeverityWord(Severity severity);

// The application style's critical, warning or information icon, as it was when first asked for.
// Needs the application object.
QIcon SeverityIcon(Severity severity);

// The summary's figures and the findings per severity, e.g.
// "1套 · 3条权利要求 · 2条有问题 · 问题3处    需修改 2 · 请复核 1 · 提示 0"; without the sets and
// the claims with problems when the report has no summary; "" when no claim was checked.
QString StatusLine(const AnalysisResult& result);
