// The other dimension kinds through their extensions: their rows over the
// arrow families, angles and their precision, zero suppression of angles,
// centre marks, the jog angle's limits, the extension arc through the host,
// and the listings' points in their order.
#include <cmath>
#include "KdModuleTest.h"
#include "Db/DbDimensionKinds.h"
#include "Db/DbSymbolTable.h"

using namespace kdtest;

namespace {
struct DimensionKinds : ::testing::Test {
  Drawing drawing;
  void SetUp() override { GetKdSystemServices()->ClearRecords(); }
  OdDb2LineAngularDimensionPtr twoLines() {
    OdDb2LineAngularDimensionPtr d = drawing.add(OdDb2LineAngularDimension::createObject());
    d->setXLine1Start(OdGePoint3d(10, 10, 0));
    d->setXLine1End(OdGePoint3d(20, 10, 0));
    d->setXLine2Start(OdGePoint3d(10, 10, 0));
    d->setXLine2End(OdGePoint3d(17, 17, 0));
    d->setArcPoint(OdGePoint3d(14, 12, 0));
    return d;
  }
  OdDb3PointAngularDimensionPtr threePoints() {
    OdDb3PointAngularDimensionPtr d = drawing.add(OdDb3PointAngularDimension::createObject());
    d->setCenterPoint(OdGePoint3d(0, 0, 0));
    d->setXLine1Point(OdGePoint3d(2, 0, 0));
    d->setXLine2Point(OdGePoint3d(0, 3, 0));
    d->setArcPoint(OdGePoint3d(1, 1, 0));
    return d;
  }
  std::vector<std::string> labels(const CKdPrintRecorder& listing) {
    std::vector<std::string> out;
    for (const CKdPrintRecord& r : listing.Records())
      if (r.operation == CKdPrintRecord::kPoint) out.push_back(r.label.toUtf8());
    return out;
  }
  size_t messages() const { return GetKdSystemServices()->Messages().size(); }
};
}  // namespace

TEST_F(DimensionKinds, EachKindAddsItsRowsToItsFamily) {
  const struct {
    OdDbObjectPtr object;
    const wchar_t* display;
    size_t count;
    const char* last;
  } kinds[] = {
      {twoLines(), L"2LineAngularDimension", 8 + 27 + 25 + 3, "Primary UnitSystem/Angle format"},
      {threePoints(), L"3PointAngularDimension", 8 + 27 + 25 + 3, "Primary UnitSystem/Angle format"},
      {drawing.add(OdDbArcDimension::createObject()), L"ArcLengthDimension", 8 + 27 + 25 + 26,
       "Alternate UnitSystem/Alt suppress zeros inches"},
      {drawing.add(OdDbRadialDimension::createObject()), L"RadialDimension", 8 + 27 + 36 + 3, "Lines && Arrows/Ext line "},
      {drawing.add(OdDbDiametricDimension::createObject()), L"DiametricDimension", 8 + 27 + 36 + 3, "Fit/Dim line forced"},
      {drawing.add(OdDbRadialDimensionLarge::createObject()), L"RadialDimensionLarge", 8 + 27 + 36 + 6,
       "Lines && Arrows/Jog angle"},
      {drawing.add(OdDbOrdinateDimension::createObject()), L"OrdinateDimension", 8 + 27 + 33,
       "Alternate UnitSystem/Alt suppress zeros inches"},
  };
  for (const auto& k : kinds) {
    SCOPED_TRACE(CKdString(k.display).toUtf8());
    const std::vector<std::string> all = names(*describe(k.object));
    ASSERT_EQ(all.size(), k.count);
    EXPECT_EQ(all.back(), k.last);
    EXPECT_EQ(propertiesOf(k.object)->GetDisplayName(k.object), k.display);
  }
  // The one-arrow family's own rows, with the linear unit rows around them.
  const std::vector<std::string> radial = names(*describe(kinds[3].object));
  EXPECT_EQ(radial[35], "Lines && Arrows/Arrow");
  EXPECT_EQ(radial[41], "Text/Fractional type");
  EXPECT_EQ(radial[47], "Primary UnitSystem/Roundoff");
  EXPECT_EQ(radial[48], "Primary UnitSystem/Dim scale linear");
  const std::vector<std::string> arc = names(*describe(kinds[2].object));
  EXPECT_EQ(arc[60], "Text/Fractional type");
  EXPECT_EQ(arc[61], "Text/Arc length symbol");
  EXPECT_EQ(arc[62], "Text/Measurement");
  EXPECT_EQ(property(*describe(kinds[2].object), "Arc length symbol").GetIcon().path(), L":/Geometry/Geometry_ArcLengthSymbol.png");
  const std::vector<std::string> ordinate = names(*describe(kinds[6].object));
  EXPECT_EQ(ordinate[35], "Lines && Arrows/ExtLine LWeight");
  EXPECT_EQ(ordinate[44], "Primary UnitSystem/Dim roundoff");
}

