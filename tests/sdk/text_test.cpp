// Single-line text and text styles: justification geometry by the documented
// approximation, mirroring, style settings, and angles in files.
#include <gtest/gtest.h>
#include <cmath>
#include "Db/DbDatabase.h"
#include "Db/DbField.h"
#include "Db/DbSymbolTable.h"
#include "Db/DbText.h"
#include "Db/DbTextStyleTableRecord.h"
#include "Dxf/DxfFile.h"

namespace {
const double kPi = 3.14159265358979323846;
OdDbTextPtr text(const wchar_t* s, double height) {
  OdDbTextPtr t = OdDbText::createObject();
  t->setTextString(s);
  t->setHeight(height);
  return t;
}
}  // namespace

TEST(Text, BoundingPointsFollowHeightWidthAndLength) {
  OdDbTextPtr t = text(L"ABCDE", 2.0);  // 5 characters: 0.6 * 2 * 5 = 6 wide
  t->setPosition(OdGePoint3d(1, 1, 0));
  OdArray<OdGePoint3d> box;
  t->getBoundingPoints(box);
  ASSERT_EQ(box.size(), 4u);
  EXPECT_NEAR(box[1].x, 7.0, 1e-12);  // index 1: top right
  EXPECT_NEAR(box[1].y, 3.0, 1e-12);
  EXPECT_NEAR(box[2].x, 1.0, 1e-12);  // bottom left is the position
  t->setRotation(kPi / 2);
  t->getBoundingPoints(box);
  EXPECT_NEAR(box[3].x, 1.0, 1e-12);
  EXPECT_NEAR(box[3].y, 7.0, 1e-12);
}

TEST(Text, AlignmentPutsThePositionWhereTheJustificationWantsIt) {
  OdDbTextPtr t = text(L"ABCDE", 2.0);
  t->setAlignmentPoint(OdGePoint3d(10, 10, 0));
  t->setHorizontalMode(OdDb::kTextRight);
  t->setVerticalMode(OdDb::kTextTop);
  t->adjustAlignment();
  EXPECT_NEAR(t->position().x, 4.0, 1e-12);
  EXPECT_NEAR(t->position().y, 8.0, 1e-12);
  t->setHorizontalMode(OdDb::kTextMid);
  t->setVerticalMode(OdDb::kTextBase);
  t->adjustAlignment();
  EXPECT_NEAR(t->position().x, 7.0, 1e-12);
  EXPECT_NEAR(t->position().y, 9.0, 1e-12);
  // Aligned: the two points give the direction and the height.
  t->setPosition(OdGePoint3d(0, 0, 0));
  t->setAlignmentPoint(OdGePoint3d(0, 12, 0));
  t->setHorizontalMode(OdDb::kTextAlign);
  t->adjustAlignment();
  EXPECT_NEAR(t->rotation(), kPi / 2, 1e-12);
  EXPECT_NEAR(t->height(), 4.0, 1e-12);
  // Fit: the width factor instead.
  t->setHorizontalMode(OdDb::kTextFit);
  t->setAlignmentPoint(OdGePoint3d(24, 0, 0));
  t->adjustAlignment();
  EXPECT_NEAR(t->widthFactor(), 2.0, 1e-12);
  EXPECT_NEAR(t->height(), 4.0, 1e-12);
  EXPECT_EQ(t->setHorizontalMode(OdDb::TextHorzMode(6)), eInvalidInput);
  EXPECT_EQ(t->setHeight(-1.0), eInvalidInput);
  EXPECT_EQ(t->setWidthFactor(0.0), eInvalidInput);
}

