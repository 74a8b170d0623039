#include "support/ReviewedCopyReading.h"

#include <QXmlStreamReader>
#include <map>

#include "DocxReader.h"
#include "DocxXml.h"
#include "PartSplice.h"
#include "ReviewedCopy.h"

namespace {

bool Ours(const QXmlStreamReader& reader) {
  return docx::Attribute(reader, u"author") == QLatin1String(kReviewAuthor);
}

// Walks the main part: the words under each comment of ours, our changes, and the part with our
// changes rejected (our insertions cut out, our deletions unwrapped, their w:delText made w:t).
class BodyWalk {
 public:
  explicit BodyWalk(const QByteArray& xml) : m_xml(QString::fromUtf8(xml)), m_reader(m_xml) {}

  void Run(const std::map<QString, QString>& ourComments) {
    while (!m_reader.atEnd()) {
      const QXmlStreamReader::TokenType token = m_reader.readNext();
      if (token == QXmlStreamReader::StartElement) Start(ourComments);
      if (token == QXmlStreamReader::EndElement) End();
      if (token == QXmlStreamReader::Characters && m_inText) Text(m_reader.text().toString());
    }
  }

  QString Rejected() const { return Spliced(m_xml, m_splices); }

  std::map<QString, QString> anchored;  // comment id → words
  std::vector<ReviewEntry> changes;

 private:
  qsizetype Offset() const { return m_reader.characterOffset(); }
  qsizetype TagStart() const { return m_xml.lastIndexOf(u'<', Offset() - 1); }

  void Start(const std::map<QString, QString>& ourComments) {
    if (!docx::IsWordNamespace(m_reader.namespaceUri())) return;
    const QStringView name = m_reader.name();
    const QString id = docx::Attribute(m_reader, u"id");
    if (name == u"commentRangeStart" && ourComments.count(id)) m_open[id];
    if (name == u"commentRangeEnd" && m_open.count(id)) {
      anchored[id] = m_open[id];
      m_open.erase(id);
    }
    if (name == u"ins" && Ours(m_reader)) {
      const qsizetype start = TagStart();
      const QString inserted = m_reader.readElementText(QXmlStreamReader::IncludeChildElements);
      m_splices.push_back({start, Offset(), {}});
      if (m_mergeInsertion) {
        changes.back().second = inserted;
      } else {
        changes.push_back({QStringLiteral("change"), {}, inserted});
      }
      m_mergeInsertion = false;
      return;
    }
    m_mergeInsertion = false;
    if (name == u"del" && Ours(m_reader)) {
      m_splices.push_back({TagStart(), Offset(), {}});
      m_inDeletion = true;
      changes.push_back({QStringLiteral("change"), {}, {}});
    }
    if (name == u"delText" && m_inDeletion) RenameTag();
    // Deleted text is w:delText: a w:t inside a deletion would show, and is no text of it.
    m_inText = m_inDeletion ? name == u"delText" : name == u"t";
  }

  void End() {
    if (!docx::IsWordNamespace(m_reader.namespaceUri())) return;
    const QStringView name = m_reader.name();
    m_inText = false;
    if (name == u"delText" && m_inDeletion) RenameTag();
    if (name == u"del" && m_inDeletion) {
      m_splices.push_back({TagStart(), Offset(), {}});
      m_inDeletion = false;
      m_mergeInsertion = true;
    }
  }

  // The tag just read, a w:delText's, as a w:t's.
  void RenameTag() {
    const qsizetype start = TagStart();
    QString tag = m_xml.mid(start, Offset() - start);
    m_splices.push_back({start, Offset(), tag.replace(QStringLiteral("delText"), QStringLiteral("t"))});
  }

  void Text(const QString& text) {
    for (auto& [id, words] : m_open) words += text;
    if (m_inDeletion) changes.back().first += text;
  }

  QString m_xml;
  QXmlStreamReader m_reader;
  std::vector<Splice> m_splices;
  std::map<QString, QString> m_open;  // our comments open at the walk
  bool m_inText = false;
  bool m_inDeletion = false;
  bool m_mergeInsertion = false;  // our deletion just ended: an insertion of ours joins it
};

}  // namespace

ReviewReading ReadReviewedCopy(QByteArrayView bytes) {
  ReviewReading reading;
  DocxDocument document = ReadDocx(bytes, QStringLiteral("copy.docx"));
  if (!document.error.isEmpty()) {
    reading.error = document.error;
    return reading;
  }
  // Our comments, in the part's order.
  std::vector<std::pair<QString, QString>> ours;
  std::map<QString, QString> ourTexts;
  const QString folder = document.mainPart.left(document.mainPart.lastIndexOf(u'/') + 1);
  if (const DocxEntry* comments = document.package.Find(folder + QStringLiteral("comments.xml"))) {
    QXmlStreamReader reader(comments->data);
    while (!reader.atEnd()) {
      if (reader.readNext() != QXmlStreamReader::StartElement || !docx::IsElement(reader, u"comment")) continue;
      const bool mine = Ours(reader);
      const QString id = docx::Attribute(reader, u"id");
      QString text = reader.readElementText(QXmlStreamReader::IncludeChildElements);
      if (!mine) {
        ++reading.otherComments;
        continue;
      }
      ours.emplace_back(id, text);
      ourTexts[id] = text;
    }
    if (reader.hasError()) reading.error = reader.errorString();
  }
  DocxEntry* main = document.package.Find(document.mainPart);
  BodyWalk walk(main->data);
  walk.Run(ourTexts);
  for (const auto& [id, text] : ours) {
    reading.entries.push_back({QStringLiteral("comment"), walk.anchored[id], text});
  }
  reading.entries.insert(reading.entries.end(), walk.changes.begin(), walk.changes.end());
  main->SetData(walk.Rejected().toUtf8());
  const QByteArray rejected = WritePackage(document.package, &reading.error);
  reading.rejectedText = ReadDocx(rejected, QStringLiteral("copy.docx")).claimsText;
  return reading;
}
