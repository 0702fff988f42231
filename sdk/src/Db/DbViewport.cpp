#include "Db/DbViewport.h"

#include <cmath>

#include "Db/DbDatabase.h"
#include "Db/DbDictionary.h"
#include "Dxf/DxfFiler.h"
#include "Ge/GeConst.h"
#include "Ge/GeMatrix3d.h"
#include "Rx/RxClass.h"

ODRX_DEFINE_MEMBERS_EX(OdDbViewport, OdDbEntity, L"VIEWPORT", new OdDbViewport)
ODRX_DEFINE_MEMBERS_EX(OdDbScale, OdDbObject, L"SCALE", new OdDbScale)
ODRX_DEFINE_MEMBERS_EX(OdAbstractViewPE, OdRxObject, L"", new OdAbstractViewPE)

namespace {
const long kLocked = 0x4000, kNonRectClip = 0x10000, kOff = 0x20000;
}

OdGePoint3d OdDbViewport::centerPoint() const { assertReadEnabled(); return m_center; }
OdResult OdDbViewport::setCenterPoint(const OdGePoint3d& p) {
  assertWriteEnabled();
  if (!p.isFinite()) return eInvalidInput;
  m_center = p;
  return eOk;
}
double OdDbViewport::width() const { assertReadEnabled(); return m_width; }
double OdDbViewport::height() const { assertReadEnabled(); return m_height; }

OdResult OdDbViewport::setWidth(double width) {
  assertWriteEnabled();
  if (!std::isfinite(width) || width <= 0.0) return eInvalidInput;
  m_width = width;
  return eOk;
}

// The view keeps its scale: its height follows the sheet's.
OdResult OdDbViewport::setHeight(double height) {
  assertWriteEnabled();
  if (!std::isfinite(height) || height <= 0.0) return eInvalidInput;
  const double scale = customScale();
  const double view = scale > 0.0 ? height / scale : m_viewHeight;
  if (!std::isfinite(view) || !(view > 0.0)) return eInvalidInput;
  m_height = height;
  m_viewHeight = view;
  keepOldStyleView();
  return eOk;
}

OdInt16 OdDbViewport::number() const { assertReadEnabled(); return OdInt16(m_number); }
void OdDbViewport::setNumber(OdInt16 number) { assertWriteEnabled(); m_number = number; }

OdGePoint2d OdDbViewport::viewCenter() const { assertReadEnabled(); return m_viewCenter; }
OdResult OdDbViewport::setViewCenter(const OdGePoint2d& p) {
  assertWriteEnabled();
  if (!std::isfinite(p.x) || !std::isfinite(p.y)) return eInvalidInput;
  m_viewCenter = p;
  keepOldStyleView();
  return eOk;
}
OdGePoint3d OdDbViewport::viewTarget() const { assertReadEnabled(); return m_target; }
OdResult OdDbViewport::setViewTarget(const OdGePoint3d& p) {
  assertWriteEnabled();
  if (!p.isFinite()) return eInvalidInput;
  m_target = p;
  keepOldStyleView();
  return eOk;
}
OdGeVector3d OdDbViewport::viewDirection() const { assertReadEnabled(); return m_direction; }
OdResult OdDbViewport::setViewDirection(const OdGeVector3d& v) {
  assertWriteEnabled();
  if (!v.isFinite() || v.isZeroLength()) return eInvalidInput;
  m_direction = v;
  keepOldStyleView();
  return eOk;
}
double OdDbViewport::viewHeight() const { assertReadEnabled(); return m_viewHeight; }
OdResult OdDbViewport::setViewHeight(double height) {
  assertWriteEnabled();
  if (!std::isfinite(height) || height <= 0.0) return eInvalidInput;
  m_viewHeight = height;
  keepOldStyleView();
  return eOk;
}
double OdDbViewport::twistAngle() const { assertReadEnabled(); return m_twist; }
OdResult OdDbViewport::setTwistAngle(double angle) {
  assertWriteEnabled();
  if (!std::isfinite(angle)) return eInvalidInput;
  m_twist = angle;
  return eOk;
}

double OdDbViewport::customScale() const {
  assertReadEnabled();
  return m_viewHeight > 0.0 ? m_height / m_viewHeight : 0.0;
}

