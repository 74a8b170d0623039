// Word documents read as their claims text: the shared fixtures, the places of the findings in
// the document, and every kind of bad input refused with one line.
#include <gtest/gtest.h>

#include "DocxReader.h"
#include "support/CheckProgram.h"

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

}  // namespace