TEST_F(DimensionKinds, AnglesTheirPrecisionAndTheirZeros) {
  OdDb2LineAngularDimensionPtr d = twoLines();
  EXPECT_NEAR(get(d, "Measurement").GetDouble(), M_PI / 4, 1e-12);
  EXPECT_EQ(property(*describe(d), "Measurement").GetType().GetCustomTypeGuid(), CKdString(CKdPropertyType::kAngleGUID));
  d->setArcPoint(OdGePoint3d(5, 12, 0));  // between the second line and the first one beyond the crossing
  EXPECT_NEAR(get(d, "Measurement").GetDouble(), 3 * M_PI / 4, 1e-12);
  d->setArcPoint(OdGePoint3d(5, 7, 0));  // opposite the first sector: the same angle
  EXPECT_NEAR(get(d, "Measurement").GetDouble(), M_PI / 4, 1e-12);
  OdDb3PointAngularDimensionPtr t = threePoints();
  EXPECT_NEAR(get(t, "Measurement").GetDouble(), M_PI / 2, 1e-12);
  t->setArcPoint(OdGePoint3d(-1, -1, 0));  // the rest of the turn
  EXPECT_NEAR(get(t, "Measurement").GetDouble(), 3 * M_PI / 2, 1e-12);
  // An angular precision "as the linear one" sends the choice to the linear precision.
  d->setDimadec(-1);
  d->setDimdec(4);
  EXPECT_EQ(set(d, "Angle precision", choice(2)), 5100);
  EXPECT_EQ(d->dimdec(), 2);
  EXPECT_EQ(d->dimadec(), -1);
  d->setDimadec(1);
  EXPECT_EQ(set(d, "Angle precision", choice(3)), 5100);
  EXPECT_EQ(d->dimadec(), 3);
  EXPECT_EQ(d->dimdec(), 2);
  EXPECT_EQ(set(d, "Angle format", choice(2)), 5100);
  EXPECT_EQ(d->dimaunit(), 2);
  // Zeros: angles on bits 1 and 2 of their own byte, lengths on 4 and 8 of theirs.
  OdDbRotatedDimensionPtr r = drawing.add(OdDbRotatedDimension::createObject());
  EXPECT_EQ(set(r, "Suppress leading zeros", choice(4)), 5100);
  EXPECT_EQ(r->dimzin(), 4);
  EXPECT_EQ(r->dimazin(), 0);
  EXPECT_EQ(set(d, "Suppress leading zeros", choice(1)), 5100);
  EXPECT_EQ(set(d, "Suppress trailing zeros", choice(2)), 5100);
  EXPECT_EQ(d->dimazin(), 3);
  EXPECT_EQ(d->dimzin(), 0);
  EXPECT_EQ(selected(d, "Suppress trailing zeros"), 2);
  EXPECT_FALSE(isReadOnly(d, "Suppress leading zeros"));
  EXPECT_EQ(set(r, "Suppress trailing zeros", choice(8)), 5100);
  EXPECT_EQ(r->dimzin(), 12);
}

