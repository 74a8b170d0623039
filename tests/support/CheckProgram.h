// quillex-check run as a process, for the tests of the command line and of Word documents.
#pragma once

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>

struct ProcessResult {
  int exitCode = -1;
  QByteArray out, err;
};

// quillex-check run with `args` in `folder` (the test's own when empty), `in` on its standard
// input, its standard output written to `outFile` when one is given.
inline ProcessResult RunQuillexCheck(const QStringList& args, const QByteArray& in = {},
                                     const QString& outFile = {}, const QString& folder = {}) {
  QProcess process;
  if (!outFile.isEmpty()) process.setStandardOutputFile(outFile);
  if (!folder.isEmpty()) process.setWorkingDirectory(folder);
  process.start(QStringLiteral(QUILLEX_CHECK_PATH), args);
  process.write(in);
  process.closeWriteChannel();
  EXPECT_TRUE(process.waitForFinished(120000));
  EXPECT_EQ(process.exitStatus(), QProcess::NormalExit) << "crashed";
  return {process.exitCode(), process.readAllStandardOutput(), process.readAllStandardError()};
}

inline QByteArray Contents(const QString& path) {
  QFile file(path);
  EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << qPrintable(path);
  return file.readAll();
}

inline const QString kDocxData = QStringLiteral(QUILLEX_TEST_DATA_DIR "/docx/");

// The Word fixtures that have a file ending in `suffix` beside them.
inline QStringList DocxFixtures(const QString& suffix) {
  QStringList names;
  for (const QString& file : QDir(kDocxData).entryList({u'*' + suffix})) {
    names << file.chopped(suffix.size());
  }
  return names;
}
