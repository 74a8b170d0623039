#include "DocxNumbering.h"

#include <QXmlStreamReader>

#include "DocxXml.h"

using docx::Attribute;
using docx::IsElement;

namespace {

QString Letters(int value, char16_t first) {
  // Word's letters: a, b, …, z, aa, bb, …
  if (value < 1) return QString::number(value);
  const int repeat = (value - 1) / 26 + 1;
  return QString(repeat, QChar(first + (value - 1) % 26));
}

QString Roman(int value, bool upper) {
  if (value < 1 || value > 3999) return QString::number(value);
  static constexpr struct {
    int value;
    const char* digits;
  } kRoman[] = {{1000, "m"}, {900, "cm"}, {500, "d"}, {400, "cd"}, {100, "c"}, {90, "xc"},
                {50, "l"},   {40, "xl"},  {10, "x"},  {9, "ix"},   {5, "v"},   {4, "iv"},
                {1, "i"}};
  QString text;
  for (const auto& step : kRoman) {
    for (; value >= step.value; value -= step.value) text += QLatin1String(step.digits);
  }
  return upper ? text.toUpper() : text;
}

// 一, 二, …, 十, 十一, …, 九十九, as Chinese counting writes them; larger numbers in digits.
QString ChineseCounting(int value) {
  static constexpr char16_t kDigits[] = u"〇一二三四五六七八九";
  if (value < 1 || value > 99) return QString::number(value);
  QString text;
  if (value >= 10) {
    if (value >= 20) text += QChar(kDigits[value / 10]);
    text += u'十';
  }
  if (value % 10 != 0) text += QChar(kDigits[value % 10]);
  return text;
}

QString Formatted(int value, const QString& format) {
  if (format == u"decimalZero") return QString::number(value).rightJustified(2, u'0');
  if (format == u"decimalFullWidth" || format == u"decimalFullWidth2") {
    QString text = QString::number(value);
    for (QChar& c : text) c = QChar(c.unicode() - u'0' + u'０');
    return text;
  }
  if (format == u"decimalEnclosedCircle" && value >= 1 && value <= 20) {
    return QString(QChar(u'①' + value - 1));
  }
  if (format == u"lowerLetter") return Letters(value, u'a');
  if (format == u"upperLetter") return Letters(value, u'A');
  if (format == u"lowerRoman") return Roman(value, false);
  if (format == u"upperRoman") return Roman(value, true);
  if (format.startsWith(u"chineseCounting") || format.startsWith(u"ideograph") ||
      format == u"taiwaneseCounting" || format == u"taiwaneseCountingThousand") {
    return ChineseCounting(value);
  }
  if (format == u"none") return {};
  return QString::number(value);
}

int IntAttribute(const QXmlStreamReader& reader, QStringView name, int fallback = 0) {
  bool ok = false;
  const int value = Attribute(reader, name).toInt(&ok);
  return ok ? value : fallback;
}

}  // namespace

QString DocxNumbering::Read(const QByteArray& numberingXml, const QByteArray& stylesXml) {
  QString error = numberingXml.isEmpty() ? QString() : ReadNumbering(numberingXml);
  if (error.isEmpty() && !stylesXml.isEmpty()) error = ReadStyles(stylesXml);
  return error;
}

QString DocxNumbering::ReadNumbering(const QByteArray& xml) {
  QXmlStreamReader reader(xml);
  Levels* levels = nullptr;  // those of the abstract list or the override being read
  Level* level = nullptr;
  List* list = nullptr;
  int overrideLevel = 0;
  while (!reader.atEnd()) {
    if (reader.readNext() != QXmlStreamReader::StartElement) continue;
    if (IsElement(reader, u"abstractNum")) {
      levels = &m_abstracts[Attribute(reader, u"abstractNumId")];
      list = nullptr;
    } else if (IsElement(reader, u"num")) {
      list = &m_lists[Attribute(reader, u"numId")];
      levels = nullptr;
    } else if (list && IsElement(reader, u"abstractNumId")) {
      list->abstractId = Attribute(reader, u"val");
    } else if (list && IsElement(reader, u"lvlOverride")) {
      overrideLevel = IntAttribute(reader, u"ilvl");
      levels = &list->levelOverrides;
    } else if (list && IsElement(reader, u"startOverride")) {
      list->startOverrides[overrideLevel] = IntAttribute(reader, u"val");
    } else if (levels && IsElement(reader, u"lvl")) {
      level = &(*levels)[IntAttribute(reader, u"ilvl")];
    } else if (level && IsElement(reader, u"start")) {
      level->start = IntAttribute(reader, u"val");
    } else if (level && IsElement(reader, u"numFmt")) {
      level->format = Attribute(reader, u"val");
    } else if (level && IsElement(reader, u"lvlText")) {
      level->text = Attribute(reader, u"val");
    } else if (level && IsElement(reader, u"suff")) {
      const QString suffix = Attribute(reader, u"val");
      level->suffix = suffix == u"space" ? QStringLiteral(" ")
                      : suffix == u"nothing" ? QString()
                                             : QStringLiteral("\t");
    } else if (level && IsElement(reader, u"vanish")) {
      level->hidden = docx::ToggleIsOn(reader);
    }
  }
  if (reader.hasError()) return docx::XmlError(QStringLiteral("word/numbering.xml"));
  return {};
}

