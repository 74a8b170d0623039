#include "claims/SubjectRecognition.h"

std::string RecognizeSubject(std::string_view text, const ClaimOpening& opening,
                             uint8_t& isIndependent) {
  isIndependent = opening.form == ReferenceForm::kPhrase ? 0 : 1;
  return std::string(SpanText(text, opening.subject));
}
