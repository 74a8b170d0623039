// The report as it stands in the box, as a web page: the text as it reads, with every run in the
// marks' format inside a red element, for any browser.
#pragma once

#include <QString>

class QTextCharFormat;
class QTextDocument;

// A complete HTML document in UTF-8 terms (it declares its charset): `title` as its title, and
// `document`'s text in one block that keeps its line breaks and blanks, each run whose foreground
// is that of `markFormat` in a <span class="mark"> coloured red. Every "<", ">",
// "&" and quotation mark of the text is escaped.
QString ReportHtml(const QTextDocument& document, const QTextCharFormat& markFormat,
                   const QString& title);
