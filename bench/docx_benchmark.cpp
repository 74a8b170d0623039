// A Word document of a thousand claims read and checked as quillex-check does it: the package
// unpacked, the body read, the claims section checked with the further checks and its findings
// placed in the document; and read and reviewed as `quillex-check --annotate` does it, its
// reviewed copy written.
#include <benchmark/benchmark.h>

#include <QRandomGenerator>
#include <QStringList>
#include <QXmlStreamWriter>

#include "BenchInputs.h"
#include "CheckCommand.h"
#include "ClaimsCodec.h"
#include "ClaimsGenerator.h"
#include "DocxReader.h"
#include "ReviewedCopy.h"

namespace {

constexpr char kWord[] = "http://schemas.openxmlformats.org/wordprocessingml/2006/main";

// Each paragraph cut into runs of a few characters with their own formatting, as Word leaves a
// text that was edited over many sessions.
QByteArray DocumentXml(const QStringList& paragraphs) {
  QByteArray xml;
  QXmlStreamWriter writer(&xml);
  writer.writeStartDocument(QStringLiteral("1.0"), true);
  writer.writeNamespace(QLatin1String(kWord), QStringLiteral("w"));
  writer.writeStartElement(QLatin1String(kWord), QStringLiteral("document"));
  writer.writeStartElement(QLatin1String(kWord), QStringLiteral("body"));
  for (const QString& paragraph : paragraphs) {
    writer.writeStartElement(QLatin1String(kWord), QStringLiteral("p"));
    for (qsizetype at = 0; at < paragraph.size(); at += 6) {
      writer.writeStartElement(QLatin1String(kWord), QStringLiteral("r"));
      writer.writeStartElement(QLatin1String(kWord), QStringLiteral("rPr"));
      writer.writeEmptyElement(QLatin1String(kWord), QStringLiteral("rFonts"));
      writer.writeAttribute(QLatin1String(kWord), QStringLiteral("hint"), QStringLiteral("eastAsia"));
      writer.writeEmptyElement(QLatin1String(kWord), QStringLiteral("sz"));
      writer.writeAttribute(QLatin1String(kWord), QStringLiteral("val"), QString::number(24 + at % 4));
      writer.writeEndElement();
      writer.writeTextElement(QLatin1String(kWord), QStringLiteral("t"), paragraph.mid(at, 6));
      writer.writeEndElement();
    }
    writer.writeEndElement();
  }
  writer.writeEndDocument();
  return xml;
}

// 1,000 claims of real applications, and a figure's worth of bytes that do not pack, so that the
// file is 5 MB as such a document with its drawings is.
const QByteArray& ThousandClaimsDocx() {
  static const QByteArray bytes = [] {
    QStringList paragraphs{QStringLiteral("权利要求书")};
    const QString claims =
        QString::fromUtf8(GenerateClaims(Family::kRealistic, 400 << 10, BenchCorpus()));
    for (const QString& line : claims.split(u'\n', Qt::SkipEmptyParts)) {
      if (paragraphs.size() > 1000) break;
      paragraphs << line;
    }
    QByteArray figure(4980 << 10, '\0');
    QRandomGenerator generator(20);
    generator.fillRange(reinterpret_cast<quint32*>(figure.data()), figure.size() / 4);
    DocxPackage package;
    package.entries.push_back({QStringLiteral("[Content_Types].xml"),
                               "<?xml version=\"1.0\"?><Types xmlns=\"http://schemas.openxmlformats"
                               ".org/package/2006/content-types\"/>", 0});
    package.entries.push_back({QStringLiteral("word/document.xml"), DocumentXml(paragraphs), 0});
    package.entries.push_back({QStringLiteral("word/media/image1.png"), figure, 0});
    QString error;
    return WritePackage(package, &error);
  }();
  return bytes;
}

void ReadAndCheckDocx(benchmark::State& state) {
  const QByteArray& bytes = ThousandClaimsDocx();
  for (auto _ : state) {
    const DocxDocument document = ReadDocx(bytes, QStringLiteral("claims.docx"));
    CheckOutcome outcome = RunCheck(ToEngineText(document.claimsText), {true}, kPlacesInUserText);
    PlaceInDocument(outcome.result, document);
    benchmark::DoNotOptimize(outcome.result.claims.data());
  }
  state.counters["MB"] = static_cast<double>(bytes.size()) / (1 << 20);
}

void ReadAndReviewDocx(benchmark::State& state) {
  const QByteArray& bytes = ThousandClaimsDocx();
  int comments = 0;
  for (auto _ : state) {
    const DocxDocument document = ReadDocx(bytes, QStringLiteral("claims.docx"));
    const ReviewedCopy copy = ReviewDocument(document, true, QDateTime::fromSecsSinceEpoch(0));
    comments = copy.comments;
    benchmark::DoNotOptimize(copy.bytes.data());
  }
  state.counters["MB"] = static_cast<double>(bytes.size()) / (1 << 20);
  state.counters["comments"] = comments;
}

}  // namespace

BENCHMARK(ReadAndCheckDocx)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(ReadAndReviewDocx)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK_MAIN();
