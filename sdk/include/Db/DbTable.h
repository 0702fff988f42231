#pragma once
// Tables: a block reference whose block draws rows and columns of cells.
// The palette reaches the table's head (style, direction, row heights and
// column widths, flow direction); the cells are kept as the file holds them.
#include <vector>

#include "Db/DbBlockReference.h"
#include "Db/DbTableStyle.h"

namespace OdDb {
// Overrides a table may hold of its style's values.
enum TableStyleOverrides : int { kTableFlowDirection = 3 };
}  // namespace OdDb

class OdDbTable : public OdDbBlockReference {
public:
  ODRX_DECLARE_MEMBERS(OdDbTable)
public:
  OdDbObjectId tableStyle() const;
  OdResult setTableStyle(OdDbObjectId style);
  // The style's values the table holds of its own.
  std::vector<int> tableStyleOverrides() const;
  OdDb::FlowDirection flowDirection() const;
  // Stored as the table's own (an override of its style's).
  OdResult setFlowDirection(OdDb::FlowDirection direction);
  OdGeVector3d direction() const;  // of the rows, along the table's top
  int numRows() const;
  int numColumns() const;
  double rowHeight(int row) const;
  double columnWidth(int column) const;
  double width() const;
  double height() const;
  // Every column (row) is resized in proportion.
  OdResult setWidth(double width);
  OdResult setHeight(double height);
  // For tables made by programs: the sizes of the rows and columns.
  OdResult setSize(const std::vector<double>& rowHeights, const std::vector<double>& columnWidths);

  void dxfInFields(const OdDxfIn& in) override;
  void dxfOutFields(OdDxfOut& out) const override;

private:
  OdDbObjectId m_style;
  OdDbObjectId m_block;
  OdGeVector3d m_direction = OdGeVector3d::kXAxis;
  int m_valueFlag = 0, m_overrides = 0, m_borderColors = 0, m_borderWeights = 0, m_borderVisibility = 0;
  std::vector<double> m_rowHeights, m_columnWidths;
  bool m_flowOverride = false;
  OdDb::FlowDirection m_flow = OdDb::kTtoB;
};
typedef OdSmartPtr<OdDbTable> OdDbTablePtr;
