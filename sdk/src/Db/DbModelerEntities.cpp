#include "Db/DbModelerEntities.h"

#include <cmath>

#include "Db/DbDatabase.h"
#include "Dxf/DxfFiler.h"
#include "Rx/RxClass.h"

ODRX_DEFINE_MEMBERS_EX(OdDb3dSolid, OdDbEntity, L"3DSOLID", new OdDb3dSolid)
ODRX_DEFINE_MEMBERS_EX(OdDbBody, OdDbEntity, L"BODY", new OdDbBody)
ODRX_DEFINE_MEMBERS_EX(OdDbRegion, OdDbEntity, L"REGION", new OdDbRegion)
ODRX_DEFINE_MEMBERS_EX(OdDbSurface, OdDbEntity, L"SURFACE", new OdDbSurface)
ODRX_DEFINE_MEMBERS_EX(OdDbPlaneSurface, OdDbSurface, L"PLANESURFACE", new OdDbPlaneSurface)
ODRX_DEFINE_MEMBERS_EX(OdDbExtrudedSurface, OdDbSurface, L"EXTRUDEDSURFACE", new OdDbExtrudedSurface)
ODRX_DEFINE_MEMBERS_EX(OdDbLoftedSurface, OdDbSurface, L"LOFTEDSURFACE", new OdDbLoftedSurface)
ODRX_DEFINE_MEMBERS_EX(OdDbRevolvedSurface, OdDbSurface, L"REVOLVEDSURFACE", new OdDbRevolvedSurface)
ODRX_DEFINE_MEMBERS_EX(OdDbSweptSurface, OdDbSurface, L"SWEPTSURFACE", new OdDbSweptSurface)

namespace {
const char* const kModeler = "AcDbModelerGeometry";

// Files from 2013 on keep the modeller data in the ACDSDATA section.
bool keepsDataApart(const OdDbDatabase* db) { return db && db->header().acadver.compare(L"AC1027") >= 0; }

// A field of a read object is written where the file had it or where it
// differs from the format's default; new objects write every field.
bool writes(const OdDxfOut& out, int code, bool atDefault) {
  return !out.fromFile() || out.hadField(code) || !atDefault;
}
}  // namespace

// ------------------------------------------------------------ modeller part

const OdDbModelerData& OdDbModelerGeometryFields::data(const OdDbObject* owner) const {
  if (!m_looked && m_data.isEmpty() && owner) {
    m_looked = true;
    std::string bytes = OdDbModeler::binaryDataOf(owner->database(), owner->objectId().getHandle());
    if (!bytes.empty()) const_cast<OdDbModelerData&>(m_data).setBinary(std::move(bytes));
  }
  return m_data;
}

void OdDbModelerGeometryFields::setData(const OdDbModelerData& data) {
  m_data = data;
  m_looked = true;
  m_given = true;
}

bool OdDbModelerGeometryFields::asideData(const OdDbObject* owner, std::string& bytes) const {
  if (!m_given || m_data.binary().empty() || !keepsDataApart(owner->database())) return false;
  bytes = m_data.binary();
  return true;
}

void OdDbModelerGeometryFields::dxfIn(const OdDxfIn& in) {
  m_version = in.integer(kModeler, 70, 1);
  // A line of the text form starts with 1; 3 continues it.
  std::vector<std::string> lines;
  for (const OdDxfTag* t : in.section(kModeler)) {
    if (t->code == 1) lines.emplace_back(in.text(*t));
    else if (t->code == 3 && !lines.empty()) lines.back() += in.text(*t);
  }
  for (std::string& line : lines) line = OdDbModeler::decodeLine(line);
  m_data.setText(std::move(lines));
  m_looked = false;
}

void OdDbModelerGeometryFields::dxfOut(OdDxfOut& out, const OdDbObject* owner) const {
  out.subclass(kModeler);
  const bool apart = keepsDataApart(owner->database());
  if (out.fromFile() ? writes(out, 70, m_version == 1) : !apart) out.integer(70, m_version);
  // The data of a read object stays as read; a new one writes its text form.
  if (out.fromFile()) return;
  if (apart) {
    out.integer(290, 0);
    out.string(2, L"{00000000-0000-0000-0000-000000000000}");
    return;
  }
  for (const std::string& line : m_data.textLines()) {
    const std::string coded = OdDbModeler::encodeLine(line);
    out.verbatim(1, coded.substr(0, 255));
    for (size_t at = 255; at < coded.size(); at += 255) out.verbatim(3, coded.substr(at, 255));
  }
}