QString DocxNumbering::ReadStyles(const QByteArray& xml) {
  QXmlStreamReader reader(xml);
  Style* style = nullptr;
  while (!reader.atEnd()) {
    if (reader.readNext() != QXmlStreamReader::StartElement) continue;
    if (IsElement(reader, u"style")) {
      style = nullptr;
      if (Attribute(reader, u"type") != u"paragraph") continue;
      const QString id = Attribute(reader, u"styleId");
      style = &m_styles[id];
      if (Attribute(reader, u"default") == u"1") m_defaultStyle = id;
    } else if (style && IsElement(reader, u"basedOn")) {
      style->basedOn = Attribute(reader, u"val");
    } else if (style && IsElement(reader, u"numId")) {
      style->place.numId = Attribute(reader, u"val");
      style->hasPlace = true;
    } else if (style && IsElement(reader, u"ilvl")) {
      style->place.level = IntAttribute(reader, u"val");
    }
  }
  if (reader.hasError()) return docx::XmlError(QStringLiteral("word/styles.xml"));
  return {};
}

ListPlace DocxNumbering::PlaceOf(const ListPlace& direct, const QString& styleId) const {
  if (!direct.numId.isEmpty()) return direct;
  QString id = styleId.isEmpty() ? m_defaultStyle : styleId;
  // A chain of styles based on each other, cut short should it loop.
  for (int depth = 0; depth < 32 && m_styles.contains(id); ++depth) {
    const Style& style = m_styles[id];
    if (style.hasPlace) return style.place;
    id = style.basedOn;
  }
  return {};
}

const DocxNumbering::Level* DocxNumbering::LevelOf(const List& list, int level) const {
  const auto overridden = list.levelOverrides.find(level);
  if (overridden != list.levelOverrides.end()) return &overridden->second;
  const auto abstract = m_abstracts.find(list.abstractId);
  if (abstract == m_abstracts.end()) return nullptr;
  const auto found = abstract->find(level);
  return found == abstract->end() ? nullptr : &found->second;
}

QString DocxNumbering::NextNumber(const ListPlace& place) {
  const auto found = m_lists.find(place.numId);
  if (place.numId.isEmpty() || place.numId == u"0" || found == m_lists.end()) return {};
  const List& list = *found;
  const Level* level = LevelOf(list, place.level);
  if (!level) return {};
  // A list that restarts its numbering counts on its own; the others continue the numbers of
  // every list drawn from the same abstract list.
  const bool ownCounters = !list.startOverrides.empty() || !list.levelOverrides.empty();
  std::map<int, int>& counters = m_counters[ownCounters ? place.numId : u'#' + list.abstractId];
  auto startOf = [&](int at) {
    const auto start = list.startOverrides.find(at);
    if (start != list.startOverrides.end()) return start->second;
    const Level* other = LevelOf(list, at);
    return other ? other->start : 0;
  };
  const auto current = counters.find(place.level);
  counters[place.level] = current == counters.end() ? startOf(place.level) : current->second + 1;
  counters.erase(counters.upper_bound(place.level), counters.end());
  if (level->hidden) return {};
  QString text;
  for (qsizetype i = 0; i < level->text.size(); ++i) {
    const QChar c = level->text[i];
    if (c == u'%' && i + 1 < level->text.size() && level->text[i + 1].isDigit()) {
      const int at = level->text[++i].digitValue() - 1;
      const auto counter = counters.find(at);
      const int value = counter == counters.end() ? startOf(at) : counter->second;
      const Level* shown = LevelOf(list, at);
      text += Formatted(value, shown ? shown->format : QStringLiteral("decimal"));
      continue;
    }
    text += c;
  }
  if (level->format == u"none" && text.isEmpty()) return {};
  return text + level->suffix;
}
