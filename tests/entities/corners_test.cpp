// Traces, solids, 3D faces and shapes through their extensions: corners as
// a vertex list addressed by index, coordinates in the UCS, face edges,
// shape angles and widths, and the listings.
#include <cmath>
#include "KdModuleTest.h"
#include "Db/DbCorners.h"
#include "Db/DbShape.h"
#include "Db/DbTextStyleTableRecord.h"

using namespace kdtest;

namespace {
struct CornerProperties : ::testing::Test {
  Drawing drawing;
  void SetUp() override { GetKdSystemServices()->ClearRecords(); }
  template <class T, class Set>
  OdSmartPtr<T> withCorners(OdSmartPtr<T> e, Set set) {
    const OdGePoint3d corners[] = {{0, 0, 0}, {4, 0, 0}, {0, 2, 0}, {4, 2, 1}};
    for (int i = 0; i < 4; ++i) set(*e, i, corners[i]);
    return e;
  }
  OdDbSolidPtr solid() {
    return withCorners(drawing.add(OdDbSolid::createObject()), [](OdDbSolid& s, int i, const OdGePoint3d& p) { s.setPointAt(i, p); });
  }
  OdDbFacePtr face() {
    return withCorners(drawing.add(OdDbFace::createObject()), [](OdDbFace& f, int i, const OdGePoint3d& p) { f.setVertexAt(i, p); });
  }
  double number(const OdDbObject* o, const char* name, long index = 0) {
    const CKdVariant v = get(o, name, CKdVariant(index));
    EXPECT_EQ(v.GetType(), CKdVariant::kDouble) << name;
    return v.GetDouble();
  }
  const std::vector<CKdMessageRecord>& messages() const { return GetKdSystemServices()->Messages(); }
};
}  // namespace

TEST_F(CornerProperties, RowsOfEachClass) {
  OdDbTracePtr trace = drawing.add(OdDbTrace::createObject());
  EXPECT_EQ(names(*describe(trace)),
            (std::vector<std::string>{"General/LineColor", "General/Layer", "General/LineStyle", "General/LineScale",
                                      "General/PrintStyle", "General/LineWeight", "General/Hyperlink", "General/Transparency",
                                      "General/Thickness", "Geometry/Vertex", "Geometry/Vertex X", "Geometry/Vertex Y",
                                      "Geometry/Vertex Z"}));
  EXPECT_EQ(propertiesOf(trace)->GetDisplayName(trace), L"Trace");
  OdDbFacePtr f = face();
  auto c = describe(f);
  ASSERT_EQ(c->GetCount(), 8 + 8);
  EXPECT_EQ(c->GetAt(8)->GetType().GetCustomTypeGuid(), CKdString(CKdPropertyType::kVertexGUID));
  EXPECT_EQ(c->GetAt(8)->GetType().GetType(), 6);
  EXPECT_TRUE(c->GetAt(12)->GetIcon().path().isEmpty());
  EXPECT_EQ(c->GetAt(15)->GetName(), L"Edge 4");
  OdDbShapePtr shape = drawing.add(OdDbShape::createObject());
  EXPECT_EQ(names(*describe(shape)).size(), 8u + 9u);
  EXPECT_TRUE(isReadOnly(shape, "Name"));
  EXPECT_EQ(propertiesOf(shape)->GetDisplayName(shape), L"Shape");
}

TEST_F(CornerProperties, CornersByIndexInTheUcs) {
  OdDbSolidPtr s = solid();
  // Index 7 of a solid is its last corner.
  EXPECT_DOUBLE_EQ(number(s, "Vertex X", 7), 4.0);
  EXPECT_DOUBLE_EQ(number(s, "Vertex Z", 3), 1.0);
  OdDbFacePtr f = face();
  EXPECT_DOUBLE_EQ(number(f, "Vertex Y", 2), 2.0);
  // A turned UCS: X along world Y.
  drawing.db->setCurrentUCS(OdGePoint3d(1, 1, 0), OdGeVector3d(0, 1, 0), OdGeVector3d(-1, 0, 0));
  EXPECT_DOUBLE_EQ(number(s, "Vertex X", 1), -1.0);
  EXPECT_DOUBLE_EQ(number(s, "Vertex Y", 1), -3.0);
  EXPECT_EQ(set(s, "Vertex X", CKdVariant(5.0, true), CKdVariant(1L)), 5100);
  OdGePoint3d p;
  s->getPointAt(1, p);
  EXPECT_TRUE(p.isEqualTo(OdGePoint3d(4, 6, 0)));
  // The list: four corners in world coordinates, the first selected.
  const CKdVariantCollection list = get(s, "Vertex").GetCollection();
  ASSERT_EQ(list.GetCount(), 4);
  EXPECT_EQ(list.GetSelectedIndex(), 0);
  EXPECT_TRUE(list.GetAt(1).GetValue().GetPoint3d().isEqualTo(OdGePoint3d(4, 6, 0)));
  EXPECT_EQ(list.GetAt(3).GetTag().GetInt32(), 3);
  // Storing a list: corners in order, a fifth element goes nowhere.
  CKdVariantCollection moved;
  for (int i = 0; i < 5; ++i) moved.Add(CKdVariantCollectionElement(CKdVariant(OdGePoint3d(i, i, 0)), CKdVariant(long(i))));
  EXPECT_EQ(set(f, "Vertex", CKdVariant(moved)), 5100);
  f->getVertexAt(3, p);
  EXPECT_TRUE(p.isEqualTo(OdGePoint3d(3, 3, 0)));
  // A negative index names no corner.
  EXPECT_TRUE(get(f, "Vertex X", CKdVariant(-1L)).IsEmpty());
  EXPECT_EQ(set(f, "Vertex X", CKdVariant(1.0, true), CKdVariant(-1L)), -5001);
}

