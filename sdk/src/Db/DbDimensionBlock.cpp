// What a dimension draws: its text from its settings and, for the linear
// kinds, extension lines, dimension line, arrowheads and text in a block.
#include <cmath>
#include <cwchar>

#include "Db/DbDatabase.h"
#include "Db/DbArc.h"
#include "Db/DbDimension.h"
#include "Db/DbDimensionKinds.h"
#include "Db/DbLine.h"
#include "Db/DbMText.h"
#include "Db/DbPolyline.h"
#include "Db/DbSymbolTable.h"

namespace {
// The number with the precision, separator and zero suppression of the settings.
OdString formatNumber(double value, int decimals, wchar_t separator, int zin) {
  wchar_t buf[64];
  std::swprintf(buf, 64, L"%.*f", decimals < 0 ? 0 : decimals > 8 ? 8 : decimals, value);
  std::wstring text = buf;
  const size_t dot = text.find(L'.');
  if (dot != std::wstring::npos) {
    if (zin & 8) {  // trailing zeros
      while (!text.empty() && text.back() == L'0') text.pop_back();
      if (!text.empty() && text.back() == L'.') text.pop_back();
    }
    const size_t at = text.find(L'.');
    if (at != std::wstring::npos) text[at] = separator;
  }
  if (zin & 4) {  // leading zero of a value below one
    const size_t zero = text[0] == L'-' ? 1 : 0;
    if (text.size() > zero + 1 && text[zero] == L'0' && text[zero + 1] == separator) text.erase(zero, 1);
  }
  return OdString(text);
}

void add(OdDbBlockTableRecord& block, OdDbEntity* entity) {
  OdDbEntityPtr keep(entity, kOdRxObjAttach);
  block.appendOdDbEntity(entity);
}
void line(OdDbBlockTableRecord& block, const OdGePoint3d& a, const OdGePoint3d& b) {
  OdDbLinePtr l = OdDbLine::createObject();
  l->setStartPoint(a);
  l->setEndPoint(b);
  add(block, l.detach());
}
// A filled arrowhead: a wedge from its tip back along the direction.
void arrow(OdDbBlockTableRecord& block, const OdGePoint3d& tip, const OdGeVector3d& back, double size,
           const OdGeVector3d& normal) {
  if (size <= 0.0) return;
  OdDbPolylinePtr p = OdDbPolyline::createObject();
  p->setNormal(normal);
  const OdGePoint3d tail = tip + back * size;
  // The polyline's plane is the dimension's: its points in the normal's object coordinates.
  const OdGeVector3d x = normal.perpVector(), y = normal.crossProduct(x);
  auto ocs = [&](const OdGePoint3d& w) {
    const OdGeVector3d v(w.x, w.y, w.z);
    return OdGePoint2d(v.dotProduct(x), v.dotProduct(y));
  };
  p->addVertexAt(0, ocs(tail), 0.0, size / 3.0, 0.0);
  p->addVertexAt(1, ocs(tip), 0.0, 0.0, 0.0);
  p->setElevation(OdGeVector3d(tip.x, tip.y, tip.z).dotProduct(normal));
  add(block, p.detach());
}
// The overall scale of a dimension's sizes; 0 (fit to the layout) counts as 1.
double overallScale(const OdDbDimension& d) { return d.dimscale() > 0.0 ? d.dimscale() : 1.0; }

// The dimension's text at its position, along the direction.
void text(OdDbBlockTableRecord& block, const OdDbDimension& d, const OdGeVector3d& along) {
  const double scale = overallScale(d);
  OdDbMTextPtr t = OdDbMText::createObject();
  t->setNormal(d.normal());
  if (!along.isZeroLength()) t->setDirection(along);
  t->setLocation(d.textPosition());
  t->setAttachment(OdDbMText::kMiddleCenter);
  t->setTextHeight(d.dimtxt() * scale);
  if (!d.dimtxsty().isNull()) t->setTextStyle(d.dimtxsty());
  t->setContents(d.formattedText());
  add(block, t.detach());
}
double arrowSize(const OdDbDimension& d) { return d.dimasz() * overallScale(d); }
// A line ending in an arrowhead at its end.
void arrowLine(OdDbBlockTableRecord& block, const OdDbDimension& d, const OdGePoint3d& from, const OdGePoint3d& tip) {
  line(block, from, tip);
  const OdGeVector3d back = from - tip;
  if (!back.isZeroLength()) arrow(block, tip, back.normal(), arrowSize(d), d.normal());
}
// The arc of an angular dimension with arrowheads at its ends.
void sectorArc(OdDbBlockTableRecord& block, const OdDbDimension& d, const OdGePoint3d& vertex, double radius, double start,
               double swept) {
  if (radius <= 0.0) return;
  const OdGeVector3d n = d.normal(), x = n.perpVector(), y = n.crossProduct(x);
  OdDbArcPtr a = OdDbArc::createObject();
  a->setNormal(n);
  a->setCenter(vertex);
  a->setRadius(radius);
  a->setStartAngle(start);
  a->setEndAngle(start + swept);
  add(block, a.detach());
  auto at = [&](double angle) { return vertex + (x * std::cos(angle) + y * std::sin(angle)) * radius; };
  auto tangent = [&](double angle) { return x * -std::sin(angle) + y * std::cos(angle); };
  arrow(block, at(start), tangent(start), arrowSize(d), n);
  arrow(block, at(start + swept), -tangent(start + swept), arrowSize(d), n);
}
}  // namespace

