// The problems list: one row per finding of a check, in report order, each knowing where the
// inside of its "【…】" lies in the box that shows the report.
#pragma once

#include <QAbstractTableModel>
#include <QList>
#include <QStringView>

#include "result/AnalysisResult.h"
#include "MarkPainter.h"

// Where each finding of `result` lies in `boxText`, in the order of the claims and of their
// findings: the inside of its bracket, in the box's UTF-16 positions. `boxText` is the report the
// result wrote, as the box holds it: every "\r\n" of the report is one "\n" there, and no other
// line break occurs. Findings that share a bracket share a range. One walk along the text.
QList<MarkRange> FindingRangesInBox(const AnalysisResult& result, QStringView boxText);

class ProblemListModel : public QAbstractTableModel {
  Q_OBJECT

 public:
  enum Column { kClaimColumn, kMarkColumn, kSeverityColumn, kExplanationColumn, kColumnCount };
  enum Role {
    kRangeStartRole = Qt::UserRole,  // int: the first position of the row's range in the box
    kRangeEndRole,                   // int: the position after it
    kSeverityRole,                   // QString: "fix", "review" or "note"
  };

  using QAbstractTableModel::QAbstractTableModel;

  // Rows for every finding of `result`, whose report `boxText` is (as FindingRangesInBox takes
  // it). The model keeps the result.
  void SetResult(AnalysisResult result, QStringView boxText);
  // No rows.
  void Clear();
  const AnalysisResult& Result() const { return m_result; }

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  // The claim's number; the mark without its brackets; the severity's icon and word; the
  // explanation. The roles above in every column.
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
  QVariant headerData(int section, Qt::Orientation orientation,
                      int role = Qt::DisplayRole) const override;

 private:
  struct Row {
    int claim = 0;    // among the result's claims
    int finding = 0;  // among the claim's findings
    MarkRange range;
  };
  const Finding& FindingOf(const Row& row) const;

  AnalysisResult m_result;
  QList<Row> m_rows;
};

// Going from finding to finding along the rows of `rows`: a ProblemListModel, or a filter of one
// that keeps its order. Both wrap around at the ends and return -1 when there is no row.

// The first row whose range starts at or after `position`; the first row when none does.
int RowAfter(const QAbstractItemModel& rows, int position);
// The first of the rows sharing the last range that ends at or before `position`; the first row
// of the last range when none does.
int RowBefore(const QAbstractItemModel& rows, int position);
