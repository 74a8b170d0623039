// A reviewed Word copy read back as a drafter sees it in Word's 审阅: our comments with the words
// they are on, our tracked changes, and the text once every one of our changes is rejected.
// Shared by the tests, the window's test and the fuzz target.
#pragma once

#include <QByteArrayView>
#include <QString>
#include <vector>

struct ReviewEntry {
  QString kind;    // "comment" or "change"
  QString first;   // a comment's words (as before any change of ours), a change's deleted text
  QString second;  // a comment's text, a change's inserted text
};

struct ReviewReading {
  std::vector<ReviewEntry> entries;  // our comments in the comments part's order, then our
                                     // changes in the document's order
  int otherComments = 0;             // comments of other authors, kept
  QString rejectedText;  // the claims text of the copy with every change of ours rejected
  QString error;         // why the copy cannot be read
};

ReviewReading ReadReviewedCopy(QByteArrayView bytes);
