// quillex-check run as a real process: streams, encodings, line breaks and exit statuses.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStringDecoder>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <vector>

namespace {

struct ProcessResult {
  int exitCode = -1;
  QByteArray out;
  QByteArray err;
};

ProcessResult RunQuillexCheck(const QStringList& args, const QByteArray& in = {}) {
  QProcess process;
  process.start(QStringLiteral(QUILLEX_CHECK_PATH), args);
  EXPECT_TRUE(process.waitForStarted());
  process.write(in);
  process.closeWriteChannel();
  EXPECT_TRUE(process.waitForFinished(120000));
  EXPECT_EQ(process.exitStatus(), QProcess::NormalExit) << "crashed";
  return {process.exitCode(), process.readAllStandardOutput(), process.readAllStandardError()};
}

QByteArray Gb18030(const QByteArray& utf8) {
  QStringEncoder encoder("GB18030");
  return encoder.encode(QString::fromUtf8(utf8));
}

const QByteArray kWorkedExample =
    "权利要求书\n"
    "1. 一种杯子，其特征在于，包括杯体和杯盖。\n"
    "2. 根据权利要求1所述的杯子，其特征在于，所述手柄为陶瓷。\n"
    "4. 根据权利要求1或2所述的杯子，其特征在于，杯盖为圆形\n";

const QByteArray kWorkedReport =
    "分析完毕，找到1套、共3条权利要求\n"
    "其中存在问题的权利要求有 2条（见文中的★标记），问题共有 3处（见文中的【 】标记）\n"
    "\n"
    "----------第1套：----------\n"
    "[独权1][杯子] 1.一种杯子，其特征在于，包括杯体和杯盖。\n"
    "\n"
    "★[Err2-1][从权2][杯子][父1;] 2.根据权利要求1所述的杯子，其特征在于，【所述】手柄为陶瓷。\n"
    "\n"
    "★[Err2-2][从权4][杯子][父1;2;]【本权编号与前不连续|缺句号】 "
    "4.根据权利要求1或2所述的杯子，其特征在于，杯盖为圆形\n"
    "\n"
    "------------------\n"
    "最后一条权利要求结束\n";

// Characters outside GBK: a rare CJK character (U+20000) and an emoji (U+1F600).
const QByteArray kClean =
    "1.一种杯子，其特征在于，包括杯体和杯盖\xF0\xA0\x80\x80。\n"
    "2.根据权利要求1所述的杯子，其特征在于，所述杯体为陶瓷\xF0\x9F\x98\x80。\n";

const QByteArray kCongratulation = "恭喜 :-)\n\n未发现常见形式错误\n";
const QByteArray kNoClaimOne = "未找到权1 ?\n\n 请检查\n";

class QuillexCheckTest : public testing::Test {
 protected:
  QString Write(const QString& name, const QByteArray& bytes) {
    const QString path = dir.filePath(name);
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    return path;
  }

