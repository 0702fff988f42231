#include "Db/DbTable.h"

#include <cmath>
#include <numeric>

#include "Db/DbDatabase.h"
#include "Dxf/DxfFiler.h"
#include "Rx/RxClass.h"

ODRX_DEFINE_MEMBERS_EX(OdDbTable, OdDbBlockReference, L"ACAD_TABLE", new OdDbTable)

namespace {
// The cells begin with their first 171; the table's head comes before.
const int kFirstCellCode = 171;

bool allPositive(const std::vector<double>& sizes) {
  for (double s : sizes)
    if (!std::isfinite(s) || s <= 0.0) return false;
  return true;
}
}  // namespace

OdDbObjectId OdDbTable::tableStyle() const { assertReadEnabled(); return m_style; }
OdResult OdDbTable::setTableStyle(OdDbObjectId style) {
  assertWriteEnabled();
  if (OdDbTableStyle::cast(style.openObject()).isNull()) return eInvalidInput;
  m_style = style;
  return eOk;
}
std::vector<int> OdDbTable::tableStyleOverrides() const {
  assertReadEnabled();
  return m_flowOverride ? std::vector<int>{OdDb::kTableFlowDirection} : std::vector<int>{};
}
OdDb::FlowDirection OdDbTable::flowDirection() const {
  assertReadEnabled();
  if (m_flowOverride) return m_flow;
  OdDbTableStylePtr style = OdDbTableStyle::cast(m_style.openObject());
  return style.isNull() ? OdDb::kTtoB : style->flowDirection();
}
OdResult OdDbTable::setFlowDirection(OdDb::FlowDirection direction) {
  assertWriteEnabled();
  if (direction != OdDb::kTtoB && direction != OdDb::kBtoT) return eInvalidInput;
  m_flow = direction;
  m_flowOverride = true;
  return eOk;
}
OdGeVector3d OdDbTable::direction() const { assertReadEnabled(); return m_direction; }
int OdDbTable::numRows() const { assertReadEnabled(); return int(m_rowHeights.size()); }
int OdDbTable::numColumns() const { assertReadEnabled(); return int(m_columnWidths.size()); }
double OdDbTable::rowHeight(int row) const {
  assertReadEnabled();
  return row >= 0 && size_t(row) < m_rowHeights.size() ? m_rowHeights[size_t(row)] : 0.0;
}
double OdDbTable::columnWidth(int column) const {
  assertReadEnabled();
  return column >= 0 && size_t(column) < m_columnWidths.size() ? m_columnWidths[size_t(column)] : 0.0;
}
double OdDbTable::width() const {
  assertReadEnabled();
  return std::accumulate(m_columnWidths.begin(), m_columnWidths.end(), 0.0);
}
double OdDbTable::height() const {
  assertReadEnabled();
  return std::accumulate(m_rowHeights.begin(), m_rowHeights.end(), 0.0);
}
OdResult OdDbTable::setWidth(double width) {
  assertWriteEnabled();
  const double now = std::accumulate(m_columnWidths.begin(), m_columnWidths.end(), 0.0);
  if (!std::isfinite(width) || width <= 0.0 || now <= 0.0) return eInvalidInput;
  std::vector<double> sized = m_columnWidths;
  for (double& w : sized) w *= width / now;
  if (!allPositive(sized)) return eInvalidInput;
  m_columnWidths = sized;
  return eOk;
}
OdResult OdDbTable::setHeight(double height) {
  assertWriteEnabled();
  const double now = std::accumulate(m_rowHeights.begin(), m_rowHeights.end(), 0.0);
  if (!std::isfinite(height) || height <= 0.0 || now <= 0.0) return eInvalidInput;
  std::vector<double> sized = m_rowHeights;
  for (double& h : sized) h *= height / now;
  if (!allPositive(sized)) return eInvalidInput;
  m_rowHeights = sized;
  return eOk;
}
OdResult OdDbTable::setSize(const std::vector<double>& rowHeights, const std::vector<double>& columnWidths) {
  assertWriteEnabled();
  if (!allPositive(rowHeights) || !allPositive(columnWidths)) return eInvalidInput;
  m_rowHeights = rowHeights;
  m_columnWidths = columnWidths;
  return eOk;
}

// The head: style (342), block (343), direction (11), flags (90, 93 to
// 96), the counts (91, 92), a flow direction of the table's own (70), the
// row heights (141s) and column widths (142s). A flow direction after the
// cells counts when the head holds none.
void OdDbTable::dxfInFields(const OdDxfIn& in) {
  OdDbBlockReference::dxfInFields(in);
  const char* S = "AcDbTable";
  m_style = in.reference(S, 342);
  m_block = in.reference(S, 343);
  m_rowHeights.clear();
  m_columnWidths.clear();
  m_flowOverride = false;
  bool head = true;
  for (const OdDxfTag* t : in.section(S)) {
    if (t->code == kFirstCellCode) head = false;
    try {
      if (head) {
        switch (t->code) {
          case 11: m_direction.x = in.toReal(*t); break;
          case 21: m_direction.y = in.toReal(*t); break;
          case 31: m_direction.z = in.toReal(*t); break;
          case 90: m_valueFlag = int(in.toInteger(*t)); break;
          case 93: m_overrides = int(in.toInteger(*t)); break;
          case 94: m_borderColors = int(in.toInteger(*t)); break;
          case 95: m_borderWeights = int(in.toInteger(*t)); break;
          case 96: m_borderVisibility = int(in.toInteger(*t)); break;
          case 141: m_rowHeights.push_back(in.toReal(*t)); break;
          case 142: m_columnWidths.push_back(in.toReal(*t)); break;
          default: break;
        }
      }
      if (t->code == 70 && (head || !m_flowOverride)) {
        m_flow = in.toInteger(*t) == 1 ? OdDb::kBtoT : OdDb::kTtoB;
        m_flowOverride = true;
      }
    } catch (const OdDxfError&) {
      // A head field that is no number keeps its default; the tags stay as read.
    }
  }
  if (m_direction.isZeroLength()) m_direction = OdGeVector3d::kXAxis;
}

void OdDbTable::dxfOutFields(OdDxfOut& out) const {
  OdDbBlockReference::dxfOutFields(out);
  out.subclass("AcDbTable");
  out.reference(342, m_style);
  out.reference(343, m_block);
  out.normal(11, m_direction, OdGeVector3d::kXAxis);
  out.integer(90, m_valueFlag);
  out.integer(91, static_cast<long long>(m_rowHeights.size()));
  out.integer(92, static_cast<long long>(m_columnWidths.size()));
  out.integer(93, m_overrides);
  out.integer(94, m_borderColors);
  out.integer(95, m_borderWeights);
  out.integer(96, m_borderVisibility);
  // A flow direction of the table's own stands in its head.
  if (m_flowOverride) out.integer(70, m_flow == OdDb::kBtoT ? 1 : 0);
  for (double h : m_rowHeights) out.real(141, h);
  for (double w : m_columnWidths) out.real(142, w);
  out.keepFrom(kFirstCellCode);
}
