// Word documents read as their claims text, and reviewed: the shared fixtures, the places of the
// findings in the document, the reviewed copies, and every kind of bad input refused with one line.
#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "DocxReader.h"
#include "ReviewedCopy.h"
#include "support/CheckProgram.h"
#include "support/ReviewedCopyReading.h"

namespace {

ProcessResult Check(const QStringList& args) { return RunQuillexCheck(args, {}, {}, kDocxData); }

QByteArray Fixture(const QString& name) { return Contents(kDocxData + name); }

// Each fixture gives the text beside it, and quillex-check gives it the report of that text, with
// the further checks and without.
TEST(DocxReader, EveryFixtureGivesItsTextAndItsReport) {
  const QStringList fixtures = DocxFixtures(QStringLiteral(".txt"));
  ASSERT_GE(fixtures.size(), 6);
  for (const QString& name : fixtures) {
    SCOPED_TRACE(name.toStdString());
    const DocxDocument document = ReadDocx(Fixture(name + ".docx"), name + ".docx");
    ASSERT_TRUE(document.error.isEmpty()) << document.error.toStdString();
    EXPECT_EQ(document.claimsText.toStdString(), QString::fromUtf8(Fixture(name + ".txt")).toStdString());
    for (const QStringList& options : {QStringList(), QStringList{QStringLiteral("--review")}}) {
      const ProcessResult fromWord = Check(options + QStringList{name + ".docx"});
      const ProcessResult fromText = Check(options + QStringList{name + ".txt"});
      EXPECT_EQ(fromWord.exitCode, fromText.exitCode);
      EXPECT_EQ(fromWord.out, fromText.out);
      EXPECT_EQ(fromWord.err, fromText.err);
    }
  }
}

// A finding's line is the paragraph's number in the whole document, its column the character in
// that paragraph as Word shows it, the automatic number and its tab included.
TEST(DocxCheck, FindingsStandWhereWordShowsThem) {
  const std::pair<const char*, const char*> kCases[] = {
      {"five_parts.docx", "five_parts.docx:7:21: warning: 权利要求2：“笔帽”缺乏引用基础"},
      {"numbering.docx", "numbering.docx:4:23: warning: 权利要求3：“手柄”缺乏引用基础"},
      {"table.docx", "table.docx:3:1: error: 权利要求3：编号与前一条权利要求不连续"},
      {"revisions.docx", "revisions.docx:3:1: error: 权利要求3：权利要求中有多个句号"},
      {"no_heading.docx", "no_heading.docx:2:1: note: 权利要求2："},
  };
  for (const auto& [file, line] : kCases) {
    const ProcessResult run = Check({QStringLiteral("--format"), QStringLiteral("lines"), file});
    EXPECT_TRUE(run.out.contains(line)) << file << "\n" << run.out.toStdString();
  }
}

TEST(DocxCheck, LineBreakInsideAParagraphKeepsItsParagraph) {
  // "所述刷头" stands after the Shift+Enter of the second paragraph; Word shows it at character
  // 24 of that paragraph (the break counts as one).
  const DocxDocument document = ReadDocx(Fixture("revisions.docx"), "revisions.docx");
  const LineOrigin origin = OriginOf(document, 3, 1);
  EXPECT_EQ(origin.paragraph, 1);
  EXPECT_EQ(document.body.paragraphs[1].text.mid(origin.column, 4), QStringLiteral("所述刷头"));
}

TEST(DocxCheck, BadInputGetsOneLineAndStatusTwo) {
  const std::pair<const char*, const char*> kCases[] = {
      {"word97.doc", "是 Word 97-2003 文档，请另存为 .docx 后再检查"},
      {"bad_encrypted.docx", "受密码保护"},
      {"bad_odt.docx", "是 OpenDocument 文本"},
      {"bad_xml.docx", "“word/document.xml”不是格式正确的 XML"},
      {"bad_bomb.docx", "解压后过大"},
      {"bad_path.docx", "“../evil.xml”"},
      {"bad_zip.docx", "压缩包已损坏"},
  };
  for (const auto& [file, reason] : kCases) {
    const ProcessResult run = Check({QString::fromUtf8(file)});
    EXPECT_EQ(run.exitCode, 2) << file;
    EXPECT_TRUE(run.out.isEmpty()) << file;
    EXPECT_EQ(run.err.count('\n'), 1) << run.err.toStdString();
    EXPECT_TRUE(run.err.startsWith(QByteArray("quillex-check: ") + file + ": ")) << file;
    EXPECT_TRUE(run.err.contains(reason)) << run.err.toStdString();
  }
}

TEST(DocxCheck, FixRefusesAWordDocumentAndLeavesItAlone) {
  const QByteArray before = Fixture("numbering.docx");
  const ProcessResult run = Check({QStringLiteral("--fix"), QStringLiteral("numbering.docx")});
  EXPECT_EQ(run.exitCode, 2);
  EXPECT_TRUE(run.err.contains("--annotate")) << run.err.toStdString();
  EXPECT_EQ(Fixture("numbering.docx"), before);
}

// The reviewed Word copy: for every shared fixture the comments and changes its table lists, the
// original's text once our changes are rejected, the other parts untouched; a split run's
// formatting; and quillex-check --annotate with every bad input refused before anything is written.

const QDateTime kDate(QDate(2024, 1, 2), QTime(3, 4, 5), Qt::UTC);

// The rows of NAME.review.tsv, "#" lines left out.
std::vector<ReviewEntry> Table(const QString& name) {
  std::vector<ReviewEntry> rows;
  for (const QString& line : QString::fromUtf8(Fixture(name + ".review.tsv")).split(u'\n')) {
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
    const DocxDocument original = ReadDocx(Fixture(name + ".docx"), name);
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
  const DocxDocument original = ReadDocx(Fixture("slips.docx"), "slips.docx");
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
  EXPECT_EQ(Contents(folder.filePath("numbering.docx")), Fixture("numbering.docx"));
}

}  // namespace
