// What every reader of a Word part shares: the WordprocessingML namespace and its attributes,
// and the one line that says why a part is not XML.
#pragma once

#include <QString>
#include <QStringView>
#include <QXmlStreamReader>

#include "ClaimsCodec.h"
#include "report/DocumentTexts.h"

namespace docx {

// The main namespace, in its transitional and its strict spelling.
inline bool IsWordNamespace(QStringView uri) {
  return uri == u"http://schemas.openxmlformats.org/wordprocessingml/2006/main" ||
         uri == u"http://purl.oclc.org/ooxml/wordprocessingml/main";
}

// True when the reader stands on the element w:`name`.
inline bool IsElement(const QXmlStreamReader& reader, QStringView name) {
  return reader.name() == name && IsWordNamespace(reader.namespaceUri());
}

// The value of the element's w:`name` attribute, "" when it has none.
inline QString Attribute(const QXmlStreamReader& reader, QStringView name) {
  for (const QXmlStreamAttribute& attribute : reader.attributes()) {
    if (attribute.name() == name && IsWordNamespace(attribute.namespaceUri())) {
      return attribute.value().toString();
    }
  }
  return {};
}

// A toggle such as w:vanish: on unless its w:val says off.
inline bool ToggleIsOn(const QXmlStreamReader& reader) {
  const QString value = Attribute(reader, u"val");
  return value != u"0" && value != u"false" && value != u"off";
}

// The parser's own words on the fault are left out: the page, whose parser words it otherwise,
// says the same line.
inline QString XmlError(const QString& part) { return FromEngineText(kRefusedNotXml).arg(part); }

}  // namespace docx
