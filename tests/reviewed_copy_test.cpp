// The reviewed Word copy: for every shared fixture the comments and changes its table lists, the
// original's text once our changes are rejected, the other parts untouched; a split run's
// formatting; and quillex-check --annotate with every bad input refused before anything is written.
#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "ReviewedCopy.h"
#include "support/CheckProgram.h"
#include "support/ReviewedCopyReading.h"

namespace {

const QDateTime kDate(QDate(2024, 1, 2), QTime(3, 4, 5), Qt::UTC);

// The rows of NAME.review.tsv, "#" lines left out.
std::vector<ReviewEntry> Table(const QString& name) {
  std::vector<ReviewEntry> rows;
  for (const QString& line : QString::fromUtf8(Contents(kDocxData + name + ".review.tsv")).split(u'\n')) {
    if (line.isEmpty() || line.startsWith(u'#')) continue;
    const QStringList cells = line.split(u'\t');
    EXPECT_EQ(cells.size(), 3) << line.toStdString();
    if (cells.size() == 3) rows.push_back({cells[0], cells[1], cells[2]});
  }
  return rows;
}

std::string Listed(const std::vector<ReviewEntry>& entries) {
  QString text;
  for (const ReviewEntry& e : entries) text += e.kind + u'\t' + e.first + u'\t' + e.second + u'\n';
  return text.toStdString();
}

TEST(ReviewedCopy, EveryFixtureHoldsWhatItsTableLists) {
  const QStringList fixtures = DocxFixtures(QStringLiteral(".review.tsv"));
  ASSERT_GE(fixtures.size(), 8);
  for (const QString& name : fixtures) {
    const DocxDocument original = ReadDocx(Contents(kDocxData + name + ".docx"), name);
    ASSERT_TRUE(original.error.isEmpty()) << name.toStdString();
    const ReviewedCopy copy = ReviewDocument(original, true, kDate);
    ASSERT_TRUE(copy.error.isEmpty()) << copy.error.toStdString();
    const ReviewReading reading = ReadReviewedCopy(copy.bytes);
    ASSERT_TRUE(reading.error.isEmpty()) << reading.error.toStdString();
    EXPECT_EQ(Listed(reading.entries), Listed(Table(name))) << name.toStdString();
    EXPECT_EQ(reading.rejectedText, original.claimsText) << name.toStdString();
    EXPECT_EQ(reading.otherComments, name == u"commented" ? 1 : 0) << name.toStdString();
    // Every part but those that hold or name our marks is as it was.
    const DocxDocument reread = ReadDocx(copy.bytes, name);
    for (const DocxEntry& entry : original.package.entries) {
      const DocxEntry* kept = reread.package.Find(entry.name);
      ASSERT_TRUE(kept) << entry.name.toStdString();
      static const QStringList kChanged = {"word/document.xml", "word/comments.xml",
                                           "[Content_Types].xml", "word/_rels/document.xml.rels"};
      if (!kChanged.contains(entry.name)) {
        EXPECT_EQ(kept->data, entry.data) << entry.name.toStdString();
      }
    }
  }
}

TEST(ReviewedCopy, ARunSplitKeepsItsFormattingInEveryPiece) {
  // "所述所述手柄为𠀀塑料，，且为圆形。" is one bold run: a change at each end of it and a comment
  // cut it, and every piece shown, the insertions' too, stays bold.
  const DocxDocument original = ReadDocx(Contents(kDocxData + "slips.docx"), "slips.docx");
  const DocxDocument copy = ReadDocx(ReviewDocument(original, true, kDate).bytes, "copy.docx");
  const QString bold = QStringLiteral("所述手柄为𠀀塑料，且为圆形。");
  int pieces = 0;
  for (const DocxRun& run : copy.body.runs) {
    const QString text = copy.body.paragraphs[run.paragraph].text.mid(run.column, run.length);
    if (run.paragraph != 2 || !bold.contains(text) || text == u"，") continue;
    EXPECT_EQ(run.properties, QStringLiteral("<w:rPr><w:b/></w:rPr>")) << text.toStdString();
    ++pieces;
  }
  EXPECT_EQ(pieces, 3);
}

ProcessResult Annotate(const QString& folder, const QStringList& args) {
  return RunQuillexCheck(QStringList{QStringLiteral("--annotate")} + args, {}, {}, folder);
}

TEST(ReviewedCopy, AnnotateWritesTheCopyBesideTheDocumentAndNeverTheDocument) {
  QTemporaryDir folder;
  QFile::copy(kDocxData + "slips.docx", folder.filePath("slips.docx"));
  const QByteArray before = Contents(folder.filePath("slips.docx"));
  const ProcessResult run = Annotate(folder.path(), {QStringLiteral("--review"), QStringLiteral("slips.docx")});
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_EQ(run.err, "quillex-check: slips.docx: wrote slips.quillex.docx (4 comments, 4 tracked changes)\n");
  EXPECT_EQ(Contents(folder.filePath("slips.docx")), before);
  EXPECT_EQ(ReadReviewedCopy(Contents(folder.filePath("slips.quillex.docx"))).entries.size(), 8u);
}

TEST(ReviewedCopy, BadInputGetsOneLineStatusTwoAndNothingWritten) {
  QTemporaryDir folder;
  // The reasons for every bad document are the reader's tests'; here, that nothing is written.
  for (const char* name : {"numbering.docx", "word97.doc", "bad_encrypted.docx"}) {
    QFile::copy(kDocxData + name, folder.filePath(name));
  }
  QFile text(folder.filePath("claims.txt"));
  ASSERT_TRUE(text.open(QIODevice::WriteOnly));
  text.write("1.一种杯子。\n");
  text.close();
  const std::pair<QStringList, const char*> kCases[] = {
      {{"claims.txt"}, "claims.txt: not a Word document"},
      {{"word97.doc"}, "word97.doc: 是 Word 97-2003 文档"},
      {{"bad_encrypted.docx"}, "bad_encrypted.docx: 是受密码保护的文档"},
      {{"--output", "numbering.docx", "numbering.docx"}, "would overwrite the document itself"},
      {{"--output", "missing/copy.docx", "numbering.docx"}, "numbering.docx: 无法写入“missing/copy.docx”"},
      {{"-"}, "give --output for standard input"},
  };
  const QStringList before = QDir(folder.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
  for (const auto& [args, reason] : kCases) {
    const ProcessResult run = Annotate(folder.path(), args);
    EXPECT_EQ(run.exitCode, 2) << reason;
    EXPECT_EQ(run.err.count('\n'), 1) << run.err.toStdString();
    EXPECT_TRUE(run.err.startsWith("quillex-check: ")) << run.err.toStdString();
    EXPECT_TRUE(run.err.contains(reason)) << run.err.toStdString();
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), before)
        << reason;
  }
  EXPECT_EQ(Contents(folder.filePath("numbering.docx")), Contents(kDocxData + "numbering.docx"));
}

}  // namespace