// ------------------------------------------------------- solids and bodies

void OdDb3dSolid::dxfOutFields(OdDxfOut& out) const {
  OdDbModelerEntity<OdDbEntity>::dxfOutFields(out);
  // The history reference stays as read; new solids of later files have none.
  const OdDbDatabase* db = database();
  if (!out.fromFile() && db && db->header().acadver.compare(L"AC1021") >= 0) {
    out.subclass("AcDb3dSolid");
    out.verbatim(350, "0");
  }
}

OdResult OdDbRegion::getArea(double& area) const {
  assertReadEnabled();
  return m_geometry.data(this).area(area);
}

OdResult OdDbRegion::getPerimeter(double& perimeter) const {
  assertReadEnabled();
  return m_geometry.data(this).perimeter(perimeter);
}

// ----------------------------------------------------------------- surfaces

bool OdDbSweepOptions::isValid() const {
  return std::isfinite(m_draft) && std::isfinite(m_twist) && std::isfinite(m_align) && std::isfinite(m_scale) &&
         m_scale > 0.0;
}

OdUInt16 OdDbSurface::uIsolineDensity() const { assertReadEnabled(); return OdUInt16(m_u); }
OdUInt16 OdDbSurface::vIsolineDensity() const { assertReadEnabled(); return OdUInt16(m_v); }

OdResult OdDbSurface::setUIsolineDensity(OdUInt16 density) {
  assertWriteEnabled();
  if (density > 32767) return eInvalidInput;
  m_u = density;
  return eOk;
}

OdResult OdDbSurface::setVIsolineDensity(OdUInt16 density) {
  assertWriteEnabled();
  if (density > 32767) return eInvalidInput;
  m_v = density;
  return eOk;
}

void OdDbSurface::dxfInFields(const OdDxfIn& in) {
  OdDbModelerEntity<OdDbEntity>::dxfInFields(in);
  m_u = std::max(0, in.integer("AcDbSurface", 71, 6));
  m_v = std::max(0, in.integer("AcDbSurface", 72, 6));
}

void OdDbSurface::dxfOutFields(OdDxfOut& out) const {
  OdDbModelerEntity<OdDbEntity>::dxfOutFields(out);
  out.subclass("AcDbSurface");
  out.integer(71, m_u);
  out.integer(72, m_v);
}

namespace {
// The sweep options stand under the same codes for extruded and swept
// surfaces: draft 42, twist 45, scale 48, align 49 (radians), bank 293.
void readSweepOptions(const OdDxfIn& in, const char* S, OdDbSweepOptions& o) {
  o.setDraftAngle(in.real(S, 42, 0.0));
  o.setTwistAngle(in.real(S, 45, 0.0));
  const double scale = in.real(S, 48, 1.0);
  o.setScaleFactor(scale > 0.0 ? scale : 1.0);
  o.setAlignAngle(in.real(S, 49, 0.0));
  o.setBank(in.integer(S, 293, 0) != 0);
}

void writeIdentity(OdDxfOut& out, int code) {
  for (int k = 0; k < 16; ++k) out.real(code, k % 5 == 0 ? 1.0 : 0.0);
}

// Read objects: only the fields the class edits, in the file's order (the
// rest stays where the file has it). New objects: the whole record.
void writeSweepOptions(OdDxfOut& out, const OdDbSweepOptions& o, bool swept) {
  if (out.fromFile()) {
    if (writes(out, 42, o.draftAngle() == 0.0)) out.real(42, o.draftAngle());
    if (writes(out, 45, o.twistAngle() == 0.0)) out.real(45, o.twistAngle());
    if (writes(out, 48, o.scaleFactor() == 1.0)) out.real(48, o.scaleFactor());
    if (writes(out, 49, o.alignAngle() == 0.0)) out.real(49, o.alignAngle());
    if (writes(out, 293, !o.bank())) out.integer(293, o.bank() ? 1 : 0);
    return;
  }
  writeIdentity(out, 40);
  if (swept) writeIdentity(out, 41);
  out.real(42, o.draftAngle());
  out.real(43, 0.0);
  out.real(44, 0.0);
  out.real(45, o.twistAngle());
  out.real(48, o.scaleFactor());
  out.real(49, o.alignAngle());
  writeIdentity(out, 46);
  writeIdentity(out, 47);
  out.integer(290, 0);
  out.integer(70, 0);
  out.integer(71, 2);
  out.integer(292, 0);
  out.integer(293, o.bank() ? 1 : 0);
  out.integer(294, 0);
  out.integer(295, 0);
  out.integer(296, 0);
  out.point(11, OdGePoint3d());
}
}  // namespace

