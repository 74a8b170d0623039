// What one press of the check button does to a text, without the window around it.
#pragma once

#include <QString>

#include "AnalyzeClaims.h"

// Converts `text` to the engine's bytes, normalises and analyses it as the check button does, and
// converts the shown text back: the report, or the normalised text when no claim 1 was found.
// Messages of the analysis go to whatever message sink is installed. With `options.review` the
// further checks run too, as `quillex-check --review` runs them.
QString WholeCheck(const QString& text, const AnalysisOptions& options = {});
