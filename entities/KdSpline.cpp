#include "KdSpline.h"

#include "Db/DbSpline.h"
#include "KdAccess.h"
#include "KdVertexList.h"

namespace {
typedef CKdPropertyDescription Desc;

// The two point lists of a spline, by their accessors.
struct ControlPoints {
  static int count(const OdDbSpline& s) { return s.numControlPoints(); }
  static OdResult get(const OdDbSpline& s, int i, OdGePoint3d& p) { return s.getControlPointAt(i, p); }
  static OdResult set(OdDbSpline& s, int i, const OdGePoint3d& p) { return s.setControlPointAt(i, p); }
  // The new control points with the rest of the NURBS data, then the fit data read before.
  static void replace(OdDbSpline& s, const std::vector<OdGePoint3d>& points) {
    int degree = 0, fitDegree = 0;
    bool rational = false, closed = false, periodic = false, tangents = false;
    std::vector<OdGePoint3d> control, fit;
    std::vector<double> knots, weights;
    double controlTol = 0.0, knotTol = 0.0, fitTol = 0.0;
    OdGeVector3d start, end;
    s.getNurbsData(degree, rational, closed, periodic, control, knots, weights, controlTol, knotTol);
    s.getFitData(fit, fitDegree, fitTol, tangents, start, end);
    s.setNurbsData(degree, rational, closed, periodic, points, knots, weights, controlTol, knotTol);
    s.setFitData(fit, fitDegree, fitTol, start, end);
  }
};
struct FitPoints {
  static int count(const OdDbSpline& s) { return s.numFitPoints(); }
  static OdResult get(const OdDbSpline& s, int i, OdGePoint3d& p) { return s.getFitPointAt(i, p); }
  static OdResult set(OdDbSpline& s, int i, const OdGePoint3d& p) { return s.setFitPointAt(i, p); }
  static void replace(OdDbSpline& s, const std::vector<OdGePoint3d>& points) {
    int degree = 0;
    bool tangents = false;
    std::vector<OdGePoint3d> fit;
    double fitTol = 0.0;
    OdGeVector3d start, end;
    s.getFitData(fit, degree, fitTol, tangents, start, end);
    s.setFitData(points, degree, fitTol, start, end);
  }
};

template <class Points>
CKdVariant getList(const OdDbObject* object, const Desc&, const CKdVariant&) {
  OdDbSplinePtr s = kd::readable<OdDbSpline>(object);
  if (s.isNull()) return CKdVariant();
  kd::VertexList list;
  for (int i = 0; i < Points::count(*s); ++i) {
    OdGePoint3d p;
    Points::get(*s, i, p);
    list.add(i, p);
  }
  return list.result();
}
template <class Points>
int setList(const OdDbObject* object, const Desc&, const CKdVariant& value, const CKdVariant&) {
  OdDbSplinePtr s = kd::writable<OdDbSpline>(object, value, CKdVariant::kCollection);
  if (s.isNull()) return KD_PROPERTY_FAILED;
  const CKdVariantCollection& list = value.GetCollection();
  std::vector<OdGePoint3d> points;
  for (int i = 0; i < list.GetCount(); ++i) points.push_back(list.GetAt(i).GetValue().GetPoint3d());
  Points::replace(*s, points);
  return KD_PROPERTY_OK;
}

// Indexes at or beyond the count name no point.
template <class Points, int Axis>
CKdVariant getCoordinate(const OdDbObject* object, const Desc&, const CKdVariant& context) {
  OdDbSplinePtr s = kd::readable<OdDbSpline>(object);
  OdGePoint3d p;
  if (s.isNull() || Points::get(*s, kd::vertexIndex(context), p) != eOk) return CKdVariant();
  return CKdVariant(kd::ucsComponent(object, p, Axis), true);
}
template <class Points, int Axis>
int setCoordinate(const OdDbObject* object, const Desc&, const CKdVariant& value, const CKdVariant& context) {
  OdDbSplinePtr s = kd::writable<OdDbSpline>(object, value, CKdVariant::kDouble);
  const int i = kd::vertexIndex(context);
  OdGePoint3d p;
  if (s.isNull() || Points::get(*s, i, p) != eOk) return KD_PROPERTY_FAILED;
  if (kd::replaceUcsComponent(object, p, Axis, value.GetDouble())) Points::set(*s, i, p);
  return KD_PROPERTY_OK;
}

template <int (*Count)(const OdDbSpline&)>
CKdVariant getCount(const OdDbObject* object, const Desc&, const CKdVariant&) {
  OdDbSplinePtr s = kd::readable<OdDbSpline>(object);
  return s.isNull() ? CKdVariant() : CKdVariant(long(Count(*s)));
}
int degreeOf(const OdDbSpline& s) { return s.degree(); }

template <bool (OdDbSpline::*Flag)() const>
CKdVariant getYesNo(const OdDbObject* object, const Desc&, const CKdVariant&) {
  OdDbSplinePtr s = kd::readable<OdDbSpline>(object);
  return s.isNull() ? CKdVariant() : CKdVariant(kd::value(((*s).*Flag)() ? "Yes" : "No"));
}

// The tangents as stored, not seen from the UCS.
template <bool Start, int Axis>
CKdVariant getTangent(const OdDbObject* object, const Desc&, const CKdVariant&) {
  OdDbSplinePtr s = kd::readable<OdDbSpline>(object);
  if (s.isNull()) return CKdVariant();
  OdGeVector3d start, end;
  s->getFitTangents(start, end);
  const OdGeVector3d& v = Start ? start : end;
  return CKdVariant(Axis == 0 ? v.x : Axis == 1 ? v.y : v.z, true);
}

CKdVariant getFitTolerance(const OdDbObject* object, const Desc&, const CKdVariant&) {
  OdDbSplinePtr s = kd::readable<OdDbSpline>(object);
  return s.isNull() ? CKdVariant() : CKdVariant(s->fitTolerance(), true);
}
// A negative tolerance is refused without a message.
int setFitTolerance(const OdDbObject* object, const Desc&, const CKdVariant& value, const CKdVariant&) {
  OdDbSplinePtr s = kd::writable<OdDbSpline>(object, value, CKdVariant::kDouble);
  if (s.isNull() || value.GetDouble() < 0.0) return KD_PROPERTY_FAILED;
  s->setFitTol(value.GetDouble());
  return KD_PROPERTY_OK;
}

CKdVariant getArea(const OdDbObject* object, const Desc&, const CKdVariant&) {
  OdDbSplinePtr s = kd::readable<OdDbSpline>(object);
  double area = 0.0;
  if (s.isNull() || s->getArea(area) != eOk) return CKdVariant();
  return CKdVariant(area, true);
}

const auto RW = &CKdPropertyPEImpl::IsReadOnlyFalse;
const auto RO = &CKdPropertyPEImpl::IsReadOnlyTrue;
typedef CKdPropertyType T;
#define DP "Data Points"
#define DP_ICON(N) ":/Data_Points/Data_Points_" N ".png"

const kd::PropertyRow kRows[] = {
    {DP, "Number of control points", 0, nullptr, DP_ICON("NumberOfControlPoints"), RO, getCount<ControlPoints::count>, nullptr},
    {DP, "Control point", 6, T::kSplineControlPointGUID, DP_ICON("ControlPoint"), RW, getList<ControlPoints>, setList<ControlPoints>},
    {DP, "Control point X", 2, T::kSplineControlPointXGUID, DP_ICON("ControlPointX"), RW, getCoordinate<ControlPoints, 0>,
     setCoordinate<ControlPoints, 0>},
    {DP, "Control point Y", 2, T::kSplineControlPointYGUID, DP_ICON("ControlPointY"), RW, getCoordinate<ControlPoints, 1>,
     setCoordinate<ControlPoints, 1>},
    {DP, "Control point Z", 2, T::kSplineControlPointZGUID, DP_ICON("ControlPointZ"), RW, getCoordinate<ControlPoints, 2>,
     setCoordinate<ControlPoints, 2>},
    {DP, "Number of fit points", 0, nullptr, DP_ICON("NumberOfFitPoints"), RO, getCount<FitPoints::count>, nullptr},
    {DP, "Fit point", 6, T::kSplineFitPointGUID, DP_ICON("FitPoint"), RW, getList<FitPoints>, setList<FitPoints>},
    {DP, "Fit point X", 2, T::kSplineFitPointXGUID, DP_ICON("FitPointX"), RW, getCoordinate<FitPoints, 0>, setCoordinate<FitPoints, 0>},
    {DP, "Fit point Y", 2, T::kSplineFitPointYGUID, DP_ICON("FitPointY"), RW, getCoordinate<FitPoints, 1>, setCoordinate<FitPoints, 1>},
    {DP, "Fit point Z", 2, T::kSplineFitPointZGUID, DP_ICON("FitPointZ"), RW, getCoordinate<FitPoints, 2>, setCoordinate<FitPoints, 2>},
    {"Misc", "Degree", 0, nullptr, ":/Misc/Misc_Degree.png", RO, getCount<degreeOf>, nullptr},
    {"Misc", "Closed", 0, nullptr, ":/Misc/Misc_Closed.png", RO, getYesNo<&OdDbSpline::isClosed>, nullptr},
    {"Misc", "Planar", 0, nullptr, ":/Misc/Misc_Planar.png", RO, getYesNo<&OdDbSpline::isPlanar>, nullptr},
    {"Misc", "Start tangent vector X", 2, T::kCoordinateXGUID, ":/Misc/Misc_StartTangentVectorX.png", RO, getTangent<true, 0>, nullptr},
    {"Misc", "Start tangent vector Y", 2, T::kCoordinateYGUID, ":/Misc/Misc_StartTangentVectorY.png", RO, getTangent<true, 1>, nullptr},
    {"Misc", "Start tangent vector Z", 2, T::kCoordinateZGUID, ":/Misc/Misc_StartTangentVectorZ.png", RO, getTangent<true, 2>, nullptr},
    {"Misc", "End tangent vector X", 2, T::kCoordinateXGUID, ":/Misc/Misc_EndTangentVectorX.png", RO, getTangent<false, 0>, nullptr},
    {"Misc", "End tangent vector Y", 2, T::kCoordinateYGUID, ":/Misc/Misc_EndTangentVectorY.png", RO, getTangent<false, 1>, nullptr},
    {"Misc", "End tangent vector Z", 2, T::kCoordinateZGUID, ":/Misc/Misc_EndTangentVectorZ.png", RO, getTangent<false, 2>, nullptr},
    {"Misc", "Fit tolerance", 0, nullptr, ":/Misc/Misc_FitTolerance.png", RW, getFitTolerance, setFitTolerance},
    {"Misc", "Area", 0, nullptr, ":/Geometry/Geometry_Area.png", RO, getArea, nullptr},
};
}  // namespace

