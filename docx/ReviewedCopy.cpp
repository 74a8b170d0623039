#include "ReviewedCopy.h"

#include <QSaveFile>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>
#include <algorithm>
#include <map>
#include <set>

#include "CheckCommand.h"
#include "ClaimsCodec.h"
#include "DocxXml.h"
#include "PartSplice.h"
#include "report/DocumentTexts.h"

using namespace Qt::StringLiterals;

namespace {

constexpr QLatin1StringView kWordNamespace(
    "http://schemas.openxmlformats.org/wordprocessingml/2006/main");
constexpr QLatin1StringView kCommentsRelationship(
    "http://schemas.openxmlformats.org/officeDocument/2006/relationships/comments");
constexpr QLatin1StringView kCommentsContentType(
    "application/vnd.openxmlformats-officedocument.wordprocessingml.comments+xml");
constexpr QLatin1StringView kRelationshipsNamespace(
    "http://schemas.openxmlformats.org/package/2006/relationships");
constexpr QLatin1StringView kXmlHead(
    "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\r\n");

// `length` code points from `from` in `text`, or -1 when the text ends first.
qsizetype Advance(const QString& text, qsizetype from, int length) {
  for (int i = 0; i < length; ++i) {
    if (from >= text.size()) return -1;
    from += text[from].isHighSurrogate() && from + 1 < text.size() ? 2 : 1;
  }
  return from;
}

// A span of one paragraph's text, in UTF-16 offsets; `end` -1 when it runs past the paragraph.
struct Anchor {
  int paragraph = -1;
  qsizetype start = 0;
  qsizetype end = 0;
};

Anchor AnchorOf(const DocxDocument& document, TextPlace place, int32_t length) {
  const LineOrigin origin = OriginOf(document, place.line, place.column);
  if (origin.paragraph < 0) return {};
  const QString& text = document.body.paragraphs[origin.paragraph].text;
  return {origin.paragraph, origin.column, Advance(text, origin.column, length)};
}

struct CommentMark {
  qsizetype start = 0;
  qsizetype end = 0;
  int id = 0;
};

struct ChangeMark {
  qsizetype start = 0;
  qsizetype end = 0;
  QString text;
  int deletionId = 0;
  int insertionId = 0;
  int run = -1;             // for an insertion alone: the run it goes into
  bool afterRun = false;    // … after that run rather than before its character at `start`
};

struct ParagraphMarks {
  std::vector<CommentMark> comments;
  std::vector<ChangeMark> changes;
};

// The qualified name of the root element of `xml`, and its end tag's start (or, for a root that
// closes itself, its "/>"), so that children can be added at its end; -1 when it is not XML.
struct RootEnd {
  QString name;
  qsizetype at = -1;
  bool selfClosing = false;
};

RootEnd RootEndOf(const QString& xml) {
  QXmlStreamReader reader(xml);
  RootEnd root;
  while (!reader.atEnd()) {
    if (reader.readNext() == QXmlStreamReader::StartElement && root.name.isEmpty()) {
      root.name = reader.qualifiedName().toString();
    }
  }
  if (reader.hasError() || root.name.isEmpty()) return {};
  root.at = xml.lastIndexOf(u'<');
  root.selfClosing = !QStringView(xml).mid(root.at).startsWith(u"</");
  if (root.selfClosing) root.at = xml.lastIndexOf(QStringLiteral("/>"));
  return root;
}

// `xml` with `children` added at the end of its root element.
QString WithChildren(const QString& xml, const QString& children) {
  const RootEnd root = RootEndOf(xml);
  if (root.at < 0) return {};
  if (!root.selfClosing) return QString(xml).insert(root.at, children);
  return QString(xml).replace(root.at, 2, u'>' + children + QStringLiteral("</") + root.name + u'>');
}

// The prefix `xml` binds to the Word namespace on its root, or "w" declared anew when it binds none.
struct WordPrefix {
  QString prefix = QStringLiteral("w");
  bool declared = false;
};

WordPrefix WordPrefixOf(const QString& xml) {
  QXmlStreamReader reader(xml);
  while (!reader.atEnd() && reader.readNext() != QXmlStreamReader::StartElement) {
  }
  for (const QXmlStreamNamespaceDeclaration& declaration : reader.namespaceDeclarations()) {
    if (docx::IsWordNamespace(declaration.namespaceUri())) {
      return {declaration.prefix().toString(), true};
    }
  }
  return {};
}

QString Qualified(const QString& prefix, QLatin1StringView name) {
  return prefix.isEmpty() ? QString(name) : prefix + u':' + name;
}

// The largest w:id of the Word elements of `xml`, or -1; `error` set when it is not XML.
int LargestIdIn(const QByteArray& xml, QString* error, const QString& part) {
  QXmlStreamReader reader(xml);
  int largest = -1;
  while (!reader.atEnd()) {
    if (reader.readNext() != QXmlStreamReader::StartElement) continue;
    bool ok = false;
    const int id = docx::Attribute(reader, u"id").toInt(&ok);
    if (ok) largest = std::max(largest, id);
  }
  if (reader.hasError()) *error = docx::XmlError(part);
  return largest;
}

// Writes the main document part again with the plan's marks spliced in.
class BodyMarker {
 public:
  BodyMarker(const DocxDocument& document, const QString& date)
      : m_document(document), m_body(document.body), m_date(date) {
    m_firstRun.assign(m_body.paragraphs.size() + 1, static_cast<int>(m_body.runs.size()));
    for (int r = static_cast<int>(m_body.runs.size()) - 1; r >= 0; --r) {
      m_firstRun[m_body.runs[r].paragraph] = r;
    }
    for (int p = static_cast<int>(m_body.paragraphs.size()) - 1; p >= 0; --p) {
      m_firstRun[p] = std::min(m_firstRun[p], m_firstRun[p + 1]);
    }
  }