// Extruded

OdGeVector3d OdDbExtrudedSurface::getSweepVec() const { assertReadEnabled(); return m_sweep; }

OdResult OdDbExtrudedSurface::setSweepVec(const OdGeVector3d& vec) {
  assertWriteEnabled();
  if (!vec.isFinite() || vec.isZeroLength()) return eInvalidInput;
  m_sweep = vec;
  return eOk;
}

double OdDbExtrudedSurface::getHeight() const { assertReadEnabled(); return m_sweep.length(); }

OdResult OdDbExtrudedSurface::setHeight(double height) {
  assertWriteEnabled();
  const double length = m_sweep.length();
  if (!std::isfinite(height) || height <= 0.0 || length <= 0.0) return eInvalidInput;
  const OdGeVector3d sweep = m_sweep * (height / length);
  if (!sweep.isFinite()) return eInvalidInput;
  m_sweep = sweep;
  return eOk;
}

void OdDbExtrudedSurface::getSweepOptions(OdDbSweepOptions& options) const { assertReadEnabled(); options = m_options; }

OdResult OdDbExtrudedSurface::setSweepOptions(const OdDbSweepOptions& options) {
  assertWriteEnabled();
  if (!options.isValid()) return eInvalidInput;
  m_options = options;
  return eOk;
}

void OdDbExtrudedSurface::dxfInFields(const OdDxfIn& in) {
  OdDbSurface::dxfInFields(in);
  const char* S = "AcDbExtrudedSurface";
  const OdGePoint3d v = in.point(S, 10);
  m_sweep = OdGeVector3d(v.x, v.y, v.z);
  readSweepOptions(in, S, m_options);
}

void OdDbExtrudedSurface::dxfOutFields(OdDxfOut& out) const {
  OdDbSurface::dxfOutFields(out);
  out.subclass("AcDbExtrudedSurface");
  out.point(10, OdGePoint3d(m_sweep.x, m_sweep.y, m_sweep.z));
  writeSweepOptions(out, m_options, false);
}

// Lofted

int OdDbLoftedSurface::numCrossSections() const { assertReadEnabled(); return m_sections; }
int OdDbLoftedSurface::numGuideCurves() const { assertReadEnabled(); return 0; }
void OdDbLoftedSurface::getLoftOptions(OdDbLoftOptions& options) const { assertReadEnabled(); options = m_options; }

OdResult OdDbLoftedSurface::setLoftOptions(const OdDbLoftOptions& options) {
  assertWriteEnabled();
  if (options.normal() < OdDbLoftOptions::kNoNormal || options.normal() > OdDbLoftOptions::kUseDraftAngles)
    return eInvalidInput;
  m_options = options;
  return eOk;
}

void OdDbLoftedSurface::dxfInFields(const OdDxfIn& in) {
  OdDbSurface::dxfInFields(in);
  const char* S = "AcDbLoftedSurface";
  // Each stored curve: its class number and size as 90s, then its data.
  int nineties = 0;
  for (const OdDxfTag* t : in.section(S)) {
    if (t->code == 70) break;
    if (t->code == 90) ++nineties;
  }
  m_sections = nineties / 2;
  const int normal = in.integer(S, 70, 0);
  m_options.setNormal(normal >= 0 && normal <= 5 ? OdDbLoftOptions::NormalOption(normal) : OdDbLoftOptions::kNoNormal);
  m_options.setClosed(in.integer(S, 294, 0) != 0);
  m_options.setRuled(in.integer(S, 296, 0) != 0);
}

