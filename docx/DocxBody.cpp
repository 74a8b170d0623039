#include "DocxBody.h"

#include <QXmlStreamReader>
#include <algorithm>
#include <optional>

#include "DocxNumbering.h"
#include "DocxXml.h"

using docx::Attribute;
using docx::IsElement;

namespace {

// Elements whose content Word does not show as the paragraph's text: deleted and moved-away
// text, drawings and text boxes, the old properties of a tracked formatting change.
bool IsLeftOut(const QXmlStreamReader& reader) {
  if (reader.namespaceUri() == u"http://schemas.openxmlformats.org/markup-compatibility/2006") {
    return reader.name() == u"AlternateContent";
  }
  static constexpr QStringView kLeftOut[] = {u"del",     u"moveFrom",   u"drawing",   u"pict",
                                             u"object",  u"txbxContent", u"pPrChange", u"rPrChange",
                                             u"sectPr"};
  return docx::IsWordNamespace(reader.namespaceUri()) &&
         std::find(std::begin(kLeftOut), std::end(kLeftOut), reader.name()) != std::end(kLeftOut);
}

// Where a w:del or w:ins of ours may stand beside the run.
bool TakesChanges(QStringView container) {
  return container == u"p" || container == u"hyperlink" || container == u"smartTag";
}

class BodyReader {
 public:
  BodyReader(const QByteArray& xml, DocxNumbering& numbering)
      : m_reader(xml), m_numbering(numbering) {
    m_body.xml = QString::fromUtf8(xml);
  }

  DocxBody Read(const QString& part) {
    while (!m_reader.atEnd()) {
      const QXmlStreamReader::TokenType token = m_reader.readNext();
      if (token == QXmlStreamReader::StartElement) Start();
      if (token == QXmlStreamReader::EndElement) End();
    }
    if (m_reader.hasError()) m_body.error = docx::XmlError(part);
    return std::move(m_body);
  }

 private:
  qsizetype Offset() const { return static_cast<qsizetype>(m_reader.characterOffset()); }
  qsizetype TagStart() const { return m_body.xml.lastIndexOf(u'<', Offset() - 1); }

  void NoteId() {
    bool ok = false;
    const int id = Attribute(m_reader, u"id").toInt(&ok);
    if (ok) m_body.largestId = std::max(m_body.largestId, id);
  }

  void Start() {
    NoteId();
    if (m_names.empty()) FindPrefix();
    if (IsLeftOut(m_reader)) {
      m_reader.skipCurrentElement();
      return;
    }
    const bool word = docx::IsWordNamespace(m_reader.namespaceUri());
    const QString name = m_reader.name().toString();
    if (word && m_run && m_names.back() == u"r") {
      RunChildStart(name);
      return;
    }
    if (m_paragraph && m_names.back() == u"p" && name != u"pPr") NumberParagraph();
    m_names.push_back(name);
    if (!word) return;
    if (name == u"body") m_inBody = true;
    if (!m_inBody) return;
    if (name == u"p") ParagraphStart();
    if (m_paragraph && name == u"pStyle") m_style = Attribute(m_reader, u"val");
    if (m_paragraph && name == u"numId") m_direct.numId = Attribute(m_reader, u"val");
    if (m_paragraph && name == u"ilvl") m_direct.level = Attribute(m_reader, u"val").toInt();
    if (m_paragraph && name == u"r") RunStart();
    if (name == u"ins" || name == u"moveTo" || name == u"fldSimple") ++m_insideChange;
    if (m_run && name == u"vanish" && m_propertiesStart >= 0) m_hidden = docx::ToggleIsOn(m_reader);
  }

  void End() {
    if (m_names.empty()) return;
    const QString name = m_names.back();
    m_names.pop_back();
    if (!m_inBody || !docx::IsWordNamespace(m_reader.namespaceUri())) return;
    if (name == u"body") m_inBody = false;
    if (name == u"ins" || name == u"moveTo" || name == u"fldSimple") --m_insideChange;
    if (m_paragraph && name == u"pPr" && m_names.back() == u"p") {
      m_paragraph->contentStart = Offset();
      NumberParagraph();
    }
    if (m_run && name == u"rPr" && m_propertiesStart >= 0) {
      m_run->properties = m_body.xml.mid(m_propertiesStart, Offset() - m_propertiesStart);
      m_propertiesStart = -1;
    }
    if (m_run && name == u"r") RunEnd();
    if (m_paragraph && name == u"p") {
      NumberParagraph();
      m_paragraph = nullptr;
    }
  }

