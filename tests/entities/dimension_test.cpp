// Dimensions through their extensions: the chain of rows, the settings a
// dimension holds over its style, tolerances, styles of a family, arrowheads,
// association and the listings of aligned and rotated dimensions.
#include <cmath>
#include "KdModuleTest.h"
#include "Db/DbDictionary.h"
#include "Db/DbDimStyleTableRecord.h"
#include "Db/DbDimension.h"
#include "Db/DbDeclaredClasses.h"

using namespace kdtest;

namespace {
struct DimensionProperties : ::testing::Test {
  Drawing drawing;
  OdDbObjectId plan;
  void SetUp() override {
    GetKdSystemServices()->ClearRecords();
    plan = addStyle(L"Plan");
  }
  OdDbObjectId addStyle(const wchar_t* name) {
    OdDbSymbolTablePtr styles = drawing.db->getDimStyleTableId().safeOpenObject(OdDb::kForWrite);
    OdDbDimStyleTableRecordPtr s = OdDbDimStyleTableRecord::createObject();
    s->setName(name);
    return styles->add(s);
  }
  OdDbDimStyleTableRecordPtr style(OdDbObjectId id) { return id.safeOpenObject(OdDb::kForWrite); }
  OdDbAlignedDimensionPtr aligned() {
    OdDbAlignedDimensionPtr d = drawing.add(OdDbAlignedDimension::createObject());
    d->setDimensionStyle(plan);
    d->setXLine1Point(OdGePoint3d(1, 1, 0));
    d->setXLine2Point(OdGePoint3d(4, 5, 0));
    d->setDimLinePoint(OdGePoint3d(3, 6, 0));
    d->setTextPosition(OdGePoint3d(2, 4, 0));
    return d;
  }
  OdDbRotatedDimensionPtr rotated() {
    OdDbRotatedDimensionPtr d = drawing.add(OdDbRotatedDimension::createObject());
    d->setDimensionStyle(plan);
    d->setXLine1Point(OdGePoint3d(0, 0, 0));
    d->setXLine2Point(OdGePoint3d(6, 2, 0));
    d->setDimLinePoint(OdGePoint3d(6, 5, 0));
    return d;
  }
  std::vector<std::wstring> labels(const OdDbObject* o, const char* name) {
    std::vector<std::wstring> out;
    const CKdVariantCollection c = get(o, name).GetCollection();
    for (int i = 0; i < c.GetCount(); ++i) out.push_back(c.GetAt(i).GetValue().GetString().wstr());
    return out;
  }
  const std::vector<CKdMessageRecord>& messages() const { return GetKdSystemServices()->Messages(); }
};
}  // namespace

TEST_F(DimensionProperties, GeneralThenDimensionThenFamilyThenKindRows) {
  OdDbAlignedDimensionPtr d = aligned();
  auto c = describe(d);
  const std::vector<std::string> all = names(*c);
  ASSERT_EQ(all.size(), 8u + 27u + 25u + 25u);
  EXPECT_EQ(all[8], "General/Associative");
  EXPECT_EQ(all[8 + 2], "Lines && Arrows/Arrow size");
  EXPECT_EQ(all[8 + 26], "Tolerance/Tolerance text height");
  EXPECT_EQ(all[35], "Lines && Arrows/Arrow 1");
  EXPECT_EQ(all[35 + 24], "Fit/Text inside");
  EXPECT_EQ(all[60], "Text/Fractional type");
  EXPECT_EQ(all[84], "Alternate UnitSystem/Alt suppress zeros inches");
  EXPECT_EQ(propertiesOf(d)->GetDisplayName(d), L"AlignedDimension");
  EXPECT_EQ(propertiesOf(rotated())->GetDisplayName(d), L"RotatedDimension");
  // Icons by the folder of the category.
  EXPECT_EQ(property(*c, "Arrow size").GetIcon().path(), L":/Lines_Arrows/Lines_Arrows_ArrowSize.png");
  EXPECT_EQ(property(*c, "Dim UnitSystem").GetIcon().path(), L":/Primary_units/Primary_units_AltFormat.png");
  EXPECT_EQ(property(*c, "Alt round").GetIcon().path(), L":/Alternate_units/Alternate_units_AltRound.png");
  EXPECT_EQ(property(*c, "DimLine LWeight").GetType().GetCustomTypeGuid(), CKdString(CKdPropertyType::kLineweightGUID));
  EXPECT_EQ(property(*c, "Fill color").GetType().GetCustomTypeGuid(), CKdString(CKdPropertyType::kBackgroundColorGUID));
  // The one-arrow family.
  OdDbRadialDimensionPtr radial = drawing.add(OdDbRadialDimension::createObject());
  EXPECT_EQ(names(*describe(radial)).size(), 8u + 27u + 36u + 3u);
  // The measurement: the distance of the origins, and along the rotation.
  EXPECT_DOUBLE_EQ(get(d, "Measurement").GetDouble(), 5.0);
  OdDbRotatedDimensionPtr r = rotated();
  EXPECT_DOUBLE_EQ(get(r, "Measurement").GetDouble(), 6.0);
  r->setRotation(M_PI / 2);
  EXPECT_DOUBLE_EQ(get(r, "Measurement").GetDouble(), 2.0);
  r->setRotation(M_PI / 6);
  EXPECT_NEAR(get(r, "Measurement").GetDouble(), 6 * std::cos(M_PI / 6) + 2 * std::sin(M_PI / 6), 1e-12);
  EXPECT_TRUE(isReadOnly(r, "Measurement"));
}