  QTemporaryDir dir;
};

TEST_F(QuillexCheckTest, WorkedExampleFromAFile) {
  const ProcessResult run = RunQuillexCheck({Write("claims.txt", kWorkedExample)});
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_EQ(run.out, kWorkedReport);
  EXPECT_EQ(run.err, "");
}

TEST_F(QuillexCheckTest, EveryLineBreakAndAByteOrderMarkGiveTheSameReport) {
  QByteArray crLf = kWorkedExample;
  QByteArray cr = kWorkedExample;
  QByteArray separators = kWorkedExample;
  const QByteArray inputs[] = {
      crLf.replace("\n", "\r\n"),
      cr.replace("\n", "\r"),
      separators.replace("\n", "\xE2\x80\xA9"),
      "\xEF\xBB\xBF" + kWorkedExample,
      "\n\n" + kWorkedExample + "\r\n\r\n",
  };
  for (const QByteArray& input : inputs) {
    const ProcessResult run = RunQuillexCheck({}, input);
    EXPECT_EQ(run.exitCode, 1) << input.toStdString();
    EXPECT_EQ(run.out, kWorkedReport) << input.toStdString();
  }
}

TEST_F(QuillexCheckTest, ExitStatusFollowsTheOutcome) {
  struct Case {
    QByteArray in;
    int exitCode;
    QByteArray outPart;
    QByteArray err;
  } const cases[] = {
      {kClean, 0, "杯盖\xF0\xA0\x80\x80。", kCongratulation},
      {kWorkedExample, 1, kWorkedReport, ""},
      {"hello , world\n", 2, "hello，world\n", kNoClaimOne},
      {"", 2, "", "quillex-check: standard input: no text to check\n"},
      {" \t\r\n\n【】", 2, "", "quillex-check: standard input: no text to check\n"},
  };
  for (const Case& c : cases) {
    const ProcessResult run = RunQuillexCheck({}, c.in);
    EXPECT_EQ(run.exitCode, c.exitCode) << c.in.toStdString();
    EXPECT_EQ(run.err, c.err) << c.in.toStdString();
    EXPECT_TRUE(run.out.contains(c.outPart)) << run.out.data();
    if (c.exitCode == 2) {
      EXPECT_EQ(run.out, c.outPart) << c.in.toStdString();
    }
  }
}

TEST_F(QuillexCheckTest, Gb18030IsReadAndWritten) {
  for (const char* name : {"gb18030", "gbk", "GBK"}) {
    const QStringList args = {QStringLiteral("--encoding"), QString::fromLatin1(name)};
    ProcessResult run = RunQuillexCheck(args, Gb18030(kWorkedExample));
    EXPECT_EQ(run.exitCode, 1) << name;
    EXPECT_EQ(run.out, Gb18030(kWorkedReport)) << name;

    run = RunQuillexCheck(args, Gb18030(kClean));
    EXPECT_EQ(run.exitCode, 0) << name;
    EXPECT_TRUE(run.out.contains(Gb18030("陶瓷\xF0\x9F\x98\x80。"))) << name;
    EXPECT_EQ(run.err, Gb18030(kCongratulation)) << name;

    run = RunQuillexCheck(args, Gb18030("hello"));
    EXPECT_EQ(run.err, Gb18030(kNoClaimOne)) << name;
  }
}

TEST_F(QuillexCheckTest, BadInputGetsOneLineNamingItAndNoOutput) {
  QFile large(Write("large.txt", ""));
  ASSERT_TRUE(large.resize((qint64{1} << 30) + 1));  // sparse: nothing is written
  struct Case {
    QString path;
    QStringList options;
    std::vector<QByteArray> errParts;
  } const cases[] = {
      {dir.filePath("missing.txt"), {}, {"No such file"}},
      {dir.path(), {}, {"directory"}},
      {Write("bad.txt", "1.\xE4\xB8\x80\xFF"), {}, {"UTF-8", "offset 5", "--encoding gb18030"}},
      {Write("gbk.txt", Gb18030(kWorkedExample)), {}, {"UTF-8", "offset 2", "gb18030"}},
      {Write("bad-gb.txt", "1.\xD2\xBB\x80"), {"--encoding", "gb18030"}, {"GB18030", "offset 4"}},
      {large.fileName(), {}, {"too large"}},
  };
  for (const Case& c : cases) {
    const ProcessResult run = RunQuillexCheck(c.options + QStringList{c.path});
    EXPECT_EQ(run.exitCode, 2) << c.path.toStdString();
    EXPECT_EQ(run.out, "") << c.path.toStdString();
    EXPECT_TRUE(run.err.startsWith("quillex-check: " + c.path.toUtf8() + ": ")) << run.err.data();
    EXPECT_EQ(run.err.count('\n'), 1) << run.err.data();
    for (const QByteArray& part : c.errParts) EXPECT_TRUE(run.err.contains(part)) << run.err.data();
  }
}

TEST_F(QuillexCheckTest, SeveralFilesEachGetAHeaderAndTheWorstStatusCounts) {
  const QString worked = Write("worked.txt", kWorkedExample);
  const QString clean = Write("clean.txt", kClean);
  const QString missing = dir.filePath("missing.txt");

  ProcessResult run = RunQuillexCheck({clean, worked});
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_TRUE(run.out.startsWith("==> " + clean.toUtf8() + " <==\n分析完毕"));
  EXPECT_TRUE(run.out.endsWith("==> " + worked.toUtf8() + " <==\n" + kWorkedReport));
  EXPECT_EQ(run.err, kCongratulation);

  run = RunQuillexCheck({worked, missing, QStringLiteral("-")}, kClean);
  EXPECT_EQ(run.exitCode, 2);
  EXPECT_FALSE(run.out.contains(missing.toUtf8()));
  EXPECT_TRUE(run.out.contains(kWorkedReport + "==> standard input <==\n分析完毕"));
  EXPECT_TRUE(run.err.startsWith("quillex-check: " + missing.toUtf8()));
  EXPECT_TRUE(run.err.endsWith(kCongratulation));
}

TEST_F(QuillexCheckTest, OptionsAndUsageErrors) {
  struct Case {
    QStringList args;
    int exitCode;
    QByteArray outPart;
    QByteArray errPart;
  } const cases[] = {
      {{"--version"}, 0, "quillex-check 1.", ""},
      {{"--help"}, 0, "--encoding", ""},
      {{"--bogus"}, 2, "", "bogus"},
      {{"--encoding", "latin1"}, 2, "", "latin1"},
      {{"--encoding"}, 2, "", "encoding"},
  };
  for (const Case& c : cases) {
    const ProcessResult run = RunQuillexCheck(c.args, kClean);
    EXPECT_EQ(run.exitCode, c.exitCode) << c.args.join(' ').toStdString();
    EXPECT_TRUE(run.out.contains(c.outPart)) << run.out.data();
    EXPECT_TRUE(run.err.contains(c.errPart)) << run.err.data();
    if (c.exitCode != 0) {
      EXPECT_EQ(run.out, "");
    }
  }
}

TEST_F(QuillexCheckTest, AnOutputThatCannotBeWrittenIsAnError) {
  QProcess process;
  process.setStandardOutputFile(QStringLiteral("/dev/full"));
  process.start(QStringLiteral(QUILLEX_CHECK_PATH), {Write("claims.txt", kClean)});
  ASSERT_TRUE(process.waitForFinished(120000));
  EXPECT_EQ(process.exitCode(), 2);
  EXPECT_TRUE(process.readAllStandardError().contains("cannot write"));
}

// What the check does to a line of the text before it looks at it.
QString Normalized(QString line) {
  line.remove(QRegularExpression(QStringLiteral("[ \\t【】\\r]")));
  return line.replace(u',', u'，')
      .replace(u':', u'：')
      .replace(u'．', u'.')
      .replace(u'（', u'(')
      .replace(u'）', u')');
}

TEST(QuillexCheckCorpus, EveryClaimParagraphReachesTheReport) {
  const QDir corpus(QStringLiteral(QUILLEX_CORPUS_DIR));
  const QStringList names = corpus.entryList({QStringLiteral("*.txt")}, QDir::Files);
  if (names.isEmpty()) GTEST_SKIP() << "no claims texts in " << QUILLEX_CORPUS_DIR;
  const QRegularExpression claimOne(QStringLiteral("^1[.、]\\p{Han}"));
  for (const QString& name : names) {
    QFile file(corpus.filePath(name));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const ProcessResult run = RunQuillexCheck({file.fileName()});
    ASSERT_TRUE(run.exitCode == 0 || run.exitCode == 1) << name.toStdString();
    const QString report = QString::fromUtf8(run.out).remove(u'【').remove(u'】');
    bool inClaims = false;
    for (const QByteArray& raw : file.readAll().split('\n')) {
      const QString line = Normalized(QString::fromUtf8(raw));
      inClaims = inClaims || claimOne.match(line).hasMatch();
      if (inClaims && !line.isEmpty()) {
        EXPECT_TRUE(report.contains(line)) << name.toStdString() << ": " << line.toStdString();
      }
    }
    EXPECT_TRUE(inClaims) << name.toStdString() << " has no claim 1";
  }
}

}  // namespace