TEST(Text, MirroringAndStyleSettings) {
  OdDbTextPtr t = text(L"x", 1.0);
  t->mirrorInX(true);
  EXPECT_TRUE(t->isMirroredInX());
  EXPECT_FALSE(t->isMirroredInY());
  t->mirrorInY(true);
  t->mirrorInX(false);
  EXPECT_TRUE(t->isMirroredInY());
  EXPECT_FALSE(t->isMirroredInX());

  OdDbDatabasePtr db(new OdDbDatabase, kOdRxObjAttach);
  OdDbSymbolTablePtr styles = db->getTextStyleTableId().safeOpenObject(OdDb::kForWrite);
  OdDbTextStyleTableRecordPtr style = OdDbTextStyleTableRecord::createObject();
  style->setName(L"Narrow");
  const OdDbObjectId id = styles->add(style);
  style->setTypeface(L"Arial Narrow");
  style->setIsUpsideDown(true);
  style->setXScale(0.75);
  EXPECT_EQ(style->typeface(), OdString(L"Arial Narrow"));
  EXPECT_TRUE(style->isUpsideDown());
  EXPECT_FALSE(style->isBackwards());
  EXPECT_EQ(style->setXScale(0.0), eInvalidInput);
  style.release();
  styles.release();
  OdDbDatabasePtr back = odDxfReadString(odDxfWriteString(db), "styles.dxf");
  OdDbTextStyleTableRecordPtr read = back->getOdDbObjectId(id.getHandle()).safeOpenObject();
  EXPECT_EQ(read->typeface(), OdString(L"Arial Narrow"));
  EXPECT_TRUE(read->isUpsideDown());
  EXPECT_EQ(read->xScale(), 0.75);
}

TEST(Text, AnglesAndModesSurviveAFile) {
  OdDbDatabasePtr db(new OdDbDatabase, kOdRxObjAttach);
  OdDbBlockTableRecordPtr ms = db->getModelSpaceId().safeOpenObject(OdDb::kForWrite);
  OdDbTextPtr t = text(L"Caf\u00e9", 0.5);
  const OdDbObjectId id = ms->appendOdDbEntity(t);
  t->setRotation(kPi / 7);
  t->setOblique(-0.25);
  t->setHorizontalMode(OdDb::kTextCenter);
  t->setVerticalMode(OdDb::kTextTop);
  t->setAlignmentPoint(OdGePoint3d(3, 4, 0));
  t.release();
  ms.release();
  OdDbDatabasePtr back = odDxfReadString(odDxfWriteString(db), "texts.dxf");
  OdDbTextPtr read = back->getOdDbObjectId(id.getHandle()).safeOpenObject();
  EXPECT_EQ(read->rotation(), kPi / 7);
  EXPECT_EQ(read->oblique(), -0.25);
  EXPECT_EQ(read->verticalMode(), OdDb::kTextTop);
  EXPECT_EQ(read->horizontalMode(), OdDb::kTextCenter);
  EXPECT_EQ(read->alignmentPoint(), OdGePoint3d(3, 4, 0));
  EXPECT_EQ(read->textString(), OdString(L"Caf\u00e9"));
  EXPECT_EQ(read->textStyle(), back->header().textstyle);
}

TEST(Text, FieldsAreAttachedUnderAPropertyNameAndSurviveAFile) {
  OdDbDatabasePtr db(new OdDbDatabase, kOdRxObjAttach);
  OdDbBlockTableRecordPtr ms = db->getModelSpaceId().safeOpenObject(OdDb::kForWrite);
  OdDbTextPtr t = text(L"Sheet 3", 1.0);
  const OdDbObjectId id = ms->appendOdDbEntity(t);
  EXPECT_TRUE(t->getField(L"TEXT").isNull());
  OdDbFieldPtr field = OdDbField::createObject();
  ASSERT_EQ(t->setField(L"TEXT", field), eOk);
  OdDbFieldPtr child = OdDbField::createObject();
  OdDbObjectIdArray children;
  children.append(db->addOdDbObject(child, field->objectId()));
  field->setFieldCode(std::wstring(300, L'a') + L"Sheet %<\\_FldIdx 0>%", OdDbField::kTextField, &children);
  EXPECT_EQ(t->getField(L"TEXT"), field->objectId());
  field.release();
  child.release();
  t.release();
  ms.release();
  OdDbDatabasePtr back = odDxfReadString(odDxfWriteString(db), "fields.dxf");
  OdDbTextPtr read = back->getOdDbObjectId(id.getHandle()).safeOpenObject(OdDb::kForWrite);
  OdDbFieldPtr readField = read->getField(L"TEXT").safeOpenObject();
  EXPECT_EQ(readField->getFieldCode(), OdString(std::wstring(300, L'a') + L"Sheet %<\\_FldIdx 0>%"));
  EXPECT_TRUE(readField->isTextField());
  ASSERT_EQ(readField->childCount(), 1);
  EXPECT_EQ(readField->childId(0).getHandle(), children[0].getHandle());
  readField.release();
  EXPECT_EQ(read->removeField(L"TEXT"), eOk);
  EXPECT_TRUE(read->getField(L"TEXT").isNull());
}