  // Anchors a comment of the plan with `id`; false where none can stand.
  bool AddComment(const ReviewComment& comment, int id) {
    const Anchor anchor = AnchorOf(m_document, comment.place, comment.length);
    if (anchor.paragraph < 0) return false;
    const DocxParagraph& paragraph = m_body.paragraphs[anchor.paragraph];
    const qsizetype size = paragraph.text.size();
    if (size <= paragraph.numberLength) return false;  // no run to anchor on
    const qsizetype start = std::clamp(anchor.start, paragraph.numberLength, size - 1);
    const qsizetype end = std::clamp(anchor.end < 0 ? size : anchor.end, start + 1, size);
    m_marks[anchor.paragraph].comments.push_back({start, end, id});
    return true;
  }

  // Places a change of the plan where Word can hold it; false where it cannot.
  bool AddChange(const ReviewChange& change, int deletionId, int insertionId) {
    const Anchor anchor = AnchorOf(m_document, change.place, change.length);
    if (anchor.paragraph < 0 || anchor.end < 0) return false;
    if (anchor.start < m_body.paragraphs[anchor.paragraph].numberLength) return false;
    ChangeMark mark{anchor.start, anchor.end, FromEngineText(change.text), deletionId,
                    insertionId};
    if (mark.start == mark.end ? !PlaceInsertion(anchor.paragraph, mark)
                               : !Deletable(anchor.paragraph, mark.start, mark.end)) {
      return false;
    }
    m_marks[anchor.paragraph].changes.push_back(std::move(mark));
    return true;
  }

  QString Write() {
    std::vector<Splice> splices;
    for (auto& [paragraph, marks] : m_marks) MarkParagraph(paragraph, marks, splices);
    return Spliced(m_body.xml, std::move(splices));
  }

 private:
  QString W(QLatin1StringView name) const { return Qualified(m_body.prefix, name); }

  std::pair<int, int> RunsOf(int paragraph) const {
    return {m_firstRun[paragraph], m_firstRun[paragraph + 1]};
  }

  qsizetype EndOf(const DocxRun& run) const { return run.column + run.length; }

  // Whether the XML between two runs holds only elements that close themselves (bookmarks,
  // proofing marks, comment ranges), so that a w:del may wrap both.
  bool Siblings(const DocxRun& first, const DocxRun& second) const {
    const QStringView between = QStringView(m_body.xml).mid(first.end, second.start - first.end);
    for (qsizetype at = between.indexOf(u'<'); at >= 0; at = between.indexOf(u'<', at + 1)) {
      const qsizetype close = between.indexOf(u'>', at);
      if (close < 0 || between[close - 1] != u'/' || between.mid(at + 1).startsWith(u'/')) {
        return false;
      }
    }
    return true;
  }

  bool Deletable(int paragraph, qsizetype start, qsizetype end) const {
    const auto [first, last] = RunsOf(paragraph);
    const DocxRun* previous = nullptr;
    for (int r = first; r < last; ++r) {
      const DocxRun& run = m_body.runs[r];
      if (EndOf(run) <= start || run.column >= end) continue;
      if (!run.editable || (previous && !Siblings(*previous, run))) return false;
      previous = &run;
    }
    return previous != nullptr;
  }

