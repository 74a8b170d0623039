// Word's automatic numbering: the number a numbered paragraph shows ("1.", "1、", "(一)"),
// from numbering.xml and the paragraph styles of styles.xml.
#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QVector>
#include <map>

// A paragraph's list and level, as its w:numPr or its style's gives them.
struct ListPlace {
  QString numId;  // "" or "0": not numbered
  int level = 0;
};

class DocxNumbering {
 public:
  // Reads the lists of `numberingXml` and the styles of `stylesXml` (either may be empty: a
  // document without lists or styles). Returns why a part is not XML, or "".
  QString Read(const QByteArray& numberingXml, const QByteArray& stylesXml);

  // The list place of a paragraph whose properties give `direct` (numId "" when they give none)
  // and the style `styleId` (the default paragraph style when ""): a numId of the paragraph's
  // own wins over its style's, and "0" numbers nothing.
  ListPlace PlaceOf(const ListPlace& direct, const QString& styleId) const;

  // The text Word shows before the next paragraph at `place`, its number and what follows it (a
  // tab, a blank or nothing), counting it: each call is the next paragraph of that list, in
  // document order. "" for a place that numbers nothing.
  QString NextNumber(const ListPlace& place);

 private:
  struct Level {
    int start = 0;
    QString format = QStringLiteral("decimal");
    QString text;
    QString suffix = QStringLiteral("\t");
    bool hidden = false;
  };
  using Levels = std::map<int, Level>;
  struct List {
    QString abstractId;
    std::map<int, int> startOverrides;
    Levels levelOverrides;
  };
  struct Style {
    QString basedOn;
    ListPlace place;
    bool hasPlace = false;
  };

  QString ReadNumbering(const QByteArray& xml);
  QString ReadStyles(const QByteArray& xml);
  const Level* LevelOf(const List& list, int level) const;

  QHash<QString, Levels> m_abstracts;
  QHash<QString, List> m_lists;
  QHash<QString, Style> m_styles;
  QString m_defaultStyle;
  // The counters of each list's levels; lists without overrides share their abstract list's.
  QHash<QString, std::map<int, int>> m_counters;
};
