#pragma once
// Table styles: the flow direction and margins of a table, and for each cell
// style (data, header, title) its text style, height, alignment, colours and
// the colour, weight and visibility of its six kinds of grid line. The
// file's fields are written back as read.
#include <string>
#include <utility>
#include <vector>
#include "Cm/CmColor.h"
#include "Db/DbEntity.h"

namespace OdDb {
enum GridLineType : int { kHorzTop = 1, kHorzInside = 2, kHorzBottom = 4, kVertLeft = 8, kVertInside = 16, kVertRight = 32 };
enum CellMargin : int { kCellMarginTop = 1, kCellMarginLeft = 2 };
enum FlowDirection : int { kTtoB = 0, kBtoT = 1 };
}  // namespace OdDb

class OdDbTableStyle : public OdDbObject {
public:
  ODRX_DECLARE_MEMBERS(OdDbTableStyle)
public:
  // The style's name in the drawing's table style dictionary.
  OdString name() const;
  OdString description() const;
  OdDb::FlowDirection flowDirection() const;
  // Whether tables of the style leave out their title row, or their header row.
  bool isTitleSuppressed() const;
  bool isHeaderSuppressed() const;
  // The names of the cell styles, in the order the style keeps them.
  void getCellStyles(std::vector<OdString>& names) const;
  // 1 top left .. 9 bottom right; 0 for a cell style the table style lacks.
  int alignment(const OdString& cellStyle) const;
  // No colour (colour method "none") when the cell style has no background fill.
  OdCmColor backgroundColor(const OdString& cellStyle) const;
  OdCmColor color(const OdString& cellStyle) const;
  double textHeight(const OdString& cellStyle) const;
  OdDbObjectId textStyle(const OdString& cellStyle) const;
  double margin(OdDb::CellMargin margin, const OdString& cellStyle) const;
  OdCmColor gridColor(OdDb::GridLineType type, const OdString& cellStyle) const;
  OdDb::LineWeight gridLineWeight(OdDb::GridLineType type, const OdString& cellStyle) const;
  bool gridVisibility(OdDb::GridLineType type, const OdString& cellStyle) const;

  // For styles made by programs: the flow direction, and a cell style of the given values.
  void setFlowDirection(OdDb::FlowDirection direction);
  void addCellStyle(const OdString& name, int alignment, const OdCmColor& color, const OdCmColor& background,
                    double textHeight);

  void dxfInFields(const OdDxfIn& in) override;
  void dxfOutFields(OdDxfOut& out) const override;

private:
  struct CellStyle {
    OdString name;
    OdString textStyle = L"Standard";
    double height = 0.18;
    int alignment = 5;
    OdCmColor color = OdCmColor::fromIndex(0);
    OdCmColor background = OdCmColor(OdCmEntityColor::kNone);
    OdCmColor gridColors[6];
    OdDb::LineWeight gridWeights[6] = {OdDb::kLnWtByBlock, OdDb::kLnWtByBlock, OdDb::kLnWtByBlock,
                                      OdDb::kLnWtByBlock, OdDb::kLnWtByBlock, OdDb::kLnWtByBlock};
    bool gridVisible[6] = {true, true, true, true, true, true};
  };
  const CellStyle* find(const OdString& name) const;
  OdString m_description;
  int m_flow = 0;
  bool m_titleSuppressed = false, m_headerSuppressed = false;
  double m_horzMargin = 0.06, m_vertMargin = 0.06;
  std::vector<CellStyle> m_cells;
  std::vector<std::pair<int, std::string>> m_tags;  // the section as a file gave it
};
typedef OdSmartPtr<OdDbTableStyle> OdDbTableStylePtr;
