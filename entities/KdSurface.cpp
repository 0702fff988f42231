#include "KdSurface.h"

#include "Db/DbModelerEntities.h"
#include "KdAccess.h"
#include "KdChoiceLists.h"

namespace {
typedef CKdPropertyDescription Desc;
typedef CKdPropertyType T;
const auto RW = &CKdPropertyPEImpl::IsReadOnlyFalse;
const auto RO = &CKdPropertyPEImpl::IsReadOnlyTrue;

typedef OdDbSurface S;
typedef OdDbExtrudedSurface ES;
typedef OdDbLoftedSurface LS;
typedef OdDbRevolvedSurface RS;
typedef OdDbSweptSurface WS;

// A fixed text naming the kind.
template <const char* const* Text>
CKdVariant getKind(const OdDbObject* object, const Desc&, const CKdVariant&) {
  return kd::readAs<S>(object, [](const S&) { return CKdVariant(kd::value(*Text)); });
}
const char* const kExtruded = "Extruded";
const char* const kLoft = "Loft with guide curves";
const char* const kRevolve = "Revolve";
const char* const kSweep = "Sweep";
const char* const kPlanar = "Planar";

CKdVariant yesNo(bool flag) { return CKdVariant(kd::value(flag ? "Yes" : "No")); }

// ---- every surface: isolines, 16-bit in files
typedef kd::IntegerInRange<S, OdUInt16, &S::uIsolineDensity, &S::setUIsolineDensity, 0, 32767> UIsolines;
typedef kd::IntegerInRange<S, OdUInt16, &S::vIsolineDensity, &S::setVIsolineDensity, 0, 32767> VIsolines;

const kd::PropertyRow kSurfaceRows[] = {
    {"Geometry", "U isolines", 0, nullptr, ":/Geometry/Geometry_UIsoLines.png", RW, UIsolines::get, UIsolines::set},
    {"Geometry", "V isolines", 0, nullptr, ":/Geometry/Geometry_VIsoLines.png", RW, VIsolines::get, VIsolines::set},
};

// ---- sweep options of extruded and swept surfaces: one field at a time
// through the options object; the drawing's refusal (a scale of 0) fails.
template <class K, double (OdDbSweepOptions::*Get)() const, void (OdDbSweepOptions::*Set)(double), bool Distance>
struct SweepOption {
  static CKdVariant get(const OdDbObject* object, const Desc&, const CKdVariant&) {
    return kd::readAs<K>(object, [](const K& k) {
      OdDbSweepOptions o;
      k.getSweepOptions(o);
      return CKdVariant((o.*Get)(), Distance);
    });
  }
  static int set(const OdDbObject* object, const Desc&, const CKdVariant& value, const CKdVariant&) {
    OdSmartPtr<K> k = kd::writable<K>(object, value, CKdVariant::kDouble);
    if (k.isNull()) return KD_PROPERTY_FAILED;
    OdDbSweepOptions o;
    k->getSweepOptions(o);
    (o.*Set)(value.GetDouble());
    return k->setSweepOptions(o) == eOk ? KD_PROPERTY_OK : KD_PROPERTY_FAILED;
  }
};
typedef OdDbSweepOptions O;

// ---- extruded
CKdVariant getHeight(const OdDbObject* object, const Desc&, const CKdVariant&) {
  return kd::getDouble<ES>(object, &ES::getHeight, true);
}
int setHeight(const OdDbObject* object, const Desc&, const CKdVariant& value, const CKdVariant&) {
  OdDbExtrudedSurfacePtr e = kd::writable<ES>(object, value, CKdVariant::kDouble);
  if (e.isNull()) return KD_PROPERTY_FAILED;
  return e->setHeight(value.GetDouble()) == eOk ? KD_PROPERTY_OK : KD_PROPERTY_FAILED;
}
typedef SweepOption<ES, &O::draftAngle, &O::setDraftAngle, true> Taper;
typedef kd::UcsVectorPoint<ES, &ES::getSweepVec> Direction;

const kd::PropertyRow kExtrudedRows[] = {
    {"Geometry", "Surface type", 0, nullptr, ":/Geometry/Geometry_SurfaceType.png", RO, getKind<&kExtruded>, nullptr},
    {"Geometry", "Height", 0, nullptr, ":/Geometry/Geometry_Height.png", RW, getHeight, setHeight},
    {"Geometry", "Taper angle", 2, T::kAngleGUID, ":/Geometry/Geometry_TaperAngle.png", RW, Taper::get, Taper::set},
    {"Geometry", "Direction x", 2, nullptr, ":/Geometry/Geometry_DirectionX.png", RO, Direction::X::get, nullptr},
    {"Geometry", "Direction y", 2, nullptr, ":/Geometry/Geometry_DirectionY.png", RO, Direction::Y::get, nullptr},
    {"Geometry", "Direction z", 2, nullptr, ":/Geometry/Geometry_DirectionZ.png", RO, Direction::Z::get, nullptr},
};

// ---- lofted
template <int (LS::*Count)() const>
CKdVariant getCount(const OdDbObject* object, const Desc&, const CKdVariant&) {
  return kd::readAs<LS>(object, [](const LS& l) { return CKdVariant(long((l.*Count)())); });
}

// Ruled first, then smooth (no normal) and the normal options one up.
CKdVariant getNormals(const OdDbObject* object, const Desc&, const CKdVariant&) {
  static const kd::Choice kNormals[] = {{"Ruled", 0},       {"Smooth", 1},     {"First normal", 2},    {"Last normal", 3},
                                        {"Ends normal", 4}, {"All normal", 5}, {"Use draft angles", 6}};
  OdDbLoftedSurfacePtr l = kd::readable<LS>(object);
  if (l.isNull()) return CKdVariant();
  OdDbLoftOptions o;
  l->getLoftOptions(o);
  return kd::enumList(kNormals, o.ruled() ? 0 : long(o.normal()) + 1);
}
int setNormals(const OdDbObject* object, const Desc&, const CKdVariant& value, const CKdVariant&) {
  OdDbLoftedSurfacePtr l = kd::writable<LS>(object, value, CKdVariant::kCollectionElement);
  long tag = 0;
  if (l.isNull() || !kd::choiceTag(value, tag)) return KD_PROPERTY_FAILED;
  // Tags past the last normal option name none.
  if (tag < 0 || tag > long(OdDbLoftOptions::kUseDraftAngles) + 1) return KD_PROPERTY_FAILED;
  OdDbLoftOptions o;
  l->getLoftOptions(o);
  o.setRuled(tag == 0);
  if (tag != 0) o.setNormal(OdDbLoftOptions::NormalOption(tag - 1));
  return l->setLoftOptions(o) == eOk ? KD_PROPERTY_OK : KD_PROPERTY_FAILED;
}
CKdVariant getClosed(const OdDbObject* object, const Desc&, const CKdVariant&) {
  return kd::readAs<LS>(object, [](const LS& l) {
    OdDbLoftOptions o;
    l.getLoftOptions(o);
    return yesNo(o.closed());
  });
}

const kd::PropertyRow kLoftedRows[] = {
    {"Geometry", "Surface Type", 0, nullptr, ":/Geometry/Geometry_SurfaceType.png", RO, getKind<&kLoft>, nullptr},
    {"Geometry", "Number of Cross sections", 0, nullptr, ":/Geometry/Geometry_NumCrossSections.png", RO,
     getCount<&LS::numCrossSections>, nullptr},
    {"Geometry", "Number of Guide curves", 0, nullptr, ":/Geometry/Geometry_NumGuideCurves.png", RO,
     getCount<&LS::numGuideCurves>, nullptr},
    {"Geometry", "Surface normals", 0, nullptr, ":/Geometry/Geometry_SurfaceNormals.png", RW, getNormals, setNormals},
    {"Misc", "Closed", 0, nullptr, ":/Misc/Misc_Closed.png", RO, getClosed, nullptr},
};

// ---- revolved
CKdVariant getRevolveAngle(const OdDbObject* object, const Desc&, const CKdVariant&) {
  return kd::getDouble<RS>(object, &RS::getRevolveAngle, true);
}
int setRevolveAngle(const OdDbObject* object, const Desc&, const CKdVariant& value, const CKdVariant&) {
  OdDbRevolvedSurfacePtr r = kd::writable<RS>(object, value, CKdVariant::kDouble);
  if (r.isNull()) return KD_PROPERTY_FAILED;
  return r->setRevolveAngle(value.GetDouble()) == eOk ? KD_PROPERTY_OK : KD_PROPERTY_FAILED;
}
typedef kd::UcsPoint<RS, &RS::getAxisPnt, &RS::setAxisPnt> AxisPoint;
typedef kd::UcsVectorPoint<RS, &RS::getAxisVec> AxisDirection;

const kd::PropertyRow kRevolvedRows[] = {
    {"Geometry", "Surface type", 0, nullptr, ":/Geometry/Geometry_SurfaceType.png", RO, getKind<&kRevolve>, nullptr},
    {"Geometry", "Angle of revolution", 2, T::kAngleGUID, ":/Geometry/Geometry_RevolutionAngle.png", RW,
     getRevolveAngle, setRevolveAngle},
    {"Geometry", "Axis position X", 2, T::kCoordinateXGUID, ":/Geometry/Geometry_AxisPositionX.png", RW,
     AxisPoint::X::get, AxisPoint::X::set},
    {"Geometry", "Axis position Y", 2, T::kCoordinateYGUID, ":/Geometry/Geometry_AxisPositionY.png", RW,
     AxisPoint::Y::get, AxisPoint::Y::set},
    {"Geometry", "Axis position Z", 2, T::kCoordinateZGUID, ":/Geometry/Geometry_AxisPositionZ.png", RW,
     AxisPoint::Z::get, AxisPoint::Z::set},
    {"Geometry", "Axis direction X", 2, nullptr, ":/Geometry/Geometry_AxisDirectionX.png", RO, AxisDirection::X::get,
     nullptr},
    {"Geometry", "Axis direction Y", 2, nullptr, ":/Geometry/Geometry_AxisDirectionY.png", RO, AxisDirection::Y::get,
     nullptr},
    {"Geometry", "Axis direction Z", 2, nullptr, ":/Geometry/Geometry_AxisDirectionZ.png", RO, AxisDirection::Z::get,
     nullptr},
};

// ---- swept
typedef SweepOption<WS, &O::alignAngle, &O::setAlignAngle, true> ProfileRotation;
typedef SweepOption<WS, &O::scaleFactor, &O::setScaleFactor, false> ScaleAlongPath;
typedef SweepOption<WS, &O::twistAngle, &O::setTwistAngle, true> Twist;
CKdVariant getBank(const OdDbObject* object, const Desc&, const CKdVariant&) {
  return kd::readAs<WS>(object, [](const WS& w) {
    OdDbSweepOptions o;
    w.getSweepOptions(o);
    return yesNo(o.bank());
  });
}

const kd::PropertyRow kSweptRows[] = {
    {"Geometry", "Surface type", 0, nullptr, ":/Geometry/Geometry_SurfaceType.png", RO, getKind<&kSweep>, nullptr},
    {"Geometry", "Profile rotation", 2, T::kAngleGUID, ":/Geometry/Geometry_ProfileRotation.png", RW,
     ProfileRotation::get, ProfileRotation::set},
    {"Geometry", "Scale along path", 0, nullptr, ":/Geometry/Geometry_ScaleAlongPath.png", RW, ScaleAlongPath::get,
     ScaleAlongPath::set},
    {"Geometry", "Twist along path", 2, T::kAngleGUID, ":/Geometry/Geometry_TwistAlongPath.png", RW, Twist::get,
     Twist::set},
    {"Geometry", "Bank", 0, nullptr, ":/Geometry/Geometry_Bank.png", RO, getBank, nullptr},
};

const kd::PropertyRow kPlaneRows[] = {
    {"Geometry", "Surface type", 0, nullptr, ":/Geometry/Geometry_SurfaceType.png", RO, getKind<&kPlanar>, nullptr},
};
}  // namespace