TEST_F(DimensionKinds, CentreMarksJogsAndTheExtensionArc) {
  OdDbRadialDimensionPtr r = drawing.add(OdDbRadialDimension::createObject());
  r->setDimcen(0.0);
  EXPECT_EQ(selected(r, "CenterMark"), 2);
  EXPECT_TRUE(isReadOnly(r, "CenterMark size"));
  EXPECT_EQ(set(r, "CenterMark", choice(1)), 5100);  // "Line" of no size: the default size
  EXPECT_DOUBLE_EQ(r->dimcen(), -0.09);
  EXPECT_DOUBLE_EQ(get(r, "CenterMark size").GetDouble(), 0.09);
  EXPECT_EQ(set(r, "CenterMark", choice(0)), 5100);
  EXPECT_DOUBLE_EQ(r->dimcen(), 0.09);
  EXPECT_EQ(set(r, "CenterMark size", CKdVariant(0.0, true)), -5001);
  EXPECT_EQ(messages(), 1u);
  // One arrow: the second block of a radius, the first of a large radius.
  EXPECT_EQ(set(r, "Arrow", choice(3, L"Dot")), 5100);
  EXPECT_TRUE(r->dimsah());
  EXPECT_FALSE(r->dimblk2().isNull());
  EXPECT_TRUE(r->dimblk1().isNull());
  OdDbRadialDimensionLargePtr large = drawing.add(OdDbRadialDimensionLarge::createObject());
  EXPECT_EQ(set(large, "Arrow", choice(4, L"Architectural tick")), 5100);
  EXPECT_FALSE(large->dimblk1().isNull());
  EXPECT_EQ(selected(large, "Arrow"), 4);
  // Jog angles of 5 to 90 degrees, others refused without a message.
  EXPECT_EQ(set(large, "Jog angle", CKdVariant(1.5707963267948966, true)), 5100);
  EXPECT_DOUBLE_EQ(large->jogAngle(), 1.5707963267948966);
  EXPECT_EQ(set(large, "Jog angle", CKdVariant(4.9 / 180 * M_PI, true)), -5001);
  EXPECT_EQ(set(large, "Jog angle", CKdVariant(1.6, true)), -5001);
  EXPECT_DOUBLE_EQ(large->jogAngle(), 1.5707963267948966);
  EXPECT_EQ(messages(), 1u);
  drawing.db->setCurrentUCS(OdGePoint3d(1, 2, 0), OdGeVector3d::kXAxis, OdGeVector3d::kYAxis);
  EXPECT_EQ(set(large, "Jog location X", CKdVariant(4.0, true)), 5100);
  EXPECT_DOUBLE_EQ(large->jogPoint().x, 5.0);
  // The extension arc goes through the host's service.
  EXPECT_EQ(selected(r, "Ext line "), 0);  // "Off"
  EXPECT_EQ(set(r, "Ext line ", choice(1)), 5100);
  EXPECT_TRUE(r->extArcOn());
  EXPECT_EQ(set(r, "Ext line ", choice(7)), 5100);
  EXPECT_TRUE(r->extArcOn());
  EXPECT_EQ(set(r, "Ext line ", choice(0)), 5100);
  EXPECT_FALSE(r->extArcOn());
  // Read-only rows of the one-arrow family, and the ordinate's fixed length.
  EXPECT_TRUE(isReadOnly(r, "Text outside align"));
  EXPECT_TRUE(isReadOnly(r, "Fit"));
  OdDbOrdinateDimensionPtr o = drawing.add(OdDbOrdinateDimension::createObject());
  EXPECT_TRUE(isReadOnly(o, "ExtLine fixed length"));
  EXPECT_EQ(set(o, "ExtLine fixed", choice(1)), 5100);
  EXPECT_FALSE(isReadOnly(o, "ExtLine fixed length"));
}

TEST_F(DimensionKinds, ListingsPrintTheirPointsInOrder) {
  auto two = list(twoLines());
  EXPECT_EQ(labels(*two), (std::vector<std::string>{"1st extension defined line start point", "1st extension defined line end point",
                                                    "2st extension defined line start point", "2st extension defined line end point",
                                                    "dimension arc defined point", "default text position"}));
  EXPECT_EQ(item(*two, "type").text, L"angular");
  auto three = list(threePoints());
  EXPECT_EQ(labels(*three), (std::vector<std::string>{"1st extension defining point", "2st extension defining point",
                                                      "arc center defining point", "dimension arc defining point",
                                                      "default text position"}));
  OdDbDiametricDimensionPtr dia = drawing.add(OdDbDiametricDimension::createObject());
  dia->setDimtmove(2);
  auto dl = list(dia);
  EXPECT_EQ(item(*dl, "type").text, L"diameter");
  EXPECT_EQ(item(*dl, "DIMTMOVE").integer, 2);
  EXPECT_TRUE(hasItem(*dl, "DIMUPT"));
  auto large = list(drawing.add(OdDbRadialDimensionLarge::createObject()));
  EXPECT_EQ(item(*large, "type").text, L"jogged");
  EXPECT_FALSE(hasItem(*large, "DIMTMOVE"));
  EXPECT_EQ(labels(*list(drawing.add(OdDbOrdinateDimension::createObject()))),
            (std::vector<std::string>{"feature defining point", "leader defining point", "default text position"}));
}
