#include "KdHelix.h"

#include "Db/DbHelix.h"
#include "KdAccess.h"
#include "KdChoiceLists.h"

namespace {
typedef CKdPropertyDescription Desc;
typedef OdDbHelix H;
const double k2Pi = 6.283185307179586;

OdResult moveAxis(H& h, const OdGePoint3d& p) { return h.setAxisPoint(p, true); }
template <int Axis>
CKdVariant getPosition(const OdDbObject* object, const Desc&, const CKdVariant&) {
  return kd::getUcsCoordinate<H>(object, &H::axisPoint, Axis);
}
template <int Axis>
int setPosition(const OdDbObject* object, const Desc&, const CKdVariant& value, const CKdVariant&) {
  OdDbHelixPtr h = kd::writable<H>(object, value, CKdVariant::kDouble);
  if (h.isNull()) return KD_PROPERTY_FAILED;
  OdGePoint3d world = h->axisPoint();
  if (kd::replaceUcsComponent(object, world, Axis, value.GetDouble())) moveAxis(*h, world);
  return KD_PROPERTY_OK;
}

const kd::Choice kConstrain[] = {{"Turn Height", 0}, {"Turns", 1}, {"Height", 2}};
CKdVariant getConstrain(const OdDbObject* object, const Desc&, const CKdVariant&) {
  OdDbHelixPtr h = kd::readable<H>(object);
  if (h.isNull()) return CKdVariant();
  CKdVariant list = kd::enumList(kConstrain, long(h->constrain()));
  return list;
}
int setConstrain(const OdDbObject* object, const Desc&, const CKdVariant& value, const CKdVariant&) {
  OdDbHelixPtr h = kd::writable<H>(object, value, CKdVariant::kCollectionElement);
  long tag = 0;
  if (h.isNull() || !kd::choiceTag(value, tag)) return KD_PROPERTY_FAILED;
  h->setConstrain(int(tag));
  return KD_PROPERTY_OK;
}

typedef kd::PlainDouble<H, &H::height, &H::setHeight, true> Height;
typedef kd::PlainDouble<H, &H::turns, &H::setTurns, true> Turns;
typedef kd::PlainDouble<H, &H::turnHeight, &H::setTurnHeight, true> TurnHeight;
typedef kd::PlainDouble<H, &H::baseRadius, &H::setBaseRadius, true> BaseRadius;
typedef kd::PlainDouble<H, &H::topRadius, &H::setTopRadius, true> TopRadius;

void applyTwist(H& h, bool ccw) { h.setTwist(ccw); }
CKdVariant getTwist(const OdDbObject* object, const Desc&, const CKdVariant&) {
  OdDbHelixPtr h = kd::readable<H>(object);
  if (h.isNull()) return CKdVariant();
  const kd::Choice choices[] = {{"CCW", 1}, {"CW", 0}};
  return kd::enumList(choices, h->twist() ? 1 : 0);
}
int setTwist(const OdDbObject* object, const Desc&, const CKdVariant& value, const CKdVariant&) {
  OdDbHelixPtr h = kd::writable<H>(object, value, CKdVariant::kCollectionElement);
  long tag = 0;
  if (h.isNull() || !kd::choiceTag(value, tag)) return KD_PROPERTY_FAILED;
  if (tag == 0 || tag == 1) applyTwist(*h, tag == 1);
  return KD_PROPERTY_OK;
}
CKdVariant getSlope(const OdDbObject* object, const Desc&, const CKdVariant&) {
  OdDbHelixPtr h = kd::readable<H>(object);
  if (h.isNull()) return CKdVariant();
  const double a = h->turnSlope();
  return CKdVariant(a < 0.0 ? a + k2Pi : a, true);
}
CKdVariant getLength(const OdDbObject* object, const Desc&, const CKdVariant&) {
  OdDbHelixPtr h = kd::readable<H>(object);
  return h.isNull() ? CKdVariant() : CKdVariant(h->totalLength(), true);
}

const auto RW = &CKdPropertyPEImpl::IsReadOnlyFalse;
const auto RO = &CKdPropertyPEImpl::IsReadOnlyTrue;
typedef CKdPropertyType T;
#define G "Geometry"

const kd::PropertyRow kRows[] = {
    {G, "Position X", 2, T::kCoordinateXGUID, ":/Geometry/Geometry_PositionX.png", RW, getPosition<0>, setPosition<0>},
    {G, "Position Y", 2, T::kCoordinateYGUID, ":/Geometry/Geometry_PositionY.png", RW, getPosition<1>, setPosition<1>},
    {G, "Position Z", 2, T::kCoordinateZGUID, ":/Geometry/Geometry_PositionZ.png", RW, getPosition<2>, setPosition<2>},
    {G, "Constrain", 0, nullptr, ":/Geometry/Geometry_Constrain.png", RW, getConstrain, setConstrain},
    {G, "Height", 2, nullptr, ":/Geometry/Geometry_Height.png", RW, Height::get, Height::set},
    {G, "Turns", 0, nullptr, ":/Geometry/Geometry_Turns.png", RW, Turns::get, Turns::set},
    {G, "Turn Height", 2, nullptr, ":/Geometry/Geometry_TurnHeight.png", RW, TurnHeight::get, TurnHeight::set},
    {G, "Base Radius", 2, nullptr, ":/Geometry/Geometry_BaseRadius.png", RW, BaseRadius::get, BaseRadius::set},
    {G, "Top Radius", 2, nullptr, ":/Geometry/Geometry_TopRadius.png", RW, TopRadius::get, TopRadius::set},
    {G, "Twist", 0, nullptr, ":/Geometry/Geometry_Twist.png", RW, getTwist, setTwist},
    {G, "Turn Slope", 2, T::kAngleGUID, ":/Geometry/Geometry_TurnSlope.png", RO, getSlope, nullptr},
    {G, "Total Length", 0, nullptr, ":/Geometry/Geometry_TotalLength.png", RO, getLength, nullptr},
};
}  // namespace

KD_DEFINE_PROPERTY_PE(CKdHelixPE, CKdEntityPE, OdDbHelix, "Helix", kRows)

void CKdHelixInfo::PrintObjectInfo(const OdDbObject* object, CKdPrintInfoContext* context) const {
  kd::printListing<OdDbHelix>(*this, object, context, [](const OdDbHelix& h, CKdPrintInfoContext& out) {
    out.PrintPoint(kd::infoItem("Position"), h.axisPoint());
    out.PrintDist(kd::infoItem("Length"), h.totalLength());
    out.PrintDist(kd::infoItem("Base radius"), h.baseRadius());
    out.PrintDist(kd::infoItem("Top radius"), h.topRadius());
    out.PrintDist(kd::infoItem("Turns"), h.turns());
    OdGeVector3d axis = h.axisVector();
    out.PrintVector3D(kd::infoItem("Axis"), axis);
  });
}