KD_DEFINE_PROPERTY_PE(CKdSurfacePE, CKdEntityPE, OdDbSurface, "Surface (Planar)", kSurfaceRows)
KD_DEFINE_PROPERTY_PE(CKdExtrudedSurfacePE, CKdSurfacePE, OdDbExtrudedSurface, "Surface (Extrusion)", kExtrudedRows)
KD_DEFINE_PROPERTY_PE(CKdLoftedSurfacePE, CKdSurfacePE, OdDbLoftedSurface, "Surface (Loft)", kLoftedRows)
KD_DEFINE_PROPERTY_PE(CKdRevolvedSurfacePE, CKdSurfacePE, OdDbRevolvedSurface, "Surface (Revolve)", kRevolvedRows)
KD_DEFINE_PROPERTY_PE(CKdSweptSurfacePE, CKdSurfacePE, OdDbSweptSurface, "Surface (Sweep)", kSweptRows)
KD_DEFINE_PROPERTY_PE(CKdPlaneSurfacePE, CKdSurfacePE, OdDbPlaneSurface, "Surface (Planar)", kPlaneRows)

void CKdPlaneSurfaceInfo::PrintObjectInfo(const OdDbObject* object, CKdPrintInfoContext* context) const {
  kd::printListing<OdDbPlaneSurface>(*this, object, context, [](const OdDbPlaneSurface& s, CKdPrintInfoContext& out) {
    out.PrintInt(kd::infoItem("U-isolines "), s.uIsolineDensity());
    out.PrintInt(kd::infoItem("V-isolines "), s.vIsolineDensity());
    OdGeExtents3d box;
    if (s.getGeomExtents(box) != eOk) return;
    out.PrintString(kd::infoItem("Bounding Box"));
    out.PrintPoint(kd::infoItem("Lower Bound"), box.minPoint());
    out.PrintPoint(kd::infoItem("Upper Bound"), box.maxPoint());
  });
}