OdResult OdDbViewport::setCustomScale(double scale) {
  assertWriteEnabled();
  if (!std::isfinite(scale) || scale <= 0.0) return eInvalidInput;
  const double view = m_height / scale;
  if (!std::isfinite(view) || !(view > 0.0)) return eInvalidInput;
  m_viewHeight = view;
  m_standard = kCustomScale;
  keepOldStyleView();
  return eOk;
}

OdDbViewport::StandardScaleType OdDbViewport::standardScale() const {
  assertReadEnabled();
  return StandardScaleType(m_standard);
}

OdResult OdDbViewport::setStandardScale(StandardScaleType type) {
  assertWriteEnabled();
  if (type != kScaleToFit && type != kCustomScale) return eInvalidInput;
  m_standard = type;
  if (type != kScaleToFit) return eOk;
  // The model's extents as the drawing last gave them, seen from the view's
  // direction when it looks straight down.
  const OdDbDatabase* db = database();
  if (!db || !db->header().hasExtents || !m_direction.isParallelTo(OdGeVector3d::kZAxis)) return eOk;
  const OdGePoint3d lo = db->header().extmin, hi = db->header().extmax;
  const double w = hi.x - lo.x, h = hi.y - lo.y;
  if (!(w >= 0 && h >= 0) || (w == 0 && h == 0)) return eOk;
  m_target = OdGePoint3d::kOrigin;
  m_twist = 0.0;
  m_viewCenter = OdGePoint2d((lo.x + hi.x) / 2, (lo.y + hi.y) / 2);
  // The height that shows the whole width too, at the sheet's proportions.
  m_viewHeight = std::max(h, m_height > 0 ? w * m_height / m_width : w);
  keepOldStyleView();
  return eOk;
}

bool OdDbViewport::isOn() const { assertReadEnabled(); return (m_flags & kOff) == 0 && m_status != 0; }
void OdDbViewport::setOn() {
  assertWriteEnabled();
  m_flags &= ~kOff;
  if (m_status == 0) m_status = m_onStatus > 0 ? m_onStatus : 1;
}
void OdDbViewport::setOff() {
  assertWriteEnabled();
  m_flags |= kOff;
  if (m_status != 0) m_onStatus = m_status;
  m_status = 0;
}
bool OdDbViewport::isLocked() const { assertReadEnabled(); return (m_flags & kLocked) != 0; }
void OdDbViewport::setLocked() { assertWriteEnabled(); m_flags |= kLocked; }
void OdDbViewport::setUnlocked() { assertWriteEnabled(); m_flags &= ~kLocked; }
bool OdDbViewport::isNonRectClipOn() const { assertReadEnabled(); return (m_flags & kNonRectClip) != 0; }
OdDbObjectId OdDbViewport::nonRectClipEntityId() const { assertReadEnabled(); return m_clip; }
OdResult OdDbViewport::setNonRectClipEntityId(OdDbObjectId id) {
  assertWriteEnabled();
  if (!id.isNull() && OdDbEntity::cast(id.openObject()).isNull()) return eInvalidInput;
  m_clip = id;
  m_flags = id.isNull() ? (m_flags & ~kNonRectClip) : (m_flags | kNonRectClip);
  return eOk;
}
bool OdDbViewport::isUcsSavedWithViewport() const { assertReadEnabled(); return m_ucsPerViewport; }
void OdDbViewport::setUcsPerViewport(bool on) { assertWriteEnabled(); m_ucsPerViewport = on; }
OdDbViewport::ShadePlotType OdDbViewport::shadePlot() const { assertReadEnabled(); return ShadePlotType(m_shadePlot); }
OdResult OdDbViewport::setShadePlot(ShadePlotType type) {
  assertWriteEnabled();
  if (type < kAsDisplayed || type > kRendered) return eInvalidInput;
  m_shadePlot = type;
  return eOk;
}
OdDbObjectIdArray OdDbViewport::frozenLayers() const { assertReadEnabled(); return m_frozen; }
void OdDbViewport::freezeLayersInViewport(const OdDbObjectIdArray& layers) {
  assertWriteEnabled();
  for (const OdDbObjectId& id : layers)
    if (!m_frozen.contains(id)) m_frozen.push_back(id);
}

