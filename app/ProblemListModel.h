// The problems list: one row per finding of a check, in report order, each knowing where the
// inside of its "【…】" lies in the box that shows the report.
#pragma once

#include <QAbstractTableModel>
#include <QList>
#include <string_view>

#include "report/BoxRanges.h"
#include "result/AnalysisResult.h"

class ProblemListModel : public QAbstractTableModel {
  Q_OBJECT

 public:
  enum Column {
    kClaimColumn,
    kMarkColumn,
    kSeverityColumn,
    kFixColumn,
    kExplanationColumn,
    kColumnCount
  };
  enum Role {
    kRangeStartRole = Qt::UserRole,  // int: the first position of the row's range in the box
    kRangeEndRole,                   // int: the position after it
    kSeverityRole,                   // QString: "fix", "review" or "note"
    kHasFixRole,                     // bool: the finding has a fix
  };

  using QAbstractTableModel::QAbstractTableModel;

  // Rows for every finding of `result`, placed in the box that holds `report`, the report the
  // result wrote, as FindingRangesInBox takes the two. The model keeps the result.
  void SetResult(AnalysisResult result, std::string_view report);
  // No rows.
  void Clear();
  const AnalysisResult& Result() const { return m_result; }
  // True when a finding of the result has a fix.
  bool HasFixes() const { return m_hasFixes; }

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  // The claim's number; the mark without its brackets; the severity's icon and word; the fix's
  // sign and title; the explanation (the engine's texts). The roles above in every column.
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
  QVariant headerData(int section, Qt::Orientation orientation,
                      int role = Qt::DisplayRole) const override;

 private:
  struct Row {
    int claim = 0;    // among the result's claims
    int finding = 0;  // among the claim's findings
    BoxRange range;
  };
  const Finding& FindingOf(const Row& row) const;

  AnalysisResult m_result;
  QList<Row> m_rows;
  bool m_hasFixes = false;
};

// Going from finding to finding along the rows of `rows`: a ProblemListModel, or a filter of one
// that keeps its order. Both wrap around at the ends and return -1 when there is no row.

// The first row whose range starts at or after `position`; the first row when none does.
int RowAfter(const QAbstractItemModel& rows, int position);
// The first of the rows sharing the last range that ends at or before `position`; the first row
// of the last range when none does.
int RowBefore(const QAbstractItemModel& rows, int position);