KD_DEFINE_PROPERTY_PE(CKdSplinePE_Prop, CKdEntityPE, OdDbSpline, "Spline", kRows)

void CKdSplineInfo::PrintObjectInfo(const OdDbObject* object, CKdPrintInfoContext* context) const {
  kd::printListing<OdDbSpline>(*this, object, context, [](const OdDbSpline& s, CKdPrintInfoContext& out) {
    double end = 0.0, length = 0.0;
    if (s.getEndParam(end) == eOk) s.getDistAtParam(end, length);
    out.PrintDist(kd::infoItem("Length"), length);
    out.PrintInt(kd::infoItem("Order"), s.degree() + 1);
    int degree = 0;
    bool rational = false, closed = false, periodic = false;
    std::vector<OdGePoint3d> control;
    std::vector<double> knots, weights;
    double controlTol = 0.0, knotTol = 0.0;
    s.getNurbsData(degree, rational, closed, periodic, control, knots, weights, controlTol, knotTol);
    CKdString properties = kd::infoValue(closed ? "Closed, " : "Open, ");
    properties += kd::infoValue(periodic ? "Periodic, " : "Non-Periodic, ");
    properties += kd::infoValue(rational ? "Rational, " : "Non-Rational, ");
    properties += kd::infoValue(s.isPlanar() ? "Planar, " : "Non-Planar, ");
    properties += kd::infoValue(s.isLinear() ? "Linear" : "Non-Linear");
    out.PrintString(kd::infoItem("Properties"), properties);
    out.PrintInt(kd::infoItem("Number of konts"), int(knots.size()));
    for (double k : knots) {
      out.PrintDist(kd::infoItem("Knot value"), k);
      if (!out.CheckCounter()) return;
    }
    out.PrintDist(kd::infoItem("Knot tolerance"), knotTol);
    out.PrintInt(kd::infoItem("Number of control points"), int(control.size()));
    for (const OdGePoint3d& p : control) {
      out.PrintPoint(kd::infoItem("Control point"), p);
      if (!out.CheckCounter()) return;
    }
    out.PrintDist(kd::infoItem("Control Tolerance"), controlTol);
    if (s.numFitPoints() == 0) return;
    out.PrintInt(kd::infoItem("Number of Fit points"), s.numFitPoints());
    for (int i = 0; i < s.numFitPoints(); ++i) {
      OdGePoint3d p;
      s.getFitPointAt(i, p);
      out.PrintPoint(kd::infoItem("Control point"), p);
      if (!out.CheckCounter()) return;
    }
    out.PrintDist(kd::infoItem("Fit Tolerance"), s.fitTolerance());
  });
}
