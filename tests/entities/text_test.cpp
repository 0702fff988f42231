// Single-line text through its extension: justification with the carry-over
// of points, read-only rules, angles, sizes, style and mirroring, listing.
#include <cmath>
#include "KdModuleTest.h"
#include "Db/DbField.h"
#include "Db/DbText.h"
#include "Db/DbTextStyleTableRecord.h"
#include "Rx/OdError.h"

using namespace kdtest;

namespace {
const double kPi = 3.141592653589793;

struct TextProperties : ::testing::Test {
  Drawing drawing;
  OdDbTextPtr text(OdDb::TextHorzMode h = OdDb::kTextLeft, OdDb::TextVertMode v = OdDb::kTextBase) {
    OdDbTextPtr t = drawing.add(OdDbText::createObject());
    t->setTextString(L"ABCDE");
    t->setHeight(2.0);
    t->setHorizontalMode(h);
    t->setVerticalMode(v);
    t->setPosition(OdGePoint3d(1, 1, 0));
    t->setAlignmentPoint(OdGePoint3d(5, 5, 0));
    return t;
  }
  int justify(const OdDbObject* t, long tag) { return set(t, "Justify", choice(tag)); }
  int selected(const OdDbObject* t, const char* name) { return get(t, name).GetCollection().GetSelectedIndex(); }
  OdDbObjectId addStyle(const wchar_t* name, bool upsideDown) {
    OdDbSymbolTablePtr styles = drawing.db->getTextStyleTableId().safeOpenObject(OdDb::kForWrite);
    OdDbTextStyleTableRecordPtr style = OdDbTextStyleTableRecord::createObject();
    style->setName(name);
    style->setIsUpsideDown(upsideDown);
    style->setXScale(0.5);
    style->setObliquingAngle(0.25);
    return styles->add(style);
  }
};
}  // namespace

TEST_F(TextProperties, TableAndJustificationList) {
  OdDbTextPtr t = text();
  auto c = describe(t);
  ASSERT_EQ(c->GetCount(), 24);
  EXPECT_EQ(c->GetAt(9)->GetName(), L"Contents");
  EXPECT_EQ(c->GetAt(9)->GetCategory(), L"Text");
  EXPECT_EQ(c->GetAt(23)->GetName(), L"Backward");
  EXPECT_EQ(c->GetAt(23)->GetIcon().path(), L":/Misc/Misc_Backward.png");
  EXPECT_EQ(propertiesOf(t)->GetDisplayName(t), L"Simplenote");
  const CKdVariant justifications = get(t, "Justify");
  const CKdVariantCollection& list = justifications.GetCollection();
  ASSERT_EQ(list.GetCount(), 15);
  EXPECT_EQ(list.GetAt(8).GetValue().GetString(), L"Top Right");
  EXPECT_EQ(list.GetAt(8).GetTag().GetInt32(), 8);
  // A mode pair no row has shows as "Left".
  OdDbTextPtr odd = text(OdDb::kTextMid, OdDb::kTextBottom);
  EXPECT_EQ(selected(odd, "Justify"), 0);
  EXPECT_EQ(selected(text(OdDb::kTextCenter, OdDb::kTextVertMid), "Justify"), 10);
}

TEST_F(TextProperties, JustificationCarriesThePointsOver) {
  OdDbTextPtr t = text();
  EXPECT_EQ(justify(t, 8), 5100);  // Left to Top Right: the position becomes the alignment point
  EXPECT_EQ(t->alignmentPoint(), OdGePoint3d(1, 1, 0));
  EXPECT_EQ(t->horizontalMode(), OdDb::kTextRight);
  EXPECT_EQ(t->verticalMode(), OdDb::kTextTop);
  t->setAlignmentPoint(OdGePoint3d(9, 9, 0));
  EXPECT_EQ(justify(t, 0), 5100);  // and back: the alignment point becomes the position
  EXPECT_EQ(t->position(), OdGePoint3d(9, 9, 0));
  EXPECT_EQ(t->verticalMode(), OdDb::kTextBase);
  // The justification it has already: nothing changes.
  const OdGePoint3d before = t->position();
  EXPECT_EQ(justify(t, 0), 5100);
  EXPECT_EQ(t->position(), before);
  EXPECT_EQ(justify(t, 15), -5001);
  EXPECT_EQ(set(t, "Justify", CKdVariant(3L)), -5001);
}