  // An insertion goes after the run it follows, as typing there would, or else into the run of
  // the character it precedes.
  bool PlaceInsertion(int paragraph, ChangeMark& mark) const {
    const auto [first, last] = RunsOf(paragraph);
    for (int r = first; r < last; ++r) {
      const DocxRun& run = m_body.runs[r];
      if (run.editable && EndOf(run) == mark.start) {
        mark.run = r;
        mark.afterRun = true;
        return true;
      }
    }
    for (int r = first; r < last; ++r) {
      const DocxRun& run = m_body.runs[r];
      if (run.editable && run.column <= mark.start && mark.start < EndOf(run)) {
        mark.run = r;
        return true;
      }
    }
    return false;
  }

  // A comment's start or end inside a deletion moves to the deletion's bounds, so that its
  // reference is never deleted with the text.
  static void KeepCommentsOutOfDeletions(ParagraphMarks& marks) {
    for (const ChangeMark& change : marks.changes) {
      for (CommentMark& comment : marks.comments) {
        if (change.start < comment.start && comment.start < change.end) comment.start = change.start;
        if (change.start < comment.end && comment.end < change.end) comment.end = change.end;
      }
    }
  }

  QString Insertion(const ChangeMark& change, const DocxRun& run) const {
    return QStringLiteral("<%1 %2=\"%3\" %4=\"%5\" %6=\"%7\"><%8>%9<%10 xml:space=\"preserve\">%11</%10></%8></%1>")
        .arg(W("ins"_L1), W("id"_L1), QString::number(change.insertionId), W("author"_L1),
             QLatin1String(kReviewAuthor), W("date"_L1), m_date, W("r"_L1), run.properties,
             W("t"_L1), change.text.toHtmlEscaped());
  }

  // What goes after the piece of `run` that ends at `at`: the end of a deletion and its new text,
  // an insertion that follows the run.
  QString After(const ParagraphMarks& marks, qsizetype at, int run) const {
    QString out;
    for (const ChangeMark& change : marks.changes) {
      if (change.start < change.end && change.end == at) {
        out += QStringLiteral("</") + W("del"_L1) + u'>';
        if (!change.text.isEmpty()) out += Insertion(change, m_body.runs[run]);
      }
      if (change.start == change.end && change.start == at && change.run == run &&
          change.afterRun) {
        out += Insertion(change, m_body.runs[run]);
      }
    }
    return out;
  }

  // What goes before the piece of `run` that starts at `at`: an insertion into the run, the
  // comments ending and starting there, the start of a deletion.
  QString Before(const ParagraphMarks& marks, qsizetype at, int run) const {
    QString out;
    for (const ChangeMark& change : marks.changes) {
      if (change.start == change.end && change.start == at && change.run == run &&
          !change.afterRun) {
        out += Insertion(change, m_body.runs[run]);
      }
    }
    for (const CommentMark& comment : marks.comments) {
      if (comment.end != at) continue;
      out += QStringLiteral("<%1 %2=\"%3\"/><%4><%5 %2=\"%3\"/></%4>")
                 .arg(W("commentRangeEnd"_L1), W("id"_L1), QString::number(comment.id),
                      W("r"_L1), W("commentReference"_L1));
    }
    for (const CommentMark& comment : marks.comments) {
      if (comment.start != at) continue;
      out += QStringLiteral("<%1 %2=\"%3\"/>")
                 .arg(W("commentRangeStart"_L1), W("id"_L1), QString::number(comment.id));
    }
    for (const ChangeMark& change : marks.changes) {
      if (change.start < change.end && change.start == at) {
        out += QStringLiteral("<%1 %2=\"%3\" %4=\"%5\" %6=\"%7\">")
                   .arg(W("del"_L1), W("id"_L1), QString::number(change.deletionId),
                        W("author"_L1), QLatin1String(kReviewAuthor), W("date"_L1), m_date);
      }
    }
    return out;
  }

  static bool Deleted(const ParagraphMarks& marks, qsizetype start, qsizetype end) {
    return std::any_of(marks.changes.begin(), marks.changes.end(), [&](const ChangeMark& change) {
      return change.start <= start && end <= change.end && change.start < change.end;
    });
  }

