// Arbitrary bytes read as a Word document: whatever the package or its XML holds, the reader
// gives an error or a claims text whose every line stands in a paragraph of the document, and
// the places of that text map back inside it. A document read is reviewed too: its copy reads
// back as a Word document, and with our changes rejected gives the document's text.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "DocxReader.h"
#include "MessageSink.h"
#include "ReviewedCopy.h"
#include "support/ReviewedCopyReading.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const QByteArrayView bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
  const DocxDocument document = ReadDocx(bytes, QStringLiteral("fuzz.docx"));
  if (!document.error.isEmpty()) return 0;
  const int lines = static_cast<int>(document.lines.size());
  if (lines != static_cast<int>(document.claimsText.count(u'\n'))) std::abort();
  for (int line = 1; line <= lines; ++line) {
    const LineOrigin origin = OriginOf(document, line, 1 + line % 7);
    if (origin.paragraph < document.firstParagraph || origin.paragraph >= document.endParagraph) {
      std::abort();
    }
    if (origin.column > document.body.paragraphs[origin.paragraph].text.size()) std::abort();
  }
  for (const DocxRun& run : document.body.runs) {
    if (run.start < 0 || run.end > document.body.xml.size() || run.start >= run.end) std::abort();
  }
  const ScopedMessageSink quiet([](const std::string&) {});
  const ReviewedCopy copy = ReviewDocument(document, true, QDateTime::fromSecsSinceEpoch(0));
  if (!copy.error.isEmpty()) return 0;  // no claim to review, or a comments part not XML
  const ReviewReading reading = ReadReviewedCopy(copy.bytes);
  if (!reading.error.isEmpty() || reading.rejectedText != document.claimsText) std::abort();
  return 0;
}
