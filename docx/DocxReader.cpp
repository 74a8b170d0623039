#include "DocxReader.h"

#include <QXmlStreamReader>
#include <set>

#include "DocxNumbering.h"
#include "ClaimsCodec.h"
#include "DocxXml.h"
#include "report/DocumentTexts.h"
#include "result/AnalysisResult.h"

namespace {


// The main document part, as the package's relationships name it.
QString MainPartOf(const DocxPackage& package) {
  QString main = QStringLiteral("word/document.xml");
  const DocxEntry* rels = package.Find(QStringLiteral("_rels/.rels"));
  if (!rels) return main;
  QXmlStreamReader reader(rels->data);
  while (!reader.atEnd()) {
    if (reader.readNext() != QXmlStreamReader::StartElement || reader.name() != u"Relationship") {
      continue;
    }
    const QXmlStreamAttributes attributes = reader.attributes();
    if (attributes.value(QLatin1String("Type")).endsWith(u"/officeDocument")) {
      main = attributes.value(QLatin1String("Target")).toString();
      if (main.startsWith(u'/')) main.remove(0, 1);
    }
  }
  return main;
}

QString WithoutBlanks(const QString& text) {
  QString bare;
  for (QChar c : text) {
    if (!c.isSpace() && c != u'\u3000' && c != u'\uFEFF') bare += c;
  }
  return bare;
}

// Whether the paragraph `bare` (without its blanks) is the heading of a part after the claims.
bool EndsClaims(const QString& bare) {
  static const QStringList headings = [] {
    QStringList all;
    for (std::string_view heading : kOtherPartHeadings) all << FromEngineText(heading);
    return all;
  }();
  return headings.contains(bare);
}

// The claims section: after the first "权利要求书" heading, up to the next part's heading;
// without such a heading, the whole body.
void FindClaimsSection(DocxDocument& document) {
  const std::vector<DocxParagraph>& paragraphs = document.body.paragraphs;
  const int count = static_cast<int>(paragraphs.size());
  document.firstParagraph = 0;
  document.endParagraph = count;
  const QString claimsHeading = FromEngineText(kClaimsHeading);
  for (int i = 0; i < count; ++i) {
    if (WithoutBlanks(paragraphs[i].text) != claimsHeading) continue;
    int end = i + 1;
    while (end < count && !EndsClaims(WithoutBlanks(paragraphs[end].text))) ++end;
    document.firstParagraph = i + 1;
    document.endParagraph = end;
    return;
  }
}

void MakeClaimsText(DocxDocument& document) {
  for (int i = document.firstParagraph; i < document.endParagraph; ++i) {
    const QString& text = document.body.paragraphs[i].text;
    document.lines.push_back({i, 0});
    for (qsizetype at = text.indexOf(u'\n'); at >= 0; at = text.indexOf(u'\n', at + 1)) {
      document.lines.push_back({i, at + 1});
    }
    document.claimsText += text;
    document.claimsText += u'\n';
  }
}

TextPlace DocumentPlace(const DocxDocument& document, TextPlace place) {
  const LineOrigin origin = OriginOf(document, place.line, place.column);
  if (origin.paragraph < 0) return place;
  const QString& text = document.body.paragraphs[origin.paragraph].text;
  const QStringView before = QStringView(text).left(origin.column);
  return {origin.paragraph + 1, static_cast<int32_t>(before.toUcs4().size()) + 1};
}

}  // namespace

DocxDocument ReadDocx(QByteArrayView bytes, const QString& fileName) {
  DocxDocument document;
  PackageReading reading = ReadPackage(bytes, fileName);
  if (!reading.error.isEmpty()) {
    document.error = reading.error;
    return document;
  }
  document.package = std::move(reading.package);
  document.mainPart = MainPartOf(document.package);
  const DocxEntry* main = document.package.Find(document.mainPart);
  if (!main) {
    document.error = FromEngineText(kRefusedNoBody).arg(document.mainPart);
    return document;
  }
  const QString folder = document.mainPart.left(document.mainPart.lastIndexOf(u'/') + 1);
  auto part = [&](const char* name) {
    const DocxEntry* entry = document.package.Find(folder + QLatin1String(name));
    return entry ? entry->data : QByteArray();
  };
  DocxNumbering numbering;
  document.error = numbering.Read(part("numbering.xml"), part("styles.xml"));
  if (!document.error.isEmpty()) return document;
  document.body = ReadBody(main->data, document.mainPart, numbering);
  document.error = document.body.error;
  if (!document.error.isEmpty()) return document;
  FindClaimsSection(document);
  MakeClaimsText(document);
  return document;
}

LineOrigin OriginOf(const DocxDocument& document, int line, int column) {
  if (line < 1 || line > static_cast<int>(document.lines.size()) || column < 1) return {-1, 0};
  LineOrigin origin = document.lines[line - 1];
  const QString& text = document.body.paragraphs[origin.paragraph].text;
  for (int i = 1; i < column && origin.column < text.size(); ++i) {
    origin.column += text[origin.column].isHighSurrogate() ? 2 : 1;
  }
  return origin;
}

void PlaceInDocument(AnalysisResult& result, const DocxDocument& document) {
  std::set<const Fix*> moved;  // a fix shared by several findings is moved once
  for (ClaimResult& claim : result.claims) {
    claim.place = DocumentPlace(document, claim.place);
    for (Finding& finding : claim.findings) {
      finding.place = DocumentPlace(document, finding.place);
      if (!finding.fix || !moved.insert(finding.fix.get()).second) continue;
      for (FixEdit& edit : finding.fix->edits) edit.place = DocumentPlace(document, edit.place);
    }
  }
}