OdString OdDbDimension::formattedText() const {
  assertReadEnabled();
  double value = getMeasurement() * dimlfac();
  const double round = dimrnd();
  if (round > 0.0) value = std::round(value / round) * round;
  OdString number = formatNumber(value, dimdec(), dimdsep(), dimzin());
  OdString post = dimpost();
  if (post.isEmpty()) post = L"<>";
  else if (post.find(L"<>") < 0) post = OdString(L"<>") + post;
  post.replace(L"<>", number.c_str());
  OdString text = dimensionText();
  if (text.isEmpty()) return post;
  if (text == L" ") return OdString();
  text.replace(L"<>", post.c_str());
  return text;
}

OdResult OdDbDimension::drawInto(OdDbBlockTableRecord&) const { return eNotImplemented; }

OdResult OdDbDimension::recomputeDimBlock() {
  assertWriteEnabled();
  OdDbDatabase* db = database();
  if (!db) return eNotInDatabase;
  OdDbBlockTableRecordPtr block = OdDbBlockTableRecord::cast(m_block.openObject(OdDb::kForWrite));
  if (block.isNull()) {
    OdDbSymbolTablePtr blocks = OdDbSymbolTable::cast(db->getBlockTableId().openObject(OdDb::kForWrite));
    if (blocks.isNull()) return eNotInDatabase;
    int n = 1;
    OdString name;
    do name.format(L"*D%d", n++);
    while (!blocks->getAt(name).isNull());
    block = OdDbBlockTableRecord::createObject();
    block->setName(name);
    m_block = blocks->add(block);
  }
  // The block holds what the dimension draws now, nothing older.
  const OdDbObjectIdArray old = block->entityIds();
  for (const OdDbObjectId& id : old) {
    OdDbObjectPtr e = id.openObject(OdDb::kForWrite);
    if (!e.isNull()) e->erase();
  }
  return drawInto(*block);
}