void OdDbViewport::dxfInFields(const OdDxfIn& in) {
  OdDbEntity::dxfInFields(in);
  const char* S = "AcDbViewport";
  m_center = in.point(S, 10);
  m_width = in.real(S, 40, 1.0);
  m_height = in.real(S, 41, 1.0);
  m_status = in.integer(S, 68, 1);
  m_number = in.integer(S, 69, 0);
  const OdGePoint3d vc = in.point(S, 12);
  m_viewCenter = OdGePoint2d(vc.x, vc.y);
  m_direction = in.vector(S, 16, OdGeVector3d::kZAxis);
  if (m_direction.isZeroLength()) m_direction = OdGeVector3d::kZAxis;
  m_target = in.point(S, 17);
  m_viewHeight = in.real(S, 45, 1.0);
  m_twist = OdaToRadian(in.real(S, 51, 0.0));
  m_flags = in.integer(S, 90, 0x8000);
  m_clip = in.reference(S, 340);
  m_ucsPerViewport = in.integer(S, 71, 1) != 0;
  m_shadePlot = in.integer(S, 170, kAsDisplayed);
  m_frozen.clear();
  for (const OdDxfTag* t : in.section(S))
    if (t->code == 331) {
      const OdDbObjectId id = in.database()->getOdDbObjectId(OdDbHandle(odDxfParseHandle(in.text(*t))));
      if (!id.isNull()) m_frozen.push_back(id);
    }
  m_standard = kCustomScale;
  m_onStatus = m_status > 0 ? m_status : 1;
  m_oldStyle = !in.has(S, 45) && !in.has(S, 12);
  if (m_oldStyle) readOldStyleView(in);
}

namespace {
// The values of the "MVIEW" list: after the version, the target and the
// direction (points), then twist, view height and the view centre.
struct OldStyleView {
  OdGePoint3d target, direction;
  double values[4] = {0, 0, 0, 0};
  int points = 0, reals = 0;
};
}  // namespace

void OdDbViewport::readOldStyleView(const OdDxfIn& in) {
  const OdDxfSpan tags = in.tags();
  bool acad = false, mview = false;
  OldStyleView view;
  for (const OdDxfTag* t = tags.begin(); t != tags.end(); ++t) {
    if (t->code == 1001) acad = in.text(*t) == "ACAD";
    else if (acad && t->code == 1000 && in.text(*t) == "MVIEW") mview = true;
    else if (!mview) continue;
    else if (t->code == 1010 && view.points < 2) {
      OdGePoint3d p(in.toReal(*t), 0, 0);
      if (t + 1 != tags.end() && t[1].code == 1020) p.y = in.toReal(*++t);
      if (t + 1 != tags.end() && t[1].code == 1030) p.z = in.toReal(*++t);
      (view.points++ == 0 ? view.target : view.direction) = p;
    } else if (t->code == 1040 && view.points == 2 && view.reals < 4) {
      view.values[view.reals++] = in.toReal(*t);
    }
  }
  if (view.points < 2 || view.reals < 4) {
    m_oldStyle = false;
    return;
  }
  m_target = view.target;
  const OdGeVector3d d(view.direction.x, view.direction.y, view.direction.z);
  if (!d.isZeroLength()) m_direction = d;
  if (view.values[1] > 0) m_viewHeight = view.values[1];
  m_viewCenter = OdGePoint2d(view.values[2], view.values[3]);
}

void OdDbViewport::keepOldStyleView() {
  if (!m_oldStyle) return;
  OdResBufPtr chain = xData(L"ACAD");
  bool mview = false;
  int points = 0, reals = 0;
  for (OdResBuf* rb = chain.get(); rb; rb = rb->next().get()) {
    if (rb->restype() == 1000 && rb->getString() == L"MVIEW") mview = true;
    else if (!mview) continue;
    else if (rb->restype() == 1010 && points < 2) {
      rb->setPoint3d(points++ == 0 ? m_target : OdGePoint3d(m_direction.x, m_direction.y, m_direction.z));
    } else if (rb->restype() == 1040 && points == 2 && reals < 4) {
      if (reals == 1) rb->setDouble(m_viewHeight);
      if (reals == 2) rb->setDouble(m_viewCenter.x);
      if (reals == 3) rb->setDouble(m_viewCenter.y);
      ++reals;
    }
  }
  if (mview) setXData(chain);
}