TEST_F(TextProperties, LeavingAlignedOrFitResetsAndEnteringThemUsesTheBox) {
  OdDbTextPtr t = text();
  EXPECT_EQ(justify(t, 3), 5100);  // Aligned: the box's right end is the alignment point
  EXPECT_EQ(t->horizontalMode(), OdDb::kTextAlign);
  EXPECT_NEAR(t->alignmentPoint().x, 1 + 0.6 * 2 * 5, 1e-12);
  EXPECT_NEAR(t->alignmentPoint().y, 1.0, 1e-12);
  EXPECT_TRUE(isReadOnly(t, "Rotation"));
  EXPECT_FALSE(isReadOnly(t, "Position X"));
  t->setRotation(0.5);
  t->setHeight(3.0);
  EXPECT_EQ(justify(t, 1), 5100);  // Aligned to Center: rotation 0 and height 1 first
  EXPECT_EQ(t->rotation(), 0.0);
  EXPECT_EQ(t->height(), 1.0);
  EXPECT_EQ(t->horizontalMode(), OdDb::kTextCenter);
  OdDbTextPtr fit = text(OdDb::kTextFit);
  fit->setWidthFactor(3.0);
  fit->setRotation(1.0);
  EXPECT_EQ(justify(fit, 2), 5100);
  EXPECT_EQ(fit->widthFactor(), 1.0);
  EXPECT_EQ(fit->rotation(), 0.0);
}

TEST_F(TextProperties, ReadOnlyRulesFollowTheJustification) {
  for (long tag = 0; tag < 15; ++tag) {
    OdDbTextPtr t = text();
    justify(t, tag);
    SCOPED_TRACE(tag);
    EXPECT_EQ(isReadOnly(t, "Position X"), !(tag == 0 || tag == 3 || tag == 5));
    EXPECT_EQ(isReadOnly(t, "Text alignment X"), tag == 0);
    EXPECT_EQ(isReadOnly(t, "Rotation"), tag == 3 || tag == 5);
  }
}

TEST_F(TextProperties, AnglesSizesAndContents) {
  OdDbTextPtr t = text();
  t->setRotation(-kPi / 2);
  EXPECT_NEAR(get(t, "Rotation").GetDouble(), 3 * kPi / 2, 1e-12);
  t->setOblique(-0.1);
  EXPECT_NEAR(get(t, "Angle").GetDouble(), 2 * kPi - 0.1, 1e-12);
  EXPECT_EQ(set(t, "Height", CKdVariant(1e-11, true)), 5100);
  EXPECT_EQ(t->height(), 2.0);
  EXPECT_EQ(set(t, "Height", CKdVariant(-3.0, true)), 5100);  // the drawing refuses it
  EXPECT_EQ(t->height(), 2.0);
  EXPECT_EQ(set(t, "Spacing", CKdVariant(0.75, true)), 5100);
  EXPECT_EQ(t->widthFactor(), 0.75);
  EXPECT_EQ(set(t, "Rotation", CKdVariant(CKdString(L"1"))), -5001);
  EXPECT_EQ(set(t, "Contents", CKdVariant(CKdString(L"New"))), 5100);
  EXPECT_EQ(t->textString(), OdString(L"New"));
  EXPECT_EQ(set(t, "Contents", CKdVariant(1.0, true)), -5001);
  EXPECT_EQ(set(t, "Position X", CKdVariant(4.0, true)), 5100);
  EXPECT_EQ(t->position().x, 4.0);
}

