#include <cstdlib>
#include "Db/DbTableStyle.h"

#include "Db/DbDatabase.h"
#include "Db/DbDictionary.h"
#include "Db/DbSymbolTable.h"
#include "Dxf/DxfFiler.h"
#include "Rx/RxClass.h"

ODRX_DEFINE_MEMBERS_EX(OdDbTableStyle, OdDbObject, L"TABLESTYLE", new OdDbTableStyle)

namespace {
// The three cell styles of a file, in file order (the title's text is the tallest in files).
const wchar_t* const kCellNames[] = {L"Data", L"Title", L"Header"};
int gridIndex(OdDb::GridLineType type) {
  for (int i = 0; i < 6; ++i)
    if (type == (1 << i)) return i;
  return -1;
}
OdCmColor colorOf(int index) {
  return index == 256 ? OdCmColor(OdCmEntityColor::kByLayer)
         : index == 0 ? OdCmColor(OdCmEntityColor::kByBlock)
                      : OdCmColor::fromIndex(OdInt16(index));
}
}  // namespace

OdString OdDbTableStyle::name() const {
  assertReadEnabled();
  OdDbDictionaryPtr owner = OdDbDictionary::cast(ownerId().openObject());
  return owner.isNull() ? OdString() : owner->nameAt(objectId());
}
OdString OdDbTableStyle::description() const {
  assertReadEnabled();
  return m_description;
}
bool OdDbTableStyle::isTitleSuppressed() const { assertReadEnabled(); return m_titleSuppressed; }
bool OdDbTableStyle::isHeaderSuppressed() const { assertReadEnabled(); return m_headerSuppressed; }

void OdDbTableStyle::setFlowDirection(OdDb::FlowDirection direction) {
  assertWriteEnabled();
  m_flow = direction == OdDb::kBtoT ? 1 : 0;
}

OdDb::FlowDirection OdDbTableStyle::flowDirection() const {
  assertReadEnabled();
  return m_flow ? OdDb::kBtoT : OdDb::kTtoB;
}
void OdDbTableStyle::getCellStyles(std::vector<OdString>& names) const {
  assertReadEnabled();
  names.clear();
  for (const CellStyle& c : m_cells) names.push_back(c.name);
}
const OdDbTableStyle::CellStyle* OdDbTableStyle::find(const OdString& name) const {
  assertReadEnabled();
  for (const CellStyle& c : m_cells)
    if (c.name.iCompare(name) == 0) return &c;
  return nullptr;
}
int OdDbTableStyle::alignment(const OdString& cellStyle) const {
  const CellStyle* c = find(cellStyle);
  return c ? c->alignment : 0;
}
OdCmColor OdDbTableStyle::backgroundColor(const OdString& cellStyle) const {
  const CellStyle* c = find(cellStyle);
  return c ? c->background : OdCmColor(OdCmEntityColor::kNone);
}
OdCmColor OdDbTableStyle::color(const OdString& cellStyle) const {
  const CellStyle* c = find(cellStyle);
  return c ? c->color : OdCmColor(OdCmEntityColor::kByBlock);
}
double OdDbTableStyle::textHeight(const OdString& cellStyle) const {
  const CellStyle* c = find(cellStyle);
  return c ? c->height : 0.0;
}
OdDbObjectId OdDbTableStyle::textStyle(const OdString& cellStyle) const {
  const CellStyle* c = find(cellStyle);
  OdDbDatabase* db = database();
  if (!c || !db) return OdDbObjectId();
  OdDbSymbolTablePtr styles = OdDbSymbolTable::cast(db->getTextStyleTableId().openObject());
  return styles.isNull() ? OdDbObjectId() : styles->getAt(c->textStyle);
}
double OdDbTableStyle::margin(OdDb::CellMargin margin, const OdString&) const {
  assertReadEnabled();
  return margin == OdDb::kCellMarginTop ? m_vertMargin : m_horzMargin;
}
OdCmColor OdDbTableStyle::gridColor(OdDb::GridLineType type, const OdString& cellStyle) const {
  const CellStyle* c = find(cellStyle);
  const int i = gridIndex(type);
  return c && i >= 0 ? c->gridColors[i] : OdCmColor(OdCmEntityColor::kByBlock);
}
OdDb::LineWeight OdDbTableStyle::gridLineWeight(OdDb::GridLineType type, const OdString& cellStyle) const {
  const CellStyle* c = find(cellStyle);
  const int i = gridIndex(type);
  return c && i >= 0 ? c->gridWeights[i] : OdDb::kLnWtByBlock;
}
bool OdDbTableStyle::gridVisibility(OdDb::GridLineType type, const OdString& cellStyle) const {
  const CellStyle* c = find(cellStyle);
  const int i = gridIndex(type);
  return c && i >= 0 && c->gridVisible[i];
}