void OdDbViewport::dxfOutFields(OdDxfOut& out) const {
  OdDbEntity::dxfOutFields(out);
  out.subclass("AcDbViewport");
  // A read viewport keeps the settings this class does not model where they
  // stood; a new one writes them with their usual values.
  const bool fresh = !out.fromFile();
  // Older files keep the view in extended data, not in fields.
  const bool view = !m_oldStyle;
  out.point(10, m_center);
  out.real(40, m_width);
  out.real(41, m_height);
  out.integer(68, m_status);
  out.integer(69, m_number);
  if (view) {
    out.real(12, m_viewCenter.x);
    out.real(22, m_viewCenter.y);
  }
  if (fresh) {
    for (int code : {13, 23}) out.real(code, 0.0);
    for (int code : {14, 24, 15, 25}) out.real(code, 10.0);
  }
  if (view) {
    out.point(16, OdGePoint3d(m_direction.x, m_direction.y, m_direction.z));
    out.point(17, m_target);
  }
  if (fresh) {
    out.real(42, 50.0);
    out.real(43, 0.0);
    out.real(44, 0.0);
  }
  if (view) out.real(45, m_viewHeight);
  if (fresh) out.real(50, 0.0);
  if (view) out.angle(51, m_twist);
  if (fresh) out.integer(72, 1000);
  for (const OdDbObjectId& id : m_frozen) out.reference(331, id);
  out.own(331);
  if (view || out.hadField(90)) out.integer(90, m_flags);
  if (!m_clip.isNull() || out.hadField(340)) out.reference(340, m_clip);
  else out.own(340);
  if (fresh) {
    out.string(1, OdString());
    out.integer(281, 0);
  }
  if (view || out.hadField(71)) out.integer(71, m_ucsPerViewport ? 1 : 0);
  if (fresh) {
    out.integer(74, 0);
    out.point(110, OdGePoint3d());
    out.point(111, OdGePoint3d(1, 0, 0));
    out.point(112, OdGePoint3d(0, 1, 0));
    out.integer(79, 0);
    out.real(146, 0.0);
  }
  if (fresh || m_shadePlot != kAsDisplayed || out.hadField(170)) out.integer(170, m_shadePlot);
  else out.own(170);
}

OdResult OdDbViewport::transformBy(const OdGeMatrix3d& transform) {
  assertWriteEnabled();
  OdGePoint3d c = m_center;
  c.transformBy(transform);
  OdGeVector3d x = OdGeVector3d::kXAxis, y = OdGeVector3d::kYAxis;
  x.transformBy(transform);
  y.transformBy(transform);
  const double sx = x.length(), sy = y.length();
  if (!c.isFinite() || !(sx > 0) || !(sy > 0)) return eInvalidInput;
  // The view keeps its scale: a larger sheet window shows more of the model.
  const double scale = customScale();
  const double width = m_width * sx, height = m_height * sy;
  const double view = scale > 0 ? height / scale : m_viewHeight;
  if (!std::isfinite(width) || !std::isfinite(height) || !std::isfinite(view) || !(view > 0)) return eInvalidInput;
  m_center = c;
  m_width = width;
  m_height = height;
  m_viewHeight = view;
  keepOldStyleView();
  return eOk;
}

// ------------------------------------------------------------------ scales

OdString OdDbScale::scaleName() const { assertReadEnabled(); return m_name; }
void OdDbScale::setScaleName(const OdString& name) { assertWriteEnabled(); m_name = name; }
double OdDbScale::paperUnits() const { assertReadEnabled(); return m_paper; }
double OdDbScale::drawingUnits() const { assertReadEnabled(); return m_drawing; }
OdResult OdDbScale::setUnits(double paper, double drawing) {
  assertWriteEnabled();
  if (!(paper > 0) || !(drawing > 0) || !std::isfinite(paper) || !std::isfinite(drawing)) return eInvalidInput;
  m_paper = paper;
  m_drawing = drawing;
  return eOk;
}
double OdDbScale::scale() const { assertReadEnabled(); return m_drawing > 0 ? m_paper / m_drawing : 0.0; }
bool OdDbScale::isUnitScale() const { assertReadEnabled(); return m_unit; }

OdDbObjectId OdDbScale::scaleListDictionary(OdDbDatabase* db) {
  return odDbNamedObjectId(db, L"ACAD_SCALELIST");
}

