#include "AppResources.h"

#include <QColor>
#include <QFile>
#include <QStringList>

QTextCharFormat g_normalFormat;
QTextCharFormat g_markFormat;

// A static library's resources are registered by hand, outside any namespace; registering twice
// is harmless.
static void InitResources() { Q_INIT_RESOURCE(quillex); }

namespace {

QTextCharFormat BoxFormat(const QColor& colour) {
  QTextCharFormat format;
  format.setFont(ProgramFont(12.8), QTextCharFormat::FontPropertiesAll);
  format.setFontWeight(QFont::Normal);
  format.setFontItalic(false);
  format.setFontUnderline(false);
  format.setForeground(colour);
  return format;
}

}  // namespace

QIcon ApplicationIcon() {
  InitResources();
  QIcon icon;
  icon.addFile(QStringLiteral(":/quillex/quillex-16.png"), QSize(16, 16));
  icon.addFile(QStringLiteral(":/quillex/quillex-32.png"), QSize(32, 32));
  return icon;
}

namespace {

QString ResourceText(const QString& path) {
  InitResources();
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return {};
  return QString::fromUtf8(file.readAll());
}

}  // namespace

QString HelpText() { return ResourceText(QStringLiteral(":/quillex/help.txt")); }

AboutLines AboutText() {
  QStringList lines = ResourceText(QStringLiteral(":/quillex/about.txt")).split(u'\n');
  lines.resize(4);
  return {lines[0], lines[1], lines[2].arg(QStringLiteral(QUILLEX_VERSION)), lines[3]};
}

QFont ProgramFont(qreal points) {
  QFont font;
  font.setFamilies({QStringLiteral("宋体"), QStringLiteral("SimSun"), QStringLiteral("NSimSun"),
                    QStringLiteral("Noto Serif CJK SC"), QStringLiteral("Noto Sans CJK SC"),
                    QStringLiteral("Source Han Serif SC"), QStringLiteral("WenQuanYi Zen Hei"),
                    QStringLiteral("WenQuanYi Micro Hei"), QStringLiteral("AR PL UMing CN")});
  font.setPointSizeF(points);
  return font;
}

void InitCharFormats() {
  g_normalFormat = BoxFormat(Qt::black);
  g_markFormat = BoxFormat(QColor(255, 0, 0));
}