void OdDbTableStyle::addCellStyle(const OdString& name, int alignment, const OdCmColor& color,
                                  const OdCmColor& background, double textHeight) {
  assertWriteEnabled();
  CellStyle c;
  c.name = name;
  c.alignment = alignment;
  c.color = color;
  c.background = background;
  c.height = textHeight;
  for (OdCmColor& g : c.gridColors) g = OdCmColor(OdCmEntityColor::kByBlock);
  m_cells.push_back(c);
  m_tags.clear();
}

// Each cell style starts with its text style (7); its codes follow until the next one.
void OdDbTableStyle::dxfInFields(const OdDxfIn& in) {
  OdDbObject::dxfInFields(in);
  const char* S = "AcDbTableStyle";
  m_description = in.string(S, 3);
  m_flow = in.integer(S, 70, 0);
  m_horzMargin = in.real(S, 40, 0.06);
  m_vertMargin = in.real(S, 41, 0.06);
  m_cells.clear();
  m_tags.clear();
  m_titleSuppressed = m_headerSuppressed = false;
  bool filled = false, afterMargins = false;
  for (const OdDxfTag* t : in.section(S)) {
    m_tags.emplace_back(t->code, std::string(in.text(*t)));
    // The suppression flags follow the margins, before the first cell style.
    if (t->code == 41) afterMargins = true;
    if (afterMargins && m_cells.empty() && (t->code == 280 || t->code == 281)) {
      const bool on = std::strtol(std::string(in.text(*t)).c_str(), nullptr, 10) != 0;
      (t->code == 280 ? m_titleSuppressed : m_headerSuppressed) = on;
    }
    if (t->code == 7) {
      if (!m_cells.empty()) m_cells.back().background = filled ? m_cells.back().background : OdCmColor(OdCmEntityColor::kNone);
      m_cells.emplace_back();
      CellStyle& c = m_cells.back();
      c.name = m_cells.size() <= 3 ? OdString(kCellNames[m_cells.size() - 1]) : OdString(L"Cell");
      c.textStyle = in.codec().decode(in.text(*t));
      for (OdCmColor& g : c.gridColors) g = OdCmColor(OdCmEntityColor::kByBlock);
      filled = false;
      continue;
    }
    if (m_cells.empty()) continue;
    CellStyle& c = m_cells.back();
    // Only the codes below hold numbers a cell style is read from.
    const bool numeric = t->code == 170 || t->code == 62 || t->code == 63 || t->code == 283 ||
                         (t->code >= 274 && t->code <= 289) || (t->code >= 64 && t->code <= 69);
    const long long v = numeric ? in.toInteger(*t) : 0;
    switch (t->code) {
      case 140: c.height = in.toReal(*t); break;
      case 170: c.alignment = int(v); break;
      case 62: c.color = colorOf(int(v)); break;
      case 63: c.background = colorOf(int(v)); break;
      case 283: filled = v != 0; break;
      default:
        if (t->code >= 274 && t->code <= 279 && OdDb::isValidLineWeight(int(v))) c.gridWeights[t->code - 274] = OdDb::LineWeight(v);
        else if (t->code >= 284 && t->code <= 289) c.gridVisible[t->code - 284] = v != 0;
        else if (t->code >= 64 && t->code <= 69) c.gridColors[t->code - 64] = colorOf(int(v));
        break;
    }
  }
  if (!m_cells.empty() && !filled) m_cells.back().background = OdCmColor(OdCmEntityColor::kNone);
}

void OdDbTableStyle::dxfOutFields(OdDxfOut& out) const {
  OdDbObject::dxfOutFields(out);
  out.subclass("AcDbTableStyle");
  if (!m_tags.empty()) {
    for (const auto& t : m_tags) out.verbatim(t.first, t.second);
    return;
  }
  out.integer(280, 0);
  out.string(3, m_description);
  out.integer(70, m_flow);
  out.integer(71, 0);
  out.real(40, m_horzMargin);
  out.real(41, m_vertMargin);
  out.integer(280, m_titleSuppressed ? 1 : 0);
  out.integer(281, m_headerSuppressed ? 1 : 0);
  auto index = [](const OdCmColor& c) { return c.isByLayer() ? 256 : c.isByBlock() ? 0 : int(c.colorIndex()); };
  for (const CellStyle& c : m_cells) {
    out.string(7, c.textStyle);
    out.real(140, c.height);
    out.integer(170, c.alignment);
    out.integer(62, index(c.color));
    out.integer(63, c.background.isNone() ? 7 : index(c.background));
    out.integer(283, c.background.isNone() ? 0 : 1);
    for (int i = 0; i < 6; ++i) {
      out.integer(274 + i, c.gridWeights[i]);
      out.integer(284 + i, c.gridVisible[i] ? 1 : 0);
      out.integer(64 + i, index(c.gridColors[i]));
    }
  }
}