TEST_F(DimensionProperties, EditsBecomeTheDimensionsOwnSettingsAndTheStyleKeepsItsValue) {
  style(plan)->setDimasz(0.25);
  OdDbAlignedDimensionPtr d = aligned();
  OdDbAlignedDimensionPtr other = aligned();
  EXPECT_DOUBLE_EQ(get(d, "Arrow size").GetDouble(), 0.25);
  EXPECT_EQ(set(d, "Arrow size", CKdVariant(0.5, true)), 5100);
  EXPECT_DOUBLE_EQ(d->dimasz(), 0.5);
  EXPECT_TRUE(d->hasOverride(OdDbDimVar::dimasz));
  EXPECT_DOUBLE_EQ(style(plan)->dimasz(), 0.25);
  EXPECT_DOUBLE_EQ(get(other, "Arrow size").GetDouble(), 0.25);
  // Zero is an arrow size; zero is no text height.
  EXPECT_EQ(set(d, "Arrow size", CKdVariant(0.0, true)), 5100);
  EXPECT_EQ(d->dimasz(), 0.0);
  const OdResBufPtr before = d->xData();
  EXPECT_EQ(set(d, "Text height", CKdVariant(0.0, true)), -5001);
  ASSERT_EQ(messages().size(), 1u);
  EXPECT_EQ(messages()[0].text, L"Value must be positive");
  EXPECT_EQ(set(d, "ExtLine ext", CKdVariant(-1.0, true)), -5001);
  EXPECT_EQ(messages().back().text, L"Value must be non-negative");
  EXPECT_EQ(set(d, "Dim scale linear", CKdVariant(0.0, false)), -5001);
  EXPECT_EQ(messages().back().text, L"Value must be non-zero");
  EXPECT_EQ(set(d, "Decimal separator", CKdVariant(CKdString(L",,"))), -5001);
  EXPECT_EQ(set(d, "ExtLine fixed length", CKdVariant(0.0, true)), -5001);  // without a message
  EXPECT_EQ(messages().size(), 4u);
  EXPECT_EQ(set(d, "Text height", CKdVariant(CKdString(L"1"))), -5001);
  EXPECT_TRUE(d->xData()->chainEquals(before));
  // Prefix and suffix around the measurement.
  EXPECT_EQ(set(d, "Dim suffix", CKdVariant(CKdString(L" mm"))), 5100);
  EXPECT_EQ(set(d, "Dim prefix", CKdVariant(CKdString(L"L="))), 5100);
  EXPECT_EQ(d->dimpost(), OdString(L"L=<> mm"));
  EXPECT_EQ(set(d, "Decimal separator", CKdVariant(CKdString(L","))), 5100);
  EXPECT_EQ(d->dimdsep(), L',');
}

TEST_F(DimensionProperties, ToleranceDisplayAndItsLimits) {
  OdDbRotatedDimensionPtr d = rotated();
  d->setDimgap(-0.09);
  d->setDimtp(0.1);
  d->setDimtm(0.1);
  EXPECT_EQ(selected(d, "Tolerance display"), 4);  // Basic
  EXPECT_TRUE(isReadOnly(d, "Tolerance limit upper"));
  EXPECT_EQ(set(d, "Tolerance display", choice(2)), 5100);  // Deviation
  EXPECT_DOUBLE_EQ(d->dimgap(), 0.09);
  EXPECT_TRUE(d->dimtol());
  EXPECT_DOUBLE_EQ(d->dimtm(), 0.1 + 1e-08);
  EXPECT_EQ(selected(d, "Tolerance display"), 2);
  EXPECT_FALSE(isReadOnly(d, "Tolerance limit lower"));
  EXPECT_FALSE(isReadOnly(d, "Tolerance precision"));
  // Symmetrical: one limit, which moves the other.
  EXPECT_EQ(set(d, "Tolerance display", choice(1)), 5100);
  EXPECT_EQ(d->dimtm(), d->dimtp());
  EXPECT_TRUE(isReadOnly(d, "Tolerance limit lower"));
  EXPECT_FALSE(isReadOnly(d, "Tolerance limit upper"));
  EXPECT_EQ(set(d, "Tolerance limit upper", CKdVariant(0.25, true)), 5100);
  EXPECT_DOUBLE_EQ(d->dimtp(), 0.25);
  EXPECT_DOUBLE_EQ(d->dimtm(), 0.25);
  EXPECT_EQ(set(d, "Tolerance display", choice(3)), 5100);  // Limits
  EXPECT_TRUE(d->dimlim());
  EXPECT_FALSE(d->dimtol());
  EXPECT_TRUE(isReadOnly(d, "Tolerance precision"));
  EXPECT_EQ(set(d, "Tolerance display", choice(4)), 5100);  // Basic again
  EXPECT_DOUBLE_EQ(d->dimgap(), -0.09);
  EXPECT_FALSE(d->dimlim());
  // A tag of no display only makes the gap positive.
  EXPECT_EQ(set(d, "Tolerance display", choice(9)), 5100);
  EXPECT_DOUBLE_EQ(d->dimgap(), 0.09);
  EXPECT_EQ(selected(d, "Tolerance display"), 0);
}

