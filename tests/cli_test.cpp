// quillex-check run as a real process: streams, encodings, line breaks and exit statuses.
#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <utility>

#include "support/CheckProgram.h"

namespace {

QByteArray Gb18030(const QByteArray& utf8) {
  return QStringEncoder("GB18030").encode(QString::fromUtf8(utf8));
}

const QByteArray kWorkedExample =
    "权利要求书\n"
    "1. 一种杯子，其特征在于，包括杯体和杯盖。\n"
    "2. 根据权利要求1所述的杯子，其特征在于，所述手柄为陶瓷。\n"
    "4. 根据权利要求1或2所述的杯子，其特征在于，杯盖为圆形\n";

const QByteArray kWorkedReport =
    "分析完毕，找到1套、共3条权利要求\n"
    "其中存在问题的权利要求有 2条（见文中的★标记），问题共有 3处（见文中的【 】标记）\n\n"
    "----------第1套：----------\n"
    "[独权1][杯子] 1.一种杯子，其特征在于，包括杯体和杯盖。\n\n"
    "★[Err2-1][从权2][杯子][父1;] 2.根据权利要求1所述的杯子，其特征在于，【所述】手柄为陶瓷。\n\n"
    "★[Err2-2][从权4][杯子][父1;2;]【本权编号与前不连续|缺句号】 "
    "4.根据权利要求1或2所述的杯子，其特征在于，杯盖为圆形\n\n"
    "------------------\n"
    "最后一条权利要求结束\n";

// Characters outside GBK: a rare CJK character (U+20000) and an emoji (U+1F600).
const QByteArray kClean =
    "1.一种杯子，其特征在于，包括杯体和杯盖\xF0\xA0\x80\x80。\n"
    "2.根据权利要求1所述的杯子，其特征在于，所述杯体为陶瓷\xF0\x9F\x98\x80。\n";

const QByteArray kCongratulation = "恭喜 :-)\n\n未发现常见形式错误\n";

const QTemporaryDir kDir;

QString Write(const QString& name, const QByteArray& bytes) {
  QFile file(kDir.filePath(name));
  EXPECT_TRUE(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
  return file.fileName();
}

// Standard input, and the worked example's saved report as a web page (its layout is the saved
// report's own tests'): the file's name and the counts, in either input encoding, one file a page.
TEST(QuillexCheck, Outcomes) {
  const QStringList gbk = {QStringLiteral("--encoding"), QStringLiteral("GBK")};
  const QString utf8File = Write(QStringLiteral("杯子<1>.txt"), kWorkedExample);
  const QString gbkFile = Write(QStringLiteral("gbk.txt"), Gb18030(kWorkedExample));
  const QStringList html = {QStringLiteral("--format"), QStringLiteral("html")};
  const QByteArray counts = "<p class=\"summary\">● 需修改 2 · ▲ 请复核 1 · ○ 提示 0</p>";
  const QByteArray crOnly = QByteArray(kWorkedExample).replace("\n", "\r");
  // Longer than one piece of reading; the blanks go when the text is normalised.
  const QByteArray longClaimOne =
      QByteArray(kWorkedExample).replace("1. ", "1." + QByteArray(1 << 17, ' '));
  const QByteArray tryHelp = "\nTry 'quillex-check --help' for more information.\n";
  const QByteArray latin1 =
      "quillex-check: unknown encoding 'latin1' (use utf-8, utf8, gb18030, gbk)";
  struct Case {
    QStringList args;
    QByteArray in;
    int exitCode;
    QByteArray out;  // for exit status 0 and for a page, a part of it
    QByteArray err;
  } const cases[] = {
      {{}, kClean, 0, "杯盖\xF0\xA0\x80\x80。", kCongratulation},
      {gbk, Gb18030(kClean), 0, Gb18030("陶瓷\xF0\x9F\x98\x80。\n\n---"), Gb18030(kCongratulation)},
      {{}, kWorkedExample, 1, kWorkedReport, ""},
      {{}, "\xEF\xBB\xBF\n\n" + crOnly + "\r\n\r\n", 1, kWorkedReport, ""},
      {{}, longClaimOne, 1, kWorkedReport, ""},
      {{}, "hello , world\n", 2, "hello，world\n", "未找到权1 ?\n\n 请检查\n"},
      {{}, " \t\r\n\n【】", 2, "", "quillex-check: standard input: no text to check\n"},
      {{"--bogus"}, kClean, 2, "", "quillex-check: Unknown option 'bogus'." + tryHelp},
      {{"--encoding", "latin1"}, kClean, 2, "", latin1 + tryHelp},
      {{"--min-severity", "high"}, kClean, 2, "",
       "quillex-check: unknown min-severity 'high' (use fix, review, note)" + tryHelp},
      {{"--help"}, "", 0, "--encoding", ""},
      {html + QStringList{utf8File}, {}, 1, "文件：杯子&lt;1&gt;.txt", ""},
      {gbk + html + QStringList{gbkFile}, {}, 1, counts, ""},
      {html, kWorkedExample, 1, counts, ""},
      {html, "hello\n", 2, "", "未找到权1 ?\n\n 请检查\n"},
      {html + QStringList{utf8File, gbkFile}, {}, 2, "",
       "quillex-check: --format html writes one page: give one FILE" + tryHelp},
  };
  for (const Case& c : cases) {
    const ProcessResult run = RunQuillexCheck(c.args, c.in);
    SCOPED_TRACE((c.args.join(u' ') + u' ' + QString::fromUtf8(c.in.left(200))).toStdString());
    EXPECT_EQ(run.exitCode, c.exitCode);
    EXPECT_EQ(run.err, c.err);
    const bool part = c.exitCode == 0 || (c.exitCode == 1 && c.args.contains(u"html"));
    EXPECT_TRUE(part ? run.out.contains(c.out) : run.out == c.out) << run.out.data();
  }
}

TEST(QuillexCheck, BadInputGetsOneLineNamingItAndNoOutput) {
  QFile large(Write("large.txt", ""));
  ASSERT_TRUE(large.resize((qint64{1} << 30) + 1));  // sparse: nothing is written
  const std::pair<QString, QByteArray> cases[] = {
      {kDir.filePath("missing.txt"), "No such file"},
      {kDir.path(), "is a directory"},
      {Write("bad.txt", "1.\xE4\xB8\x80\xFF"),
       "not valid UTF-8 at byte offset 5 (if it is GB18030 or GBK text, try --encoding gb18030)"},
      {Write("bad.gb", "1.\xD2\xBB\x80"), "not valid GB18030 at byte offset 4"},
      {large.fileName(), "too large"},
  };
  for (const auto& [path, what] : cases) {
    const QStringList args =
        path.endsWith(".gb") ? QStringList{"--encoding", "gb18030", path} : QStringList{path};
    const ProcessResult run = RunQuillexCheck(args);
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_EQ(run.out, "");
    EXPECT_TRUE(run.err.startsWith("quillex-check: " + path.toUtf8() + ": ") &&
                run.err.contains(what) && run.err.count('\n') == 1)
        << run.err.data();
  }
}

TEST(QuillexCheck, SeveralInputsEachGetAHeaderAndTheWorstStatusCounts) {
  const QString worked = Write("worked.txt", kWorkedExample);
  const QString missing = kDir.filePath("missing.txt");
  const ProcessResult run = RunQuillexCheck({worked, missing, QStringLiteral("-")}, kClean);
  EXPECT_EQ(run.exitCode, 2);
  EXPECT_TRUE(run.out.startsWith("==> " + worked.toUtf8() + " <==\n" + kWorkedReport +
                                 "==> standard input <==\n分析完毕"));
  EXPECT_EQ(run.err, "quillex-check: " + missing.toUtf8() +
                         ": cannot open: No such file or directory\n" + kCongratulation);
}

TEST(QuillexCheck, AnOutputThatCannotBeWrittenIsAnError) {
  const ProcessResult run = RunQuillexCheck({}, kClean, QStringLiteral("/dev/full"));
  EXPECT_EQ(run.exitCode, 2);
  EXPECT_TRUE(run.err.endsWith("quillex-check: standard output: cannot write\n"));
}

// The character at a 1-based line and column (in code points) of a text, "" past its end. Lines
// end at "\r\n" and at each of the other line breaks the check reads.
QString CharacterAt(const QString& text, int line, int column) {
  static const QRegularExpression kLineBreak(
      QStringLiteral("\r\n|[\n\r\v\f\u0085\u2028\u2029]"));
  const QStringList lines = text.split(kLineBreak);
  if (line < 1 || line > lines.size()) return {};
  const QList<uint> codePoints = lines[line - 1].toUcs4();
  if (column < 1 || column > codePoints.size()) return {};
  const char32_t c = codePoints[column - 1];
  return QString::fromUcs4(&c, 1);
}

TEST(QuillexCheck, ReviewAddsFurtherChecksAndItsOwnExitStatus) {
  const QByteArray slips =
      "1.一种杯子，其特征在于，包括杯体。\n2."
      "据权利要求1所述的杯子，其特征在于，优选地杯体为陶瓷。\n";
  const QByteArray indefinite = QByteArray(kClean).replace("陶瓷", "约5mm厚的陶瓷");
  const QByteArray noteOnly =
      "1.一种杯子，其特征在于，包括杯体。\n2.根据权利要求1所述的杯子，其中杯体为陶瓷。\n";
  const QStringList lines = {"--review", "--format", "lines"};
  struct Case {
    QStringList args;
    QByteArray in;
    int exitCode;
    QByteArray out;  // a part of it
  } const cases[] = {
      {lines, slips, 1,
       "-:2:3: error: 权利要求2：引用部分写法有误或未被识别：“据权利要求” [疑似引用有误：据权利要求]\n"
       "-:2:21: error: 权利要求2：“优选”使保护范围不清楚 [用语不确定：优选]\n"},
      {lines + QStringList{"--min-severity", "fix"}, slips, 1, "据权利要求]\n"},
      {{"--review"}, slips, 1, "【疑似引用有误：据权利要求|用语不确定：优选】 2.据"},
      {{"--review"}, indefinite, 1, "用语不确定：约"},
      {{"--review", "--min-severity", "fix"}, indefinite, 0, "用语不确定：约"},
      {{}, noteOnly, 1, "缺“其特征在于”"},
      {lines, noteOnly, 0, "-:2:1: note: 权利要求2：缺少“其特征在于” [缺“其特征在于”]\n"},
  };
  for (const Case& c : cases) {
    const ProcessResult run = RunQuillexCheck(c.args, c.in);
    SCOPED_TRACE((c.args.join(' ') + ' ' + QString::fromUtf8(c.in)).toStdString());
    EXPECT_EQ(run.exitCode, c.exitCode);
    EXPECT_TRUE(run.out.contains(c.out)) << run.out.data();
  }
  // The JSON's status is what the exit status says; the summary still counts every mark.
  const std::pair<QStringList, QByteArray> statuses[] = {
      {{"--review", "--format", "json"}, "clean"},
      {{"--format", "json"}, "problems"},
  };
  for (const auto& [args, status] : statuses) {
    const ProcessResult run = RunQuillexCheck(args, noteOnly);
    const QJsonObject file = QJsonDocument::fromJson(run.out)["files"][0].toObject();
    EXPECT_EQ(run.exitCode, status == "clean" ? 0 : 1);
    EXPECT_EQ(file["status"].toString(), QString::fromLatin1(status));
    EXPECT_EQ(file["summary"]["problems"].toInt(), 1);
  }
}

// Real claims texts, each in its report and in its JSON: the JSON holds what the report shows,
// and every finding points at its own character of the input (the claim's first digit, or the
// "所" of "所述").
TEST(QuillexCheck, CorpusJsonAgreesWithReportsAndPointsIntoTheInput) {
  const QDir corpus(QStringLiteral(QUILLEX_CORPUS_DIR));
  QStringList paths;
  for (const QString& name : corpus.entryList({"*.txt"}, QDir::Files)) {
    paths << corpus.filePath(name);
  }
  if (paths.isEmpty()) GTEST_SKIP() << "no claims texts in " << QUILLEX_CORPUS_DIR;
  const ProcessResult report = RunQuillexCheck(paths);
  const ProcessResult json = RunQuillexCheck(QStringList{"--format", "json"} + paths);
  EXPECT_LE(report.exitCode, 1);
  EXPECT_EQ(json.exitCode, report.exitCode);
  const QJsonArray files = QJsonDocument::fromJson(json.out)["files"].toArray();
  ASSERT_EQ(files.size(), paths.size());
  const QStringList reports = QString::fromUtf8(report.out).split(QStringLiteral("==> "));
  for (qsizetype f = 0; f < files.size(); ++f) {
    const QJsonObject file = files[f].toObject();
    const QString path = file["path"].toString();
    SCOPED_TRACE(path.toStdString());
    QFile input(path);
    ASSERT_TRUE(input.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(input.readAll()).replace("\r\n", "\n");
    const QString shown = reports[f + 1];
    const QJsonObject summary = file["summary"].toObject();
    EXPECT_TRUE(shown.contains(QStringLiteral("共%1条权利要求").arg(summary["claims"].toInt())));
    EXPECT_TRUE(shown.contains(
        QStringLiteral("问题的权利要求有 %1条").arg(summary["problemClaims"].toInt())));
    int findings = 0;
    for (const QJsonValue claimValue : file["claims"].toArray()) {
      const QJsonObject claim = claimValue.toObject();
      const QString number = QString::number(claim["number"].toInt());
      EXPECT_EQ(CharacterAt(text, claim["line"].toInt(), claim["column"].toInt()), number.left(1));
      for (const QJsonValue value : claim["findings"].toArray()) {
        const QJsonObject finding = value.toObject();
        ++findings;
        const int line = finding["line"].toInt();
        const int column = finding["column"].toInt();
        const bool antecedent = finding["code"].toString() == u"antecedent";
        EXPECT_EQ(CharacterAt(text, line, column),
                  antecedent ? QStringLiteral("所") : number.left(1));
        const QString mark = finding["mark"].toString();
        EXPECT_TRUE(shown.contains(antecedent ? mark : mark.mid(1, mark.size() - 2)));
      }
    }
    EXPECT_EQ(findings, summary["problems"].toInt());
  }
}

// Slips, and claim 3 after claim 1; lines end in "\r\n", "\n" and nothing.
const QByteArray kSlips =
    "1. 一种杯子，其特征在于，包括杯体和杯盖\xF0\x9F\x98\x80。\r\n"
    "3.据权利要求1所述所述的杯子，其特征在于，杯盖为圆形；\n"
    "4.根据权利要求3所述的杯子，其特征在于，杯体为圆形。";
const QByteArray kSlipsFixed =
    "1. 一种杯子，其特征在于，包括杯体和杯盖\xF0\x9F\x98\x80。\r\n"
    "2.根据权利要求1所述的杯子，其特征在于，杯盖为圆形。\n"
    "3.根据权利要求2所述的杯子，其特征在于，杯体为圆形。";
// Pasted characters, line and paragraph separators among them, stay as they were around the
// fixes; the numbers keep their width.
const QByteArray kPasted =
    "1.\u3000一种杯子，其特征在于，包括杯体和杯盖。\u2028"
    "３．据权利要求１所述所述的杯子，其特征在于，杯盖为圆形；\u2029"
    "４．根据权利要求３所述的杯子，其特征在于，杯体为\u00a0圆形。\v\u2028";
const QByteArray kPastedFixed =
    "1.\u3000一种杯子，其特征在于，包括杯体和杯盖。\u2028"
    "２．根据权利要求１所述的杯子，其特征在于，杯盖为圆形。\u2029"
    "３．根据权利要求２所述的杯子，其特征在于，杯体为\u00a0圆形。\v\u2028";

// --diff shows the fixes and changes nothing, --fix rewrites the file keeping its byte-order
// mark, its encoding and every byte around the fixes, and a second --diff finds nothing to change.
TEST(QuillexCheck, FixRewritesFilesKeepingTheirBytesAndDiffShowsIt) {
  const QStringList gbk = {QStringLiteral("--encoding"), QStringLiteral("gb18030")};
  const QByteArray removed = "\n-3.据权利要求1所述所述的杯子，其特征在于，杯盖为圆形；\n"
                             "+2.根据权利要求1所述的杯子，其特征在于，杯盖为圆形。\n";
  const QByteArray renumbered = "３．根据权利要求２所述的杯子";
  const struct {
    const char* name;
    QStringList encoding;
    QByteArray before, after, diff;
  } cases[] = {
      {"bom.txt", {}, "\xEF\xBB\xBF" + kSlips, "\xEF\xBB\xBF" + kSlipsFixed, removed},
      {"gbk.txt", gbk, Gb18030(kSlips), Gb18030(kSlipsFixed), Gb18030(removed)},
      {"pasted.txt", {}, kPasted, kPastedFixed, renumbered},
      {"pasted-gbk.txt", gbk, Gb18030(kPasted), Gb18030(kPastedFixed), Gb18030(renumbered)},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const QString path = Write(c.name, c.before);
    const ProcessResult diff = RunQuillexCheck(c.encoding + QStringList{"--diff", path});
    EXPECT_EQ(diff.exitCode, 0);  // the fixed text has nothing left
    EXPECT_TRUE(diff.out.startsWith("--- " + path.toUtf8() + "\n+++ " + path.toUtf8() + "\n"));
    EXPECT_TRUE(diff.out.contains(c.diff)) << diff.out.constData();
    EXPECT_EQ(Contents(path), c.before);
    const ProcessResult fix = RunQuillexCheck(c.encoding + QStringList{"--fix", path});
    EXPECT_EQ(fix.exitCode, 0);
    EXPECT_TRUE(fix.err.contains("places fixed")) << fix.err.constData();
    EXPECT_EQ(Contents(path), c.after);
    EXPECT_EQ(RunQuillexCheck(c.encoding + QStringList{"--diff", path}).out, "");
  }
  // Standard input goes out fixed.
  EXPECT_EQ(RunQuillexCheck({QStringLiteral("--fix")}, kSlips).out, kSlipsFixed);
}

TEST(QuillexCheck, AFileThatCannotBeWrittenStaysAsItWas) {
  const QString path = Write("locked.txt", kSlips);
  // Read-only for everyone: refused even where the user could write it anyway.
  QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::ReadGroup);
  const ProcessResult fix = RunQuillexCheck({QStringLiteral("--fix"), path});
  EXPECT_EQ(fix.exitCode, 2);
  EXPECT_EQ(fix.err, "quillex-check: " + path.toUtf8() + ": cannot write: permission denied\n");
  EXPECT_EQ(Contents(path), kSlips);
  EXPECT_EQ(RunQuillexCheck({QStringLiteral("--fix"), QStringLiteral("--diff"), path}).exitCode, 2);
}

}  // namespace
