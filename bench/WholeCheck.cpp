#include "WholeCheck.h"

#include "CheckCommand.h"
#include "ClaimsCodec.h"

QString WholeCheck(const QString& text, const AnalysisOptions& options) {
  return FromEngineText(RunCheck(ToEngineText(text), options).shownText);
}
