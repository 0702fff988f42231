#include "Db/DbDmUtil.h"

#include <cmath>
#include <initializer_list>

#include "Db/DbCircle.h"
#include "Db/DbDatabase.h"
#include "Db/DbLine.h"
#include "Db/DbPolyline.h"
#include "Db/DbSymbolTable.h"

namespace {
// The shapes of the built-in arrows, pointing at the origin from the left in a unit size.
enum class Shape { Triangle, FilledTriangle, OpenTriangle, Dot, Circle, Tick, Box, FilledBox, Datum, FilledDatum, Origin, Origin2, Right, Integral, None };
struct Arrow {
  const wchar_t* name;
  Shape shape;
};
const Arrow kArrows[] = {
    {L"ClosedFilled", Shape::FilledTriangle}, {L"ClosedBlank", Shape::Triangle}, {L"Closed", Shape::Triangle},
    {L"Dot", Shape::Dot},                     {L"ArchTick", Shape::Tick},        {L"Oblique", Shape::Tick},
    {L"Open", Shape::OpenTriangle},           {L"Origin", Shape::Origin},        {L"Origin2", Shape::Origin2},
    {L"Open90", Shape::Right},                {L"Open30", Shape::OpenTriangle},  {L"DotSmall", Shape::Dot},
    {L"DotBlank", Shape::Circle},             {L"Small", Shape::Circle},         {L"BoxBlank", Shape::Box},
    {L"BoxFilled", Shape::FilledBox},         {L"DatumBlank", Shape::Datum},     {L"DatumFilled", Shape::FilledDatum},
    {L"Integral", Shape::Integral},           {L"None", Shape::None},
};

const Arrow* builtIn(const OdString& name) {
  OdString bare = name;
  if (!bare.isEmpty() && bare[0] == L'_') bare = bare.mid(1);
  for (const Arrow& a : kArrows)
    if (bare.iCompare(a.name) == 0) return &a;
  return nullptr;
}

void add(OdDbBlockTableRecord& block, OdDbEntity* entity) {
  OdDbEntityPtr keep(entity, kOdRxObjAttach);
  block.appendOdDbEntity(entity);
}
void polyline(OdDbBlockTableRecord& block, std::initializer_list<OdGePoint2d> points, bool closed, double width = 0.0) {
  OdDbPolylinePtr p = OdDbPolyline::createObject();
  unsigned i = 0;
  for (const OdGePoint2d& pt : points) p->addVertexAt(i++, pt, 0.0, width, width);
  p->setClosed(closed);
  add(block, p.detach());
}
void circle(OdDbBlockTableRecord& block, double x, double radius) {
  OdDbCirclePtr c = OdDbCircle::createObject();
  c->setCenter(OdGePoint3d(x, 0, 0));
  c->setRadius(radius);
  add(block, c.detach());
}
void line(OdDbBlockTableRecord& block, const OdGePoint3d& a, const OdGePoint3d& b) {
  OdDbLinePtr l = OdDbLine::createObject();
  l->setStartPoint(a);
  l->setEndPoint(b);
  add(block, l.detach());
}

void draw(OdDbBlockTableRecord& block, Shape shape) {
  const double h = 1.0 / 6.0;  // half the width of an arrow of length 1
  switch (shape) {
    case Shape::FilledTriangle: polyline(block, {{-1, 0}, {0, 0}}, false, 2 * h); break;  // a wedge drawn by width
    case Shape::Triangle: polyline(block, {{-1, h}, {0, 0}, {-1, -h}}, true); break;
    case Shape::OpenTriangle: polyline(block, {{-1, h}, {0, 0}, {-1, -h}}, false); break;
    case Shape::Right: polyline(block, {{-0.5, 0.5}, {0, 0}, {-0.5, -0.5}}, false); break;
    case Shape::Dot: polyline(block, {{-0.25, 0}, {0.25, 0}}, true, 0.5); break;
    case Shape::Circle: circle(block, 0, 0.5); break;
    case Shape::Tick: line(block, OdGePoint3d(-0.5, -0.5, 0), OdGePoint3d(0.5, 0.5, 0)); break;
    case Shape::Box: polyline(block, {{-0.5, -0.5}, {0.5, -0.5}, {0.5, 0.5}, {-0.5, 0.5}}, true); break;
    case Shape::FilledBox: polyline(block, {{-0.5, 0}, {0.5, 0}}, false, 1.0); break;
    case Shape::Datum: polyline(block, {{0, 0.5}, {-1, 0}, {0, -0.5}}, true); break;
    case Shape::FilledDatum: polyline(block, {{-1, 0}, {0, 0}}, false, 1.0); break;
    case Shape::Origin: circle(block, 0, 0.5); line(block, OdGePoint3d(-1, 0, 0), OdGePoint3d(0, 0, 0)); break;
    case Shape::Origin2: circle(block, 0, 0.5); circle(block, 0, 0.25); break;
    case Shape::Integral: polyline(block, {{-0.45, -0.45}, {0, 0}, {0.45, 0.45}}, false); break;
    case Shape::None: break;
  }
}
}  // namespace

bool OdDmUtil::isBuiltInArrow(const OdString& name) { return builtIn(name) != nullptr; }

OdDbObjectId OdDmUtil::getArrowId(const OdString& name, OdDbDatabase* db) {
  if (!db || name.isEmpty()) return OdDbObjectId();
  OdDbSymbolTablePtr blocks = OdDbSymbolTable::cast(db->getBlockTableId().openObject(OdDb::kForWrite));
  if (blocks.isNull()) return OdDbObjectId();
  const Arrow* arrow = builtIn(name);
  if (!arrow) return blocks->getAt(name);
  const OdString blockName = OdString(L"_") + arrow->name;
  OdDbObjectId id = blocks->getAt(blockName);
  if (!id.isNull()) return id;
  OdDbBlockTableRecordPtr block = OdDbBlockTableRecord::createObject();
  block->setName(blockName);
  id = blocks->add(block);
  draw(*block, arrow->shape);
  return id;
}

OdString OdDmUtil::arrowName(OdDbObjectId id) {
  OdDbBlockTableRecordPtr block = OdDbBlockTableRecord::cast(id.openObject());
  if (block.isNull()) return OdString();
  const OdString name = block->getName();
  const Arrow* arrow = name.isEmpty() || name[0] != L'_' ? nullptr : builtIn(name);
  return arrow ? OdString(arrow->name) : name;
}
