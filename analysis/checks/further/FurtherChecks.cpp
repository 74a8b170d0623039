#include "checks/further/FurtherChecks.h"

#include "text/GbkTexts.h"
#include "checks/further/IndefiniteWording.h"
#include "checks/further/ReferenceNotAlternative.h"
#include "checks/further/ReferenceUnnumbered.h"
#include "checks/further/ReferenceWording.h"
#include "checks/further/RepeatedWord.h"
#include "checks/further/StepNumbering.h"
#include "checks/further/TwoCategories.h"
#include "checks/further/UnbalancedBrackets.h"

void RunFurtherChecks(const ClaimRecord& record, std::string_view text,
                      std::vector<Finding>& findings) {
  CheckReferenceWording(record, text, findings);
  CheckReferenceUnnumbered(text, findings);
  CheckReferenceNotAlternative(text, findings);
  CheckIndefiniteWording(text, findings);
  CheckRepeatedWord(text, findings);
  CheckTwoCategories(record, text, findings);
  CheckUnbalancedBrackets(text, findings);
  CheckStepNumbering(record, text, findings);
}
