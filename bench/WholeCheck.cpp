#include "WholeCheck.h"

#include "CheckCommand.h"
#include "ClaimsCodec.h"

QString WholeCheck(const QString& text) {
  return FromEngineText(RunCheck(ToEngineText(text)).shownText);
}