TEST_F(TextProperties, StyleChangeTakesTheStylesSettingsAndGuardsMirroring) {
  OdDbTextPtr t = text();
  const OdDbObjectId flipped = addStyle(L"Flipped", true);
  const CKdVariant styleList = get(t, "TextStyle");
  const CKdVariantCollection& styles = styleList.GetCollection();
  ASSERT_EQ(styles.GetCount(), 2);
  EXPECT_EQ(styles.GetAt(1).GetTag().GetId(), flipped);
  EXPECT_EQ(styles.GetSelectedIndex(), 0);
  EXPECT_EQ(set(t, "TextStyle", CKdVariant(styles.GetAt(1))), 5100);
  EXPECT_EQ(t->textStyle(), flipped);
  EXPECT_EQ(t->widthFactor(), 0.5);
  EXPECT_EQ(t->oblique(), 0.25);
  EXPECT_TRUE(t->isMirroredInY());
  EXPECT_TRUE(isReadOnly(t, "UpsideDown"));
  EXPECT_FALSE(isReadOnly(t, "Backward"));
  EXPECT_EQ(selected(t, "UpsideDown"), 0);
  EXPECT_EQ(set(t, "Backward", choice(1)), 5100);
  EXPECT_TRUE(t->isMirroredInX());
  EXPECT_EQ(set(t, "Backward", choice(7)), 5100);  // any other tag keeps it
  EXPECT_TRUE(t->isMirroredInX());
  EXPECT_EQ(set(t, "Backward", choice(0)), 5100);
  EXPECT_FALSE(t->isMirroredInX());
  // A layer given as a style is an error of the drawing.
  const CKdVariant layer(CKdVariantCollectionElement(CKdVariant(), CKdVariant(drawing.db->getLayerZeroId())));
  EXPECT_THROW(set(t, "TextStyle", layer), OdError_NotThatKindOfClass);
}

TEST_F(TextProperties, Listing) {
  OdDbTextPtr t = text();
  auto listing = list(t);
  EXPECT_EQ(listing->Records()[0].text, L"SIMPLENOTE");
  EXPECT_EQ(item(*listing, "TextStyle").text, L"Standard");
  EXPECT_EQ(item(*listing, "text").text, L"ABCDE");
  EXPECT_EQ(item(*listing, "Start point").point, OdGePoint3d(1, 1, 0));
  EXPECT_TRUE(hasItem(*listing, "Typeface"));
  EXPECT_EQ(listing->Records().back().label, L"obliquing angle");
  // Without a style that opens, the header is all.
  OdDbTextPtr orphan = drawing.add(OdDbText::createObject());
  orphan->setTextStyle(drawing.db->getLayerZeroId());
  EXPECT_FALSE(hasItem(*list(orphan), "TextStyle"));
}

TEST_F(TextProperties, ContentsKeepTheChildFieldsTheTextStillShows) {
  OdDbTextPtr t = text();
  t->setTextString(L"Drawn 2026 by Alice");
  OdDbFieldPtr field = OdDbField::createObject();
  ASSERT_EQ(t->setField(L"TEXT", field), eOk);
  OdDbObjectIdArray children;
  for (const wchar_t* shown : {L"Alice", L"2026", L"Sheet 3"}) {
    OdDbFieldPtr child = OdDbField::createObject();
    child->setEvaluatedText(shown);
    children.append(drawing.db->addOdDbObject(child, field->objectId()));
  }
  field->setFieldCode(L"Drawn %<\\_FldIdx 1>% by %<\\_FldIdx 0>%", OdDbField::kTextField, &children);
  const OdDbObjectId fieldId = field->objectId();
  field.release();

  // Alice and 2026 are still shown, the sheet is not: two children, numbered in the order found.
  EXPECT_EQ(set(t, "Contents", CKdVariant(CKdString(L"Checked by Alice in 2026"))), 5100);
  OdDbFieldPtr kept = fieldId.safeOpenObject();
  EXPECT_EQ(kept->getFieldCode(), OdString(L"Checked by %<\\_FldIdx 0>% in %<\\_FldIdx 1>%"));
  EXPECT_TRUE(kept->isTextField());
  ASSERT_EQ(kept->childCount(), 2);
  EXPECT_EQ(kept->childId(0), children[0]);
  EXPECT_EQ(kept->childId(1), children[1]);
  EXPECT_EQ(t->textString(), OdString(L"Drawn 2026 by Alice"));  // the field holds the text now
  kept.release();

  // A text that shows none of them drops the field and takes the string.
  EXPECT_EQ(set(t, "Contents", CKdVariant(CKdString(L"Plain"))), 5100);
  EXPECT_TRUE(t->getField(L"TEXT").isNull());
  EXPECT_TRUE(fieldId.isErased());
  EXPECT_EQ(t->textString(), OdString(L"Plain"));
}