  // A run cut into pieces at the marks inside it: where each starts (and the run's end last),
  // and whether each is deleted.
  struct Pieces {
    std::vector<qsizetype> bounds;
    std::vector<bool> deleted;

    // The piece that holds an element without characters standing before the character
    // `column`: the one that starts there, or the one that ends there when that one is kept and
    // this one deleted, so that nothing but text is deleted at a deletion's edge.
    size_t Holding(qsizetype column) const {
      size_t piece = 0;
      while (piece + 2 < bounds.size() && bounds[piece + 1] <= column) ++piece;
      if (piece > 0 && bounds[piece] == column && deleted[piece] && !deleted[piece - 1]) --piece;
      return piece;
    }
  };

  // Piece `piece` of `run` as a run of its own, with the run's tag and formatting: its text
  // elements cut to its characters (w:delText when deleted), the run's other elements where
  // Holding puts them.
  QString Piece(const DocxRun& run, const Pieces& pieces, size_t piece) const {
    const QString& xml = m_body.xml;
    const qsizetype start = pieces.bounds[piece];
    const qsizetype end = pieces.bounds[piece + 1];
    const bool deleted = pieces.deleted[piece];
    const qsizetype openEnd = xml.indexOf(u'>', run.start) + 1;
    qsizetype from = openEnd;
    if (!run.properties.isEmpty()) {
      const qsizetype properties = xml.indexOf(run.properties, openEnd);
      if (properties >= 0) from = properties + run.properties.size();
    }
    QString out = xml.mid(run.start, openEnd - run.start) + run.properties;
    auto verbatim = [&](qsizetype begin, qsizetype stop) { out += QStringView(xml).mid(begin, stop - begin); };
    for (const RunChild& child : run.children) {
      const bool holds = pieces.Holding(child.column) == piece;
      if (holds) verbatim(from, child.start);  // what stands between the run's elements
      from = child.end;
      const qsizetype length = child.text.size();
      if (length == 0) {
        if (holds) verbatim(child.start, child.end);
        continue;
      }
      const qsizetype first = std::max(start, child.column);
      const qsizetype last = std::min(end, child.column + length);
      if (first >= last) continue;
      if (!child.isText || (first == child.column && last == child.column + length && !deleted)) {
        verbatim(child.start, child.end);
        continue;
      }
      out += QStringLiteral("<%1 xml:space=\"preserve\">%2</%1>")
                 .arg(W(deleted ? "delText"_L1 : "t"_L1),
                      child.text.mid(first - child.column, last - first).toHtmlEscaped());
    }
    const qsizetype closeStart = xml.lastIndexOf(u'<', run.end - 1);
    if (piece + 2 == pieces.bounds.size()) verbatim(from, closeStart);
    verbatim(closeStart, run.end);
    return out;
  }

  void MarkParagraph(int paragraph, ParagraphMarks& marks, std::vector<Splice>& splices) const {
    KeepCommentsOutOfDeletions(marks);
    std::set<qsizetype> cuts;
    for (const CommentMark& comment : marks.comments) cuts.insert({comment.start, comment.end});
    for (const ChangeMark& change : marks.changes) cuts.insert({change.start, change.end});
    const auto [first, last] = RunsOf(paragraph);
    const qsizetype paragraphEnd = m_body.paragraphs[paragraph].text.size();
    for (int r = first; r < last; ++r) {
      const DocxRun& run = m_body.runs[r];
      Pieces pieces{{run.column}, {}};
      for (auto cut = cuts.upper_bound(run.column); cut != cuts.end() && *cut < EndOf(run); ++cut) {
        pieces.bounds.push_back(*cut);
      }
      pieces.bounds.push_back(EndOf(run));
      bool changed = pieces.bounds.size() > 2;
      for (size_t i = 0; i + 1 < pieces.bounds.size(); ++i) {
        pieces.deleted.push_back(Deleted(marks, pieces.bounds[i], pieces.bounds[i + 1]));
        changed = changed || pieces.deleted.back();
      }
      QString out;
      for (size_t i = 0; i < pieces.deleted.size(); ++i) {
        const QString before = Before(marks, pieces.bounds[i], r);
        const QString after = After(marks, pieces.bounds[i + 1], r);
        changed = changed || !before.isEmpty() || !after.isEmpty();
        out += before + Piece(run, pieces, i) + after;
      }
      if (r == last - 1) {
        const QString atEnd = Before(marks, paragraphEnd, r);
        changed = changed || !atEnd.isEmpty();
        out += atEnd;
      }
      if (changed) splices.push_back({run.start, run.end, std::move(out)});
    }
  }

