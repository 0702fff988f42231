// Dimensions in the database: the settings of a dimension over its style,
// the measurement of the linear kinds, the text they show and the block
// they draw.
#include <gtest/gtest.h>
#include <cmath>
#include "Db/DbDatabase.h"
#include "Db/DbDimStyleTableRecord.h"
#include "Db/DbDimension.h"
#include "Db/DbLine.h"
#include "Db/DbMText.h"
#include "Db/DbPolyline.h"
#include "Db/DbSymbolTable.h"

namespace {
struct Dimensions : ::testing::Test {
  OdDbDatabasePtr db = OdDbDatabasePtr(new OdDbDatabase, kOdRxObjAttach);
  template <class T>
  OdSmartPtr<T> add(OdSmartPtr<T> e) {
    OdDbBlockTableRecordPtr ms = db->getModelSpaceId().safeOpenObject(OdDb::kForWrite);
    ms->appendOdDbEntity(e);
    return e;
  }
  OdDbRotatedDimensionPtr rotated() {
    OdDbRotatedDimensionPtr d = add(OdDbRotatedDimension::createObject());
    d->setXLine1Point(OdGePoint3d(0, 0, 0));
    d->setXLine2Point(OdGePoint3d(4, 0, 0));
    d->setDimLinePoint(OdGePoint3d(4, -2, 0));
    d->setTextPosition(OdGePoint3d(2, -2, 0));
    return d;
  }
  // The entities a block holds, erased ones left out.
  static std::vector<OdDbObjectId> live(const OdDbBlockTableRecord& block) {
    std::vector<OdDbObjectId> out;
    for (const OdDbObjectId& id : block.entityIds())
      if (!id.isErased()) out.push_back(id);
    return out;
  }
};
}  // namespace

TEST_F(Dimensions, NewDimensionsTakeTheCurrentStyleAndItsSettings) {
  OdDbDimStyleTableRecordPtr standard = db->header().dimstyle.safeOpenObject(OdDb::kForWrite);
  standard->setDimasz(0.5);
  OdDbRotatedDimensionPtr d = rotated();
  EXPECT_EQ(d->dimensionStyle(), db->header().dimstyle);
  EXPECT_DOUBLE_EQ(d->dimasz(), 0.5);
  standard->setDimasz(0.75);  // the style's value shows until the dimension has its own
  EXPECT_DOUBLE_EQ(d->dimasz(), 0.75);
  d->setDimasz(0.2);
  standard->setDimasz(0.9);
  EXPECT_DOUBLE_EQ(d->dimasz(), 0.2);
  EXPECT_EQ(d->setDimensionStyle(db->getLayerZeroId()), eInvalidInput);
  EXPECT_DOUBLE_EQ(d->dimcen(), 0.09);  // a default of the table
  EXPECT_EQ(d->dimdsep(), L'.');
}

TEST_F(Dimensions, TextFromTheMeasurementAndTheSettings) {
  OdDbRotatedDimensionPtr d = rotated();
  d->setDimdec(2);
  EXPECT_EQ(d->formattedText(), OdString(L"4.00"));
  d->setDimzin(8);
  EXPECT_EQ(d->formattedText(), OdString(L"4"));
  d->setDimzin(0);
  d->setDimpost(L"L=<> m");
  EXPECT_EQ(d->formattedText(), OdString(L"L=4.00 m"));
  d->setDimpost(L" mm");
  EXPECT_EQ(d->formattedText(), OdString(L"4.00 mm"));
  d->setDimpost(L"");
  d->setDimlfac(0.125);
  d->setDimdsep(L',');
  d->setDimzin(4);
  EXPECT_EQ(d->formattedText(), OdString(L",50"));
  d->setDimlfac(1.0);
  d->setXLine2Point(OdGePoint3d(4.1, 0, 0));
  d->setDimrnd(0.25);
  d->setDimzin(0);
  EXPECT_EQ(d->formattedText(), OdString(L"4,00"));
  d->setDimensionText(L"about <>");
  EXPECT_EQ(d->formattedText(), OdString(L"about 4,00"));
  d->setDimensionText(L" ");
  EXPECT_EQ(d->formattedText(), OdString());
}

TEST_F(Dimensions, LinearDimensionsDrawTheirBlock) {
  OdDbRotatedDimensionPtr d = rotated();
  d->setDimasz(0.25);
  d->setDimexo(0.1);
  d->setDimexe(0.2);
  d->setDimdec(1);
  ASSERT_EQ(d->recomputeDimBlock(), eOk);
  OdDbBlockTableRecordPtr block = d->dimBlockId().safeOpenObject();
  EXPECT_EQ(block->getName(), OdString(L"*D1"));
  ASSERT_EQ(block->entityIds().size(), 6u);
  OdDbLinePtr first = block->entityIds()[0].safeOpenObject();
  EXPECT_TRUE(first->startPoint().isEqualTo(OdGePoint3d(0, -0.1, 0)));
  EXPECT_TRUE(first->endPoint().isEqualTo(OdGePoint3d(0, -2.2, 0)));
  OdDbLinePtr dimLine = block->entityIds()[2].safeOpenObject();
  EXPECT_TRUE(dimLine->startPoint().isEqualTo(OdGePoint3d(0, -2, 0)));
  EXPECT_TRUE(dimLine->endPoint().isEqualTo(OdGePoint3d(4, -2, 0)));
  OdDbPolylinePtr arrow = block->entityIds()[3].safeOpenObject();
  OdGePoint3d tail, tip;
  arrow->getPointAt(0, tail);
  arrow->getPointAt(1, tip);
  EXPECT_TRUE(tail.isEqualTo(OdGePoint3d(0.25, -2, 0)));
  EXPECT_TRUE(tip.isEqualTo(OdGePoint3d(0, -2, 0)));
  OdDbMTextPtr text = block->entityIds()[5].safeOpenObject();
  EXPECT_EQ(text->contents(), OdString(L"4.0"));
  // Drawn again: the block keeps its name and holds the new drawing only.
  d->setDimse1(true);
  ASSERT_EQ(d->recomputeDimBlock(), eOk);
  block = d->dimBlockId().safeOpenObject();
  EXPECT_EQ(block->getName(), OdString(L"*D1"));
  ASSERT_EQ(live(*block).size(), 5u);
  // Measured along Y the two origins coincide on the dimension line: a line of no length and the text.
  d->setRotation(M_PI / 2);
  ASSERT_EQ(d->recomputeDimBlock(), eOk);
  ASSERT_EQ(live(*block).size(), 2u);
  OdDbMTextPtr again = live(*block)[1].safeOpenObject();
  EXPECT_EQ(again->contents(), OdString(L"0.0"));
  // The aligned kind measures along its points, in its plane.
  OdDbAlignedDimensionPtr a = add(OdDbAlignedDimension::createObject());
  a->setXLine1Point(OdGePoint3d(0, 0, 5));
  a->setXLine2Point(OdGePoint3d(3, 4, -2));
  EXPECT_DOUBLE_EQ(a->getMeasurement(), 5.0);
  a->setNormal(OdGeVector3d(1, 0, 0));
  EXPECT_DOUBLE_EQ(a->getMeasurement(), std::sqrt(16.0 + 49.0));
}