void OdDbLoftedSurface::dxfOutFields(OdDxfOut& out) const {
  OdDbSurface::dxfOutFields(out);
  out.subclass("AcDbLoftedSurface");
  const int normal = int(m_options.normal());
  const int closed = m_options.closed() ? 1 : 0, ruled = m_options.ruled() ? 1 : 0;
  if (out.fromFile()) {
    if (writes(out, 70, normal == 0)) out.integer(70, normal);
    if (writes(out, 294, closed == 0)) out.integer(294, closed);
    if (writes(out, 296, ruled == 0)) out.integer(296, ruled);
    return;
  }
  writeIdentity(out, 40);
  out.integer(70, normal);
  for (int code = 41; code <= 44; ++code) out.real(code, 0.0);
  const int flags[8] = {0, 1, 1, 1, closed, 0, ruled, 0};  // 290 ... 297
  for (int k = 0; k < 8; ++k) out.integer(290 + k, flags[k]);
}

// Revolved

double OdDbRevolvedSurface::getRevolveAngle() const { assertReadEnabled(); return m_angle; }

OdResult OdDbRevolvedSurface::setRevolveAngle(double angle) {
  assertWriteEnabled();
  if (!std::isfinite(angle)) return eInvalidInput;
  m_angle = angle;
  return eOk;
}

OdGePoint3d OdDbRevolvedSurface::getAxisPnt() const { assertReadEnabled(); return m_axisPoint; }

OdResult OdDbRevolvedSurface::setAxisPnt(const OdGePoint3d& point) {
  assertWriteEnabled();
  if (!point.isFinite()) return eInvalidInput;
  m_axisPoint = point;
  return eOk;
}

OdGeVector3d OdDbRevolvedSurface::getAxisVec() const { assertReadEnabled(); return m_axis; }

OdResult OdDbRevolvedSurface::setAxisVec(const OdGeVector3d& vec) {
  assertWriteEnabled();
  if (!vec.isFinite() || vec.isZeroLength()) return eInvalidInput;
  m_axis = vec;
  return eOk;
}

void OdDbRevolvedSurface::dxfInFields(const OdDxfIn& in) {
  OdDbSurface::dxfInFields(in);
  const char* S = "AcDbRevolvedSurface";
  m_axisPoint = in.point(S, 10);
  const OdGePoint3d v = in.point(S, 11, OdGePoint3d(0, 1, 0));
  m_axis = OdGeVector3d(v.x, v.y, v.z);
  m_angle = in.real(S, 40, 2.0 * 3.14159265358979323846);
}

void OdDbRevolvedSurface::dxfOutFields(OdDxfOut& out) const {
  OdDbSurface::dxfOutFields(out);
  out.subclass("AcDbRevolvedSurface");
  if (!out.fromFile()) out.integer(90, 0);
  out.point(10, m_axisPoint);
  out.point(11, OdGePoint3d(m_axis.x, m_axis.y, m_axis.z));
  out.real(40, m_angle);
  if (out.fromFile()) return;
  out.real(41, 0.0);
  writeIdentity(out, 42);
  for (int code = 43; code <= 46; ++code) out.real(code, 0.0);
  out.integer(290, 0);
  out.integer(291, 0);
}

// Swept

void OdDbSweptSurface::getSweepOptions(OdDbSweepOptions& options) const { assertReadEnabled(); options = m_options; }

OdResult OdDbSweptSurface::setSweepOptions(const OdDbSweepOptions& options) {
  assertWriteEnabled();
  if (!options.isValid()) return eInvalidInput;
  m_options = options;
  return eOk;
}

void OdDbSweptSurface::dxfInFields(const OdDxfIn& in) {
  OdDbSurface::dxfInFields(in);
  readSweepOptions(in, "AcDbSweptSurface", m_options);
}

void OdDbSweptSurface::dxfOutFields(OdDxfOut& out) const {
  OdDbSurface::dxfOutFields(out);
  out.subclass("AcDbSweptSurface");
  writeSweepOptions(out, m_options, true);
}