  const DocxDocument& m_document;
  const DocxBody& m_body;
  QString m_date;
  std::vector<int> m_firstRun;  // per paragraph, its first run; one past the last at the end
  std::map<int, ParagraphMarks> m_marks;
};

QString CommentElement(const WordPrefix& w, int id, const QString& date, const QString& text) {
  QString out;
  QXmlStreamWriter writer(&out);
  auto name = [&](QLatin1StringView local) { return Qualified(w.prefix, local); };
  writer.writeStartElement(name("comment"_L1));
  if (!w.declared) writer.writeAttribute(QStringLiteral("xmlns:") + w.prefix, kWordNamespace);
  writer.writeAttribute(name("id"_L1), QString::number(id));
  writer.writeAttribute(name("author"_L1), QLatin1String(kReviewAuthor));
  writer.writeAttribute(name("date"_L1), date);
  writer.writeAttribute(name("initials"_L1), QStringLiteral("Q"));
  writer.writeStartElement(name("p"_L1));
  writer.writeStartElement(name("r"_L1));
  writer.writeEmptyElement(name("annotationRef"_L1));
  writer.writeEndElement();
  writer.writeStartElement(name("r"_L1));
  writer.writeStartElement(name("t"_L1));
  writer.writeCharacters(text);
  writer.writeEndElement();
  writer.writeEndElement();
  writer.writeEndElement();
  writer.writeEndElement();
  return out;
}

// The package's parts around the comments: where they are, and the parts that name them.
class CommentsPart {
 public:
  explicit CommentsPart(const DocxDocument& document) : m_package(document.package) {
    const QString& main = document.mainPart;
    m_folder = main.left(main.lastIndexOf(u'/') + 1);
    m_rels = m_folder + QStringLiteral("_rels/") + main.mid(m_folder.size()) +
             QStringLiteral(".rels");
    FindPart();
  }

  // The largest comment id the part holds, -1 when none; `error` when the part is not XML.
  int LargestId(QString* error) const {
    const DocxEntry* entry = m_package.Find(m_name);
    return entry ? LargestIdIn(entry->data, error, m_name) : -1;
  }

  // The prefix our comments use in the part.
  WordPrefix Prefix() const {
    const DocxEntry* entry = m_package.Find(m_name);
    // A part made anew declares "w" on its root.
    return entry ? WordPrefixOf(QString::fromUtf8(entry->data)) : WordPrefix{QStringLiteral("w"), true};
  }

  // Adds `comments` (w:comment elements) to `package`, with the part, its relationship and its
  // content type where they are missing. Returns why it cannot, or "".
  QString Add(DocxPackage& package, const QString& comments) const {
    DocxEntry* entry = package.Find(m_name);
    if (!entry) {
      package.entries.push_back({m_name,
                                 (kXmlHead + QStringLiteral("<w:comments xmlns:w=\"%1\"></w:comments>")
                                                 .arg(kWordNamespace))
                                     .toUtf8(),
                                 std::time(nullptr)});
      entry = &package.entries.back();
    }
    QString error = AddTo(*entry, comments);
    if (error.isEmpty() && !m_related) error = AddRelationship(package);
    if (error.isEmpty()) error = AddContentType(package);
    return error;
  }

 private:
  void FindPart() {
    m_name = m_folder + QStringLiteral("comments.xml");
    const DocxEntry* rels = m_package.Find(m_rels);
    if (!rels) return;
    QXmlStreamReader reader(rels->data);
    while (!reader.atEnd()) {
      if (reader.readNext() != QXmlStreamReader::StartElement ||
          reader.name() != u"Relationship") {
        continue;
      }
      const QXmlStreamAttributes attributes = reader.attributes();
      m_ids.insert(attributes.value(QLatin1String("Id")).toString());
      if (attributes.value(QLatin1String("Type")) != kCommentsRelationship) continue;
      const QString target = attributes.value(QLatin1String("Target")).toString();
      m_name = target.startsWith(u'/') ? target.mid(1) : m_folder + target;
      m_related = true;
    }
  }

  static QString AddTo(DocxEntry& entry, const QString& children) {
    const QString xml = WithChildren(QString::fromUtf8(entry.data), children);
    if (xml.isEmpty()) return docx::XmlError(entry.name);
    entry.SetData(xml.toUtf8());
    return {};
  }

