#include "ProblemListModel.h"

#include <QApplication>
#include <QIcon>
#include <QStyle>
#include <array>
#include <ranges>

#include "ClaimsCodec.h"
#include "report/FindingTexts.h"
#include "result/Fix.h"

namespace {

// The application style's critical, warning or information icon, as it was when first asked for.
QIcon SeverityIcon(Severity severity) {
  // Made once: a style makes its icons anew on every call, and a list asks for one per row shown.
  static const std::array<QIcon, 3> kIcons = [] {
    QStyle* style = QApplication::style();
    return std::array<QIcon, 3>{style->standardIcon(QStyle::SP_MessageBoxCritical),
                                style->standardIcon(QStyle::SP_MessageBoxWarning),
                                style->standardIcon(QStyle::SP_MessageBoxInformation)};
  }();
  return kIcons[static_cast<size_t>(severity)];
}

int RangeStart(const QAbstractItemModel& rows, int row) {
  return rows.data(rows.index(row, 0), ProblemListModel::kRangeStartRole).toInt();
}

int RangeEnd(const QAbstractItemModel& rows, int row) {
  return rows.data(rows.index(row, 0), ProblemListModel::kRangeEndRole).toInt();
}

// The first row for which `after` holds, `after` being false for a first part of the rows and
// true for the rest; rowCount() when it holds for none.
template <typename Predicate>
int FirstRowWhere(const QAbstractItemModel& rows, Predicate after) {
  const auto all = std::views::iota(0, rows.rowCount());
  return *std::ranges::partition_point(all, [&](int row) { return !after(row); });
}

}  // namespace

void ProblemListModel::SetResult(AnalysisResult result, std::string_view report) {
  beginResetModel();
  m_result = std::move(result);
  const std::vector<BoxRange> ranges = FindingRangesInBox(m_result, report);
  m_hasFixes = !FixesOf(m_result).empty();
  m_rows.clear();
  m_rows.reserve(ranges.size());
  for (int claim = 0; claim < static_cast<int>(m_result.claims.size()); ++claim) {
    for (int finding = 0; finding < static_cast<int>(m_result.claims[claim].findings.size());
         ++finding) {
      m_rows.append({claim, finding, ranges[static_cast<size_t>(m_rows.size())]});
    }
  }
  endResetModel();
}

void ProblemListModel::Clear() {
  beginResetModel();
  m_result = {};
  m_rows.clear();
  m_hasFixes = false;
  endResetModel();
}

int ProblemListModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(m_rows.size());
}

int ProblemListModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : kColumnCount;
}

const Finding& ProblemListModel::FindingOf(const Row& row) const {
  return m_result.claims[row.claim].findings[row.finding];
}

QVariant ProblemListModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= m_rows.size()) return {};
  const Row& row = m_rows[index.row()];
  const Finding& finding = FindingOf(row);
  switch (role) {
    case kRangeStartRole:
      return row.range.start;
    case kRangeEndRole:
      return row.range.end;
    case kSeverityRole:
      return QString::fromLatin1(SeverityName(finding.severity));
    case kHasFixRole:
      return finding.fix != nullptr;
    case Qt::DecorationRole:
      return index.column() == kSeverityColumn ? SeverityIcon(finding.severity) : QVariant();
    case Qt::DisplayRole:
    case Qt::ToolTipRole:
      break;
    default:
      return {};
  }
  switch (index.column()) {
    case kClaimColumn:
      return m_result.claims[row.claim].number;
    case kMarkColumn: {
      // The mark as the report writes it, between "【" and "】".
      return FromEngineText(InsideOfMark(finding));
    }
    case kSeverityColumn:
      return FromEngineText(SeverityWord(finding.severity));
    case kFixColumn:
      return FromEngineText(FixLabel(finding));
    default:
      return FromEngineText(FindingExplanation(finding));
  }
}

QVariant ProblemListModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
  static const QStringList kTitles = {QStringLiteral("权项"), QStringLiteral("标记"),
                                      QStringLiteral("级别"), FromEngineText(kFixCommand),
                                      QStringLiteral("说明")};
  return kTitles.value(section);
}

int RowAfter(const QAbstractItemModel& rows, int position) {
  if (rows.rowCount() == 0) return -1;
  const int row = FirstRowWhere(rows, [&](int r) { return RangeStart(rows, r) >= position; });
  return row == rows.rowCount() ? 0 : row;
}

int RowBefore(const QAbstractItemModel& rows, int position) {
  if (rows.rowCount() == 0) return -1;
  int row = FirstRowWhere(rows, [&](int r) { return RangeEnd(rows, r) > position; }) - 1;
  if (row < 0) row = rows.rowCount() - 1;
  while (row > 0 && RangeStart(rows, row - 1) == RangeStart(rows, row)) --row;
  return row;
}