OdDbObjectId OdDbScale::createScaleList(OdDbDatabase* db) {
  const OdDbObjectId existing = scaleListDictionary(db);
  if (!existing.isNull() || !db) return existing;
  OdDbDictionaryPtr nod = OdDbDictionary::cast(db->getNamedObjectsDictionaryId().openObject(OdDb::kForWrite));
  if (nod.isNull()) return OdDbObjectId();
  OdDbDictionaryPtr list = OdDbDictionary::createObject();
  const OdDbObjectId id = nod->setAt(L"ACAD_SCALELIST", list);
  // The common metric sheet scales, 1:1 first; keys as drawings number them.
  static const struct { const wchar_t* name; double paper, drawing; } kScales[] = {
      {L"1:1", 1, 1},     {L"1:2", 1, 2},     {L"1:4", 1, 4},     {L"1:5", 1, 5},     {L"1:8", 1, 8},
      {L"1:10", 1, 10},   {L"1:16", 1, 16},   {L"1:20", 1, 20},   {L"1:30", 1, 30},   {L"1:40", 1, 40},
      {L"1:50", 1, 50},   {L"1:100", 1, 100}, {L"2:1", 2, 1},     {L"4:1", 4, 1},     {L"8:1", 8, 1},
      {L"10:1", 10, 1},   {L"100:1", 100, 1}};
  int n = 0;
  for (const auto& s : kScales) {
    OdDbScalePtr scale = OdDbScale::createObject();
    scale->m_name = s.name;
    scale->m_paper = s.paper;
    scale->m_drawing = s.drawing;
    scale->m_unit = n == 0;
    wchar_t key[8];
    swprintf(key, 8, L"A%d", n++);
    list->setAt(key, scale);
    scale->addPersistentReactor(id);
  }
  return id;
}

void OdDbScale::dxfInFields(const OdDxfIn& in) {
  OdDbObject::dxfInFields(in);
  const char* S = "AcDbScale";
  m_flags = in.integer(S, 70, 0);
  m_name = in.string(S, 300);
  m_paper = in.real(S, 140, 1.0);
  m_drawing = in.real(S, 141, 1.0);
  m_unit = in.integer(S, 290, 0) != 0;
}

void OdDbScale::dxfOutFields(OdDxfOut& out) const {
  OdDbObject::dxfOutFields(out);
  out.subclass("AcDbScale");
  out.integer(70, m_flags);
  out.string(300, m_name);
  out.real(140, m_paper);
  out.real(141, m_drawing);
  out.integer(290, m_unit ? 1 : 0);
}

// ------------------------------------------------------------- view field

namespace {
OdDbViewportPtr viewportOf(const OdRxObject* view) {
  OdDbViewportPtr vp = OdDbViewport::cast(view);
  if (vp.isNull()) throw OdError_NotThatKindOfClass(view ? view->isA() : nullptr, OdDbViewport::desc());
  return vp;
}
}  // namespace

double OdAbstractViewPE::fieldHeight(const OdRxObject* view) const { return viewportOf(view)->viewHeight(); }

double OdAbstractViewPE::fieldWidth(const OdRxObject* view) const {
  OdDbViewportPtr vp = viewportOf(view);
  return vp->height() > 0 ? vp->viewHeight() * vp->width() / vp->height() : vp->viewHeight();
}

OdGePoint3d OdAbstractViewPE::target(const OdRxObject* view) const {
  OdDbViewportPtr vp = OdDbViewport::cast(view);
  return vp.isNull() ? OdGePoint3d() : vp->viewTarget();
}

OdGeVector3d OdAbstractViewPE::direction(const OdRxObject* view) const {
  OdDbViewportPtr vp = OdDbViewport::cast(view);
  return vp.isNull() ? OdGeVector3d::kZAxis : vp->viewDirection();
}

void odDbRegisterViewServices() {
  // Lives as long as the class tree that holds it: a static object would be
  // destroyed before the tree lets go of it at exit.
  static OdAbstractViewPE* const viewportView = new OdAbstractViewPE;
  if (OdDbViewport::desc()->queryOwnX(OdAbstractViewPE::desc()).isNull())
    OdDbViewport::desc()->addX(OdAbstractViewPE::desc(), viewportView);
}
