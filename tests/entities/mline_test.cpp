// Multilines through their extension: the style shown read-only, the
// justification and scale changes that keep the vertices and recompute the
// band, and the listing of every vertex.
#include <cmath>
#include "KdModuleTest.h"
#include "Db/DbDictionary.h"
#include "Db/DbMline.h"

using namespace kdtest;

namespace {
struct MlineProperties : ::testing::Test {
  Drawing drawing;
  OdDbObjectId style;
  void SetUp() override {
    OdDbDictionaryPtr nod = drawing.db->getNamedObjectsDictionaryId().safeOpenObject(OdDb::kForWrite);
    OdDbDictionaryPtr styles = OdDbDictionary::createObject();
    nod->setAt(L"ACAD_MLINESTYLE", styles);
    OdDbMlineStylePtr s = OdDbMlineStyle::createObject();
    s->setName(L"Pair");
    s->addElement(0.5, 1, L"BYLAYER");
    s->addElement(-0.5, 2, L"BYLAYER");
    style = styles->setAt(L"Pair", s);
  }
  OdDbMlinePtr mline(std::initializer_list<OdGePoint3d> points) {
    OdDbMlinePtr m = drawing.add(OdDbMline::createObject());
    m->setStyle(style);
    for (const OdGePoint3d& p : points) m->appendSeg(p);
    return m;
  }
};
}  // namespace

TEST_F(MlineProperties, RowsAndStyle) {
  OdDbMlinePtr m = mline({OdGePoint3d(0, 0, 0), OdGePoint3d(4, 0, 0)});
  auto c = describe(m);
  ASSERT_EQ(c->GetCount(), 8 + 3);
  EXPECT_EQ(c->GetAt(8)->GetName(), L"RLineStyle");
  EXPECT_EQ(c->GetAt(10)->GetIcon().path(), L":/Misc/Misc_MLineScale.png");
  EXPECT_EQ(propertiesOf(m)->GetDisplayName(m), L"RichLine");
  EXPECT_EQ(get(m, "RLineStyle").GetString(), L"Pair");
  EXPECT_TRUE(isReadOnly(m, "RLineStyle"));
  EXPECT_FALSE(isReadOnly(m, "RLine scale"));
  const CKdVariantCollection j = get(m, "RLine justification").GetCollection();
  ASSERT_EQ(j.GetCount(), 3);
  EXPECT_EQ(j.GetAt(2).GetValue().GetString(), L"Bottom");
  EXPECT_EQ(j.GetSelectedIndex(), 0);
  // A style that does not open: no value.
  OdDbMlinePtr orphan = drawing.add(OdDbMline::createObject());
  EXPECT_EQ(get(orphan, "RLineStyle").GetType(), CKdVariant::kEmpty);
}

TEST_F(MlineProperties, ScaleAndJustificationKeepVerticesAndRecomputeTheBand) {
  // A right-angle turn: the miter at the corner halves it, at 45 degrees to each segment.
  OdDbMlinePtr m = mline({OdGePoint3d(0, 0, 0), OdGePoint3d(4, 0, 0), OdGePoint3d(4, 3, 0)});
  ASSERT_EQ(m->elementParametersAt(1, 0).size(), 2u);
  EXPECT_NEAR(m->elementParametersAt(1, 0)[0], 0.0, 1e-12);  // top justification: the top element is the path
  EXPECT_EQ(set(m, "RLine scale", CKdVariant(3.0, true)), 5100);
  EXPECT_EQ(m->scale(), 3.0);
  EXPECT_EQ(m->vertexAt(1), OdGePoint3d(4, 0, 0));
  EXPECT_NEAR(m->elementParametersAt(1, 1)[0], -1.0 * 3.0 / std::sin(M_PI / 4), 1e-12);
  EXPECT_EQ(set(m, "RLine justification", choice(1)), 5100);
  EXPECT_EQ(m->justification(), Mline::kZero);
  EXPECT_NEAR(m->elementParametersAt(0, 0)[0], 0.5 * 3.0, 1e-12);  // the ends stand square
  EXPECT_NEAR(m->elementParametersAt(2, 1)[0], -0.5 * 3.0, 1e-12);
  EXPECT_TRUE(m->miterDirectionAt(1).isEqualTo(OdGeVector3d(-1, 1, 0).normal()));
  const OdGePoint3d path[] = {{0, 0, 0}, {4, 0, 0}, {4, 3, 0}};
  for (int i = 0; i < 3; ++i) EXPECT_EQ(m->vertexAt(i), path[i]);
  // Refused values change nothing.
  EXPECT_EQ(set(m, "RLine scale", CKdVariant(CKdString(L"2"))), -5001);
  EXPECT_EQ(set(m, "RLine scale", CKdVariant(std::nan(""), true)), -5001);
  EXPECT_EQ(m->scale(), 3.0);
}

TEST_F(MlineProperties, ListingNumbersTheVerticesFromZero) {
  OdDbMlinePtr m = mline({OdGePoint3d(0, 0, 0), OdGePoint3d(4, 0, 0), OdGePoint3d(4, 3, 0)});
  m->setJustification(Mline::kBottom);
  auto listing = list(m);
  EXPECT_EQ(item(*listing, "Justification").text, L"Bottom");
  EXPECT_EQ(item(*listing, "Scale").number, 1.0);
  EXPECT_EQ(item(*listing, "Multiline style").text, L"Pair");
  EXPECT_EQ(item(*listing, "Vertex 0").point, OdGePoint3d(0, 0, 0));
  EXPECT_EQ(item(*listing, "Vertex 2").point, OdGePoint3d(4, 3, 0));
  EXPECT_FALSE(hasItem(*listing, "Vertex 3"));
}
