// Run-time classes: the class tree, protocol extensions and checked casts.
#include <gtest/gtest.h>
#include "Db/DbDeclaredClasses.h"
#include "Db/DbCircle.h"
#include "Db/DbLine.h"
#include "Rx/OdError.h"
#include "Rx/RxClass.h"
#include "Rx/RxModule.h"

namespace {
struct Marker : OdRxObject {
  int id;
  explicit Marker(int i) : id(i) {}
};
typedef OdStaticRxObject<Marker> StaticMarker;

struct ProtocolFixture : ::testing::Test {
  OdRxClass protocol{L"TestProtocol", OdRxObject::desc()};
};
}  // namespace

TEST(RxClassTree, ParentsFollowTheDatabaseHierarchy) {
  EXPECT_TRUE(OdDbLine::desc()->isDerivedFrom(OdDbCurve::desc()));
  EXPECT_TRUE(OdDbLine::desc()->isDerivedFrom(OdDbEntity::desc()));
  EXPECT_TRUE(OdDbLine::desc()->isDerivedFrom(OdDbObject::desc()));
  EXPECT_FALSE(OdDbEntity::desc()->isDerivedFrom(OdDbLine::desc()));
  EXPECT_EQ(OdDbWipeout::desc()->myParent(), OdDbRasterImage::desc());
  EXPECT_TRUE(OdDbAttribute::desc()->isDerivedFrom(OdDbText::desc()));
  EXPECT_TRUE(OdDbHelix::desc()->isDerivedFrom(OdDbSpline::desc()));
  EXPECT_TRUE(OdDb2dVertex::desc()->isDerivedFrom(OdDbVertex::desc()));
  EXPECT_TRUE(OdDbRotatedDimension::desc()->isDerivedFrom(OdDbDimension::desc()));
  EXPECT_TRUE(OdDbDimension::desc()->isAbstract());
  EXPECT_EQ(odrxClassByName(L"OdDbLine"), OdDbLine::desc());
  EXPECT_EQ(odrxClassByDxfName(L"LWPOLYLINE"), OdDbPolyline::desc());
}

TEST_F(ProtocolFixture, LookupWalksUpToTheNearestRegisteredParent) {
  StaticMarker onEntity(1), onRaster(2);
  EXPECT_TRUE(OdDbEntity::desc()->addX(&protocol, &onEntity).isNull());
  OdDbRasterImage::desc()->addX(&protocol, &onRaster);

  EXPECT_EQ(OdDbLine::desc()->getX(&protocol).get(), &onEntity);
  EXPECT_EQ(OdDbWipeout::desc()->getX(&protocol).get(), &onRaster);
  EXPECT_TRUE(OdDbWipeout::desc()->queryOwnX(&protocol).isNull());
  // An extension on the class itself wins over the parent's.
  StaticMarker onWipeout(4);
  OdDbWipeout::desc()->addX(&protocol, &onWipeout);
  EXPECT_EQ(OdDbWipeout::desc()->getX(&protocol).get(), &onWipeout);
  EXPECT_EQ(OdDbRasterImage::desc()->getX(&protocol).get(), &onRaster);
  OdDbWipeout::desc()->delX(&protocol);
  EXPECT_TRUE(OdDbObject::desc()->getX(&protocol).isNull());

  OdDbLinePtr line = OdDbLine::createObject();
  OdRxObjectPtr viaObject(line->x(&protocol), kOdRxObjAttach);
  EXPECT_EQ(viaObject.get(), &onEntity);

  // Removing answers the removed extension and the lookup falls back again.
  EXPECT_EQ(OdDbRasterImage::desc()->delX(&protocol).get(), &onRaster);
  EXPECT_EQ(OdDbWipeout::desc()->getX(&protocol).get(), &onEntity);
  // Registering again replaces and answers the previous one.
  EXPECT_EQ(OdDbEntity::desc()->addX(&protocol, &onRaster).get(), &onEntity);
  OdDbEntity::desc()->delX(&protocol);
  EXPECT_TRUE(OdDbLine::desc()->getX(&protocol).isNull());
  EXPECT_THROW(line->x(&protocol), OdError_NotThatKindOfClass);
}

TEST(RxCast, CastAnswersNullAndSmartPointersThrowOnAnotherClass) {
  OdDbLinePtr line = OdDbLine::createObject();
  EXPECT_FALSE(OdDbEntity::cast(line.get()).isNull());
  EXPECT_TRUE(OdDbCircle::cast(line.get()).isNull());
  EXPECT_TRUE(OdDbCircle::cast(nullptr).isNull());
  OdDbObjectPtr asObject = line;
  EXPECT_THROW(OdDbCirclePtr circle = asObject, OdError_NotThatKindOfClass);
  EXPECT_TRUE(line->isKindOf(OdDbCurve::desc()));
  EXPECT_EQ(line->isA(), OdDbLine::desc());
}

TEST(RxCast, CountedReferencesReleaseTheObject) {
  OdDbLinePtr line = OdDbLine::createObject();
  EXPECT_EQ(line->numRefs(), 1);
  {
    OdDbEntityPtr second = line;
    EXPECT_EQ(line->numRefs(), 2);
  }
  EXPECT_EQ(line->numRefs(), 1);
  OdDbLinePtr copy = line;
  OdDbLinePtr moved = std::move(copy);
  EXPECT_TRUE(copy.isNull());
  EXPECT_EQ(line->numRefs(), 2);
  moved = nullptr;
  EXPECT_EQ(line->numRefs(), 1);
  OdDbLinePtr other = OdDbLine::createObject();
  moved = other;
  moved = line;  // reassignment releases the previous object
  EXPECT_EQ(other->numRefs(), 1);
  EXPECT_EQ(line->numRefs(), 2);
  StaticMarker fixed(3);
  fixed.release();
  fixed.release();
  EXPECT_EQ(fixed.id, 3);
}

TEST(RxStrings, WideTextRoundTripsThroughUtf8) {
  const OdString text(L"\u00c4rger \u00fc\u00df \u2300 25 \u6e2c\U0001F600");
  const std::string utf8 = text.toUtf8();
  EXPECT_EQ(utf8, "\xc3\x84rger \xc3\xbc\xc3\x9f \xe2\x8c\x80 25 \xe6\xb8\xac\xf0\x9f\x98\x80");
  EXPECT_EQ(OdString::fromUtf8(utf8), text);
  EXPECT_EQ(OdString(utf8.c_str()), text);
  EXPECT_EQ(OdString(L"\u00c4b\u0416").iCompare(L"\u00e4B\u0436"), 0);
  EXPECT_EQ(OdString(L"\u00e4rger").makeUpper(), OdString(L"\u00c4RGER"));
}

TEST(RxModuleLoader, RefusesMissingAndNonModuleLibraries) {
  OdRxDynamicLinker linker;
  EXPECT_EQ(linker.loadModule(L"/nonexistent/KdNothing.so"), nullptr);
  EXPECT_FALSE(linker.lastError().reason.isEmpty());
  // A real shared library that exports no module entry points.
  EXPECT_EQ(linker.loadModule(L"libm.so.6"), nullptr);
  EXPECT_NE(linker.lastError().reason.find(L"not a module"), -1);
}
