#include "ReportHtml.h"

#include <QTextBlock>
#include <QTextCharFormat>
#include <QTextDocument>

namespace {

constexpr QStringView kHead =
    u"<!DOCTYPE html>\n"
    u"<html lang=\"zh-CN\">\n<head>\n<meta charset=\"utf-8\">\n<title>%1</title>\n"
    u"<style>\n"
    u"body { font-family: \"SimSun\", \"宋体\", \"Songti SC\", serif; }\n"
    u"pre { white-space: pre-wrap; font-family: inherit; line-height: 1.5; }\n"
    u"</style>\n</head>\n<body>\n<pre>";
constexpr QStringView kTail = u"</pre></body>\n</html>";

}  // namespace

QString ReportHtml(const QTextDocument& document, const QTextCharFormat& markFormat,
                   const QString& title) {
  const QBrush mark = markFormat.foreground();
  QString html = kHead.toString().arg(title.toHtmlEscaped());
  html.reserve(html.size() + document.characterCount() * 5 / 4 + kTail.size());
  for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
    if (block != document.begin()) html += u'\n';
    for (auto it = block.begin(); !it.atEnd(); ++it) {
      const QTextFragment fragment = it.fragment();
      // A fragment is a run of one format; a mark split into several gets an element for each.
      QString text = fragment.text().toHtmlEscaped();
      text.replace(QChar::LineSeparator, u'\n');
      if (fragment.charFormat().foreground() == mark) {
        html += QStringLiteral("<span class=\"mark\" style=\"color: #ff0000\">");
        html += text;
        html += QStringLiteral("</span>");
      } else {
        html += text;
      }
    }
  }
  html += kTail;
  return html;
}