TEST_F(DimensionProperties, StyleListShowsFamilyStylesOfTheKindOnly) {
  addStyle(L"Plan$2");
  addStyle(L"Plan$0");
  addStyle(L"Plan$1");
  OdDbRotatedDimensionPtr r = rotated();
  EXPECT_EQ(labels(r, "Dim style"), (std::vector<std::wstring>{L"", L"Standard", L"Plan", L"Plan: Linear", L"Plan$1"}));
  OdDb2LineAngularDimensionPtr angular = drawing.add(OdDb2LineAngularDimension::createObject());
  EXPECT_EQ(labels(angular, "Dim style"), (std::vector<std::wstring>{L"", L"Standard", L"Plan", L"Plan: Angular", L"Plan$1"}));
  const CKdVariantCollection list = get(r, "Dim style").GetCollection();
  EXPECT_EQ(list.GetSelectedIndex(), 2);
  EXPECT_EQ(list.GetAt(0).GetTag().GetInt32(), 0);
  // The empty element keeps the style; a record's id sets it.
  EXPECT_EQ(set(r, "Dim style", CKdVariant(list.GetAt(0))), 5100);
  EXPECT_EQ(r->dimensionStyle(), plan);
  EXPECT_EQ(set(r, "Dim style", CKdVariant(list.GetAt(1))), 5100);
  EXPECT_EQ(r->dimensionStyle(), list.GetAt(1).GetTag().GetId());
}

TEST_F(DimensionProperties, ArrowheadsByBlockName) {
  OdDbRotatedDimensionPtr d = rotated();
  EXPECT_EQ(get(d, "Arrow 1").GetCollection().GetSelectedIndex(), -1);  // no block: nothing selected
  ASSERT_EQ(get(d, "Arrow 1").GetCollection().GetCount(), 21);
  // A user block as the common arrowhead shows as "Custom arrow".
  OdDbSymbolTablePtr blocks = drawing.db->getBlockTableId().safeOpenObject(OdDb::kForWrite);
  OdDbBlockTableRecordPtr mine = OdDbBlockTableRecord::createObject();
  mine->setName(L"MyArrow");
  const OdDbObjectId myArrow = blocks->add(mine);
  d->setDimblk(myArrow);
  EXPECT_EQ(selected(d, "Arrow 1"), 20);
  EXPECT_EQ(selected(d, "Arrow 2"), 20);
  // "Custom arrow" still makes the arrowheads separate, each the common one.
  EXPECT_EQ(set(d, "Arrow 2", choice(20, L"Custom arrow")), 5100);
  EXPECT_TRUE(d->dimsah());
  EXPECT_EQ(d->dimblk1(), myArrow);
  EXPECT_EQ(d->dimblk2(), myArrow);
  EXPECT_TRUE(d->dimblk().isNull());
  // A built-in arrow whose block the drawing lacks gets its block.
  EXPECT_TRUE(blocks->getAt(L"_Dot").isNull());
  EXPECT_EQ(set(d, "Arrow 1", choice(3, L"Dot")), 5100);
  EXPECT_EQ(d->dimblk1(), blocks->getAt(L"_Dot"));
  EXPECT_FALSE(d->dimblk1().isNull());
  EXPECT_EQ(selected(d, "Arrow 1"), 3);
  EXPECT_EQ(selected(d, "Arrow 2"), 20);
  // A block chosen by its name as the last entry.
  EXPECT_EQ(set(d, "Arrow 1", choice(20, L"MyArrow")), 5100);
  EXPECT_EQ(d->dimblk1(), myArrow);
  EXPECT_EQ(set(d, "Arrow 1", choice(21)), -5001);
  EXPECT_EQ(d->dimblk1(), myArrow);
}