  void FindPrefix() {
    for (const QXmlStreamNamespaceDeclaration& declaration : m_reader.namespaceDeclarations()) {
      if (docx::IsWordNamespace(declaration.namespaceUri())) {
        m_body.prefix = declaration.prefix().toString();
      }
    }
  }

  void ParagraphStart() {
    m_body.paragraphs.emplace_back();
    m_paragraph = &m_body.paragraphs.back();
    const bool empty = m_body.xml.mid(Offset() - 2, 2) == u"/>";
    m_paragraph->contentStart = empty ? -1 : Offset();
    m_numbered = false;
    m_direct = {};
    m_style.clear();
  }

  // Once the paragraph's properties are known: its automatic number, counted in its list.
  void NumberParagraph() {
    if (m_numbered) return;
    m_numbered = true;
    m_paragraph->text = m_numbering.NextNumber(m_numbering.PlaceOf(m_direct, m_style));
    m_paragraph->numberLength = m_paragraph->text.size();
  }

  bool FieldShown() const {
    return std::all_of(m_fields.begin(), m_fields.end(), [](bool result) { return result; });
  }

  void RunStart() {
    m_run = DocxRun{};
    m_run->paragraph = static_cast<int>(m_body.paragraphs.size()) - 1;
    m_run->start = TagStart();
    m_run->column = m_paragraph->text.size();
    const QStringView container = m_names[m_names.size() - 2];
    m_run->editable = TakesChanges(container) && m_fields.empty() && m_insideChange == 0;
    m_hidden = false;
    m_propertiesStart = -1;
  }

  void RunChildStart(const QString& name) {
    RunChild child;
    child.start = TagStart();
    if (name == u"rPr") {
      m_names.push_back(name);
      m_propertiesStart = child.start;
      return;
    }
    if (name == u"t") {
      child.isText = true;
      child.text = m_reader.readElementText(QXmlStreamReader::IncludeChildElements);
    } else {
      if (name == u"tab") child.text = QStringLiteral("\t");
      if (name == u"br" || name == u"cr") child.text = QStringLiteral("\n");
      if (name == u"noBreakHyphen") child.text = QStringLiteral("-");
      if (name == u"fldChar") FieldChar(Attribute(m_reader, u"fldCharType"));
      m_reader.skipCurrentElement();
    }
    child.end = Offset();
    if (m_hidden || !FieldShown()) child.text.clear();
    child.column = m_paragraph->text.size();
    m_paragraph->text += child.text;
    m_run->children.push_back(std::move(child));
  }

  void FieldChar(const QString& type) {
    if (type == u"begin") m_fields.push_back(false);
    if (type == u"separate" && !m_fields.empty()) m_fields.back() = true;
    if (type == u"end" && !m_fields.empty()) m_fields.pop_back();
  }

  void RunEnd() {
    m_run->end = Offset();
    m_run->length = m_paragraph->text.size() - m_run->column;
    if (m_run->length > 0) m_body.runs.push_back(std::move(*m_run));
    m_run.reset();
  }

  QXmlStreamReader m_reader;
  DocxNumbering& m_numbering;
  DocxBody m_body;
  std::vector<QString> m_names;  // the open elements, outermost first
  bool m_inBody = false;
  DocxParagraph* m_paragraph = nullptr;  // the last of the body's, which grow only at its end
  bool m_numbered = false;
  ListPlace m_direct;
  QString m_style;
  std::optional<DocxRun> m_run;
  bool m_hidden = false;
  qsizetype m_propertiesStart = -1;
  std::vector<bool> m_fields;  // the complex fields open, true once past their instruction
  int m_insideChange = 0;
};

}  // namespace

DocxBody ReadBody(const QByteArray& xml, const QString& part, DocxNumbering& numbering) {
  return BodyReader(xml, numbering).Read(part);
}