  QString AddRelationship(DocxPackage& package) const {
    DocxEntry* rels = package.Find(m_rels);
    if (!rels) {
      package.entries.push_back(
          {m_rels,
           (kXmlHead + QStringLiteral("<Relationships xmlns=\"%1\"></Relationships>")
                           .arg(kRelationshipsNamespace))
               .toUtf8(),
           std::time(nullptr)});
      rels = &package.entries.back();
    }
    QString id = QStringLiteral("rIdQuillexComments");
    while (m_ids.contains(id)) id += u'1';
    const QString prefix = RootPrefix(rels->data);
    return AddTo(*rels, QStringLiteral("<%1Relationship Id=\"%2\" Type=\"%3\" Target=\"%4\"/>")
                            .arg(prefix, id, kCommentsRelationship,
                                 m_name.mid(m_folder.size()).toHtmlEscaped()));
  }

  QString AddContentType(DocxPackage& package) const {
    DocxEntry* types = package.Find(QStringLiteral("[Content_Types].xml"));
    if (!types) return QStringLiteral("没有 [Content_Types].xml");
    const QString partName = u'/' + m_name;
    QXmlStreamReader reader(types->data);
    while (!reader.atEnd()) {
      if (reader.readNext() == QXmlStreamReader::StartElement && reader.name() == u"Override" &&
          reader.attributes().value(QLatin1String("PartName")).compare(partName, Qt::CaseInsensitive) == 0) {
        return {};
      }
    }
    return AddTo(*types, QStringLiteral("<%1Override PartName=\"%2\" ContentType=\"%3\"/>")
                             .arg(RootPrefix(types->data), partName.toHtmlEscaped(),
                                  kCommentsContentType));
  }

  // "p:" when the root element of `xml` is "p:name", else "".
  static QString RootPrefix(const QByteArray& xml) {
    const QString name = RootEndOf(QString::fromUtf8(xml)).name;
    const qsizetype colon = name.indexOf(u':');
    return colon < 0 ? QString() : name.left(colon + 1);
  }

  const DocxPackage& m_package;
  QString m_folder;
  QString m_rels;
  QString m_name;
  bool m_related = false;
  std::set<QString> m_ids;
};

}  // namespace

ReviewedCopy WriteReviewedCopy(const DocxDocument& document, const ReviewPlan& plan,
                               const QDateTime& date) {
  ReviewedCopy copy;
  const QString dateText = date.toUTC().toString(Qt::ISODate);
  const CommentsPart commentsPart(document);
  int nextId = std::max(document.body.largestId, commentsPart.LargestId(&copy.error)) + 1;
  if (!copy.error.isEmpty()) return copy;
  BodyMarker marker(document, dateText);
  const WordPrefix prefix = commentsPart.Prefix();
  QString comments;
  for (const ReviewComment& comment : plan.comments) {
    if (!marker.AddComment(comment, nextId)) continue;
    comments += CommentElement(prefix, nextId++, dateText, FromEngineText(comment.text));
    ++copy.comments;
  }
  for (const ReviewChange& change : plan.changes) {
    if (!marker.AddChange(change, nextId, nextId + 1)) continue;
    nextId += 2;
    ++copy.changes;
  }
  DocxPackage package = document.package;
  package.Find(document.mainPart)->SetData(marker.Write().toUtf8());
  if (copy.comments > 0) copy.error = commentsPart.Add(package, comments);
  if (copy.error.isEmpty()) copy.bytes = WritePackage(package, &copy.error);
  return copy;
}

ReviewedCopy ReviewDocument(const DocxDocument& document, bool further, const QDateTime& date) {
  CheckOutcome outcome =
      RunCheck(ToEngineText(document.claimsText), {.review = true}, kPlacesInUserText);
  if (!outcome.checked) {
    ReviewedCopy copy;
    copy.error = FromEngineText(kNothingToReview);
    return copy;
  }
  ReviewedCopy copy = WriteReviewedCopy(document, PlanReview(outcome.result, further), date);
  PlaceInDocument(outcome.result, document);
  copy.result = std::move(outcome.result);
  return copy;
}

QString ReviewedCopyPath(const QString& path) {
  QString base = path;
  if (base.endsWith(QLatin1String(".docx"), Qt::CaseInsensitive)) base.chop(5);
  return base + QStringLiteral(".quillex.docx");
}

QString SaveReviewedCopy(const QString& path, const QByteArray& bytes) {
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
    return QStringLiteral("无法写入“%1”（%2）").arg(path, file.errorString());
  }
  return {};
}