TEST_F(DimensionProperties, ZeroSuppressionListsFlipTheirOwnBits) {
  OdDbAlignedDimensionPtr d = aligned();
  d->setDimzin(8 | 1);
  d->setDimtzin(2);
  EXPECT_EQ(selected(d, "Suppress trailing zeros"), 8);
  EXPECT_EQ(get(d, "Suppress trailing zeros").GetCollection().GetSelectedIndex(), 0);  // "Yes"
  EXPECT_EQ(set(d, "Suppress leading zeros", choice(4)), 5100);
  EXPECT_EQ(d->dimzin(), 8 | 4 | 1);
  // Zero feet and inches share the two low bits; the tolerance byte stays.
  EXPECT_EQ(selected(d, "Suppress zero feet"), 0);  // low bits 1: neither suppressed
  EXPECT_EQ(set(d, "Suppress zero feet", choice(1)), 5100);
  EXPECT_EQ(d->dimzin(), 8 | 4 | 3);
  EXPECT_EQ(set(d, "Suppress zero inches", choice(1)), 5100);
  EXPECT_EQ(d->dimzin(), 8 | 4 | 0);
  EXPECT_EQ(d->dimtzin(), 2);
  EXPECT_EQ(selected(d, "Tolerance suppress zero inches"), 1);
  EXPECT_TRUE(isReadOnly(d, "Alt format"));
  EXPECT_EQ(set(d, "Alt enabled", choice(1)), 5100);
  EXPECT_FALSE(isReadOnly(d, "Alt format"));
}

TEST_F(DimensionProperties, TextPositionInTheUcsAndFillColour) {
  OdDbAlignedDimensionPtr d = aligned();
  drawing.db->setCurrentUCS(OdGePoint3d(10, 20, 5), OdGeVector3d(0, 1, 0), OdGeVector3d(-1, 0, 0));
  EXPECT_NEAR(get(d, "Position x").GetDouble(), 4 - 20, 1e-12);
  EXPECT_NEAR(get(d, "Position y").GetDouble(), 10 - 2, 1e-12);
  EXPECT_TRUE(d->isUsingDefaultTextPosition());
  EXPECT_EQ(set(d, "Position y", CKdVariant(0.0, true)), 5100);
  EXPECT_TRUE(d->textPosition().isEqualTo(OdGePoint3d(10, 4, 0)));
  EXPECT_FALSE(d->isUsingDefaultTextPosition());
  // No fill shows as the colour "none".
  EXPECT_TRUE(get(d, "Fill color").GetColor().isNone());
  EXPECT_EQ(set(d, "Fill color", CKdVariant(OdCmColor::fromIndex(1))), 5100);
  EXPECT_EQ(d->dimtfill(), 2);
  EXPECT_EQ(get(d, "Fill color").GetColor().colorIndex(), 1);
  EXPECT_EQ(set(d, "Fill color", CKdVariant(OdCmColor::fromIndex(257))), 5100);
  EXPECT_EQ(d->dimtfill(), 0);
}

TEST_F(DimensionProperties, AssociationAndListings) {
  OdDbAlignedDimensionPtr d = aligned();
  EXPECT_EQ(get(d, "Associative").GetString(), L"No");
  auto listing = list(d);
  EXPECT_EQ(item(*listing, "related").integer, 0);
  EXPECT_EQ(item(*listing, "type").text, L"aligned");
  EXPECT_TRUE(hasItem(*listing, "1st extension  defining point"));
  EXPECT_TRUE(hasItem(*listing, "Dimension Line defining point"));
  EXPECT_EQ(item(*listing, "DimensionStyle").text, L"Plan");
  ASSERT_EQ(d->createExtensionDictionary(), eOk);
  EXPECT_EQ(get(d, "Associative").GetString(), L"No");
  {
    OdDbDictionaryPtr dict = d->extensionDictionary().safeOpenObject(OdDb::kForWrite);
    dict->setAt(L"ACAD_DIMASSOC", OdDbDictionary::createObject());
  }
  EXPECT_EQ(get(d, "Associative").GetString(), L"Yes");
  EXPECT_EQ(item(*list(d), "related").integer, 1);
  // The rotated kind's labels, and no style line without a style.
  OdDbRotatedDimensionPtr r = drawing.add(OdDbRotatedDimension::createObject());
  auto rl = list(r);
  EXPECT_EQ(item(*rl, "type").text, L"rotated");
  EXPECT_TRUE(hasItem(*rl, "2st extension defining point"));
  EXPECT_TRUE(hasItem(*rl, "default text"));
  EXPECT_TRUE(hasItem(*rl, "DimensionStyle"));  // the drawing's current style
  OdDbAlignedDimensionPtr orphan = OdDbAlignedDimension::createObject();
  EXPECT_FALSE(hasItem(*list(orphan), "DimensionStyle"));
}