OdResult OdDbLinearDimensionPoints::draw(const OdDbDimension& d, const OdGeVector3d& along,
                                         OdDbBlockTableRecord& block) const {
  const OdGeVector3d normal = d.normal();
  const OdGeVector3d across = normal.crossProduct(along);
  const double scale = overallScale(d);
  // Where the extension lines meet the dimension line.
  const OdGePoint3d on1 = xLine1 + across * (dimLine - xLine1).dotProduct(across);
  const OdGePoint3d on2 = xLine2 + across * (dimLine - xLine2).dotProduct(across);
  auto extension = [&](const OdGePoint3d& from, const OdGePoint3d& to) {
    const OdGeVector3d v = to - from;
    if (v.isZeroLength()) return;
    const OdGeVector3d u = v.normal();
    line(block, from + u * (d.dimexo() * scale), to + u * (d.dimexe() * scale));
  };
  if (!d.dimse1()) extension(xLine1, on1);
  if (!d.dimse2()) extension(xLine2, on2);
  line(block, on1, on2);
  const OdGeVector3d inward = on2 - on1;
  if (!inward.isZeroLength()) {
    const OdGeVector3d u = inward.normal();
    arrow(block, on1, u, arrowSize(d), normal);
    arrow(block, on2, -u, arrowSize(d), normal);
  }
  text(block, d, along);
  return eOk;
}

OdResult OdDbAlignedDimension::drawInto(OdDbBlockTableRecord& block) const {
  OdGeVector3d along = m_points.xLine2 - m_points.xLine1;
  along -= normal() * along.dotProduct(normal());
  if (along.isZeroLength()) return eDegenerateGeometry;
  return m_points.draw(*this, along.normal(), block);
}

OdResult OdDbRotatedDimension::drawInto(OdDbBlockTableRecord& block) const {
  OdGeVector3d x, y;
  planeAxes(x, y);
  return m_points.draw(*this, x * std::cos(m_rotation) + y * std::sin(m_rotation), block);
}

namespace {
// The kinds that show an arc: the arc of their sector through the arc point, and the text.
template <class T>
OdResult drawSector(const T& d, OdDbBlockTableRecord& block) {
  OdGePoint3d vertex;
  double start = 0.0, swept = 0.0;
  if (!d.getSector(vertex, start, swept)) return eDegenerateGeometry;
  sectorArc(block, d, vertex, (d.arcPoint() - vertex).length(), start, swept);
  text(block, d, OdGeVector3d());
  return eOk;
}
}  // namespace

OdResult OdDb2LineAngularDimension::drawInto(OdDbBlockTableRecord& block) const { return drawSector(*this, block); }
OdResult OdDb3PointAngularDimension::drawInto(OdDbBlockTableRecord& block) const { return drawSector(*this, block); }
OdResult OdDbArcDimension::drawInto(OdDbBlockTableRecord& block) const { return drawSector(*this, block); }

OdResult OdDbRadialDimension::drawInto(OdDbBlockTableRecord& block) const {
  arrowLine(block, *this, center(), chordPoint());
  text(block, *this, OdGeVector3d());
  return eOk;
}

OdResult OdDbDiametricDimension::drawInto(OdDbBlockTableRecord& block) const {
  const OdGePoint3d middle = farChordPoint() + (chordPoint() - farChordPoint()) * 0.5;
  arrowLine(block, *this, middle, chordPoint());
  arrowLine(block, *this, middle, farChordPoint());
  text(block, *this, OdGeVector3d());
  return eOk;
}

OdResult OdDbRadialDimensionLarge::drawInto(OdDbBlockTableRecord& block) const {
  // From the override centre to the jog, across it, and on to the chord point.
  const OdGeVector3d toChord = chordPoint() - center();
  if (toChord.isZeroLength()) return eDegenerateGeometry;
  const OdGeVector3d u = toChord.normal(), across = normal().crossProduct(u);
  const OdGePoint3d jog = jogPoint();
  const double rise = arrowSize(*this);
  const OdGePoint3d before = jog - u * (rise / std::tan(jogAngle())), after = jog + across * rise;
  line(block, overrideCenter(), before);
  line(block, before, after);
  arrowLine(block, *this, after, chordPoint());
  text(block, *this, OdGeVector3d());
  return eOk;
}

OdResult OdDbOrdinateDimension::drawInto(OdDbBlockTableRecord& block) const {
  line(block, definingPoint(), leaderEndPoint());
  text(block, *this, OdGeVector3d());
  return eOk;
}