TEST_F(CornerProperties, FaceEdgesAndListing) {
  OdDbFacePtr f = face();
  f->makeEdgeInvisibleAt(0);
  const CKdVariantCollection edge = get(f, "Edge 1").GetCollection();
  EXPECT_EQ(edge.GetAt(edge.GetSelectedIndex()).GetValue().GetString(), L"Hidden");
  EXPECT_EQ(get(f, "Edge 2").GetCollection().GetSelectedIndex(), 0);  // "Visible"
  const auto answer = [](long tag) { return CKdVariant(CKdVariantCollectionElement(CKdVariant(CKdString(L"?")), CKdVariant(tag))); };
  EXPECT_EQ(set(f, "Edge 4", answer(0)), 5100);
  EXPECT_EQ(set(f, "Edge 1", answer(1)), 5100);
  EXPECT_EQ(set(f, "Edge 2", answer(5)), 5100);  // no change
  bool visible = false;
  f->isEdgeVisibleAt(3, visible);
  EXPECT_FALSE(visible);
  f->isEdgeVisibleAt(0, visible);
  EXPECT_TRUE(visible);
  f->isEdgeVisibleAt(1, visible);
  EXPECT_TRUE(visible);
  auto listing = list(f);
  EXPECT_TRUE(item(*listing, "forth point").point.isEqualTo(OdGePoint3d(4, 2, 1)));
  EXPECT_TRUE(item(*listing, "first point").point.isEqualTo(OdGePoint3d(0, 0, 0)));
  // Traces and solids list the common header only.
  auto solidListing = list(solid());
  EXPECT_EQ(solidListing->Records()[0].text, L"SOLID");
  EXPECT_FALSE(hasItem(*solidListing, "first point"));
}

TEST_F(CornerProperties, ShapeAnglesWidthAndListing) {
  {
    OdDbSymbolTablePtr styles = drawing.db->getTextStyleTableId().safeOpenObject(OdDb::kForWrite);
    OdDbTextStyleTableRecordPtr shapes = OdDbTextStyleTableRecord::createObject();
    shapes->setName(L"Symbols");
    shapes->setFileName(L"symbols");
    shapes->setIsShapeFile(true);
    styles->add(shapes);
  }
  OdDbShapePtr s = drawing.add(OdDbShape::createObject());
  s->setName(L"ARROW");
  s->setSize(2.0);
  s->setRotation(-M_PI / 4);
  s->setLinetypeScale(0.5);
  EXPECT_NEAR(get(s, "Rotation").GetDouble(), 7 * M_PI / 4, 1e-12);
  EXPECT_EQ(get(s, "Name").GetString(), L"ARROW");
  EXPECT_EQ(set(s, "Width factor", CKdVariant(0.0, true)), -5001);
  ASSERT_EQ(messages().size(), 1u);
  EXPECT_EQ(messages()[0].text, L"Invalid value for property Width factor");
  EXPECT_EQ(messages()[0].title, L"Error");
  EXPECT_EQ(s->widthFactor(), 1.0);
  EXPECT_EQ(set(s, "Width factor", CKdVariant(0.75, true)), 5100);
  EXPECT_EQ(s->widthFactor(), 0.75);
  EXPECT_EQ(set(s, "Obliquing", CKdVariant(-0.25, true)), 5100);
  EXPECT_NEAR(get(s, "Obliquing").GetDouble(), 2 * M_PI - 0.25, 1e-12);
  auto listing = list(s);
  EXPECT_EQ(item(*listing, "ARROW").text, L"symbols.shx");
  EXPECT_DOUBLE_EQ(item(*listing, "scale").number, 0.5);  // the line style scale, not the size
  EXPECT_NEAR(item(*listing, "rotation angle").number, -M_PI / 4, 1e-12);
}
