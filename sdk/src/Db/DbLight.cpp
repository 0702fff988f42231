#include "Db/DbLight.h"

#include <cmath>

#include "Db/DbDatabase.h"
#include "Db/DbDictionary.h"
#include "Dxf/DxfFiler.h"
#include "Ge/GeConst.h"
#include "Rx/RxClass.h"

ODRX_DEFINE_MEMBERS_EX(OdDbLight, OdDbEntity, L"LIGHT", new OdDbLight)

namespace {
const wchar_t kPhotometric[] = L"ADSK_XREC_PHOTOMETRICLIGHTINFO";

// The light's photometric record: in its extension dictionary, else the drawing's named objects.
OdDbXrecordPtr photometricOf(const OdDbObject& light, OdDb::OpenMode mode = OdDb::kForRead) {
  for (OdDbObjectId dictId : {light.extensionDictionary(), light.database() ? light.database()->getNamedObjectsDictionaryId()
                                                                            : OdDbObjectId()}) {
    OdDbDictionaryPtr dict = OdDbDictionary::cast(dictId.openObject());
    OdDbXrecordPtr record = dict.isNull() ? OdDbXrecordPtr() : OdDbXrecord::cast(dict->getAt(kPhotometric).openObject(mode));
    if (!record.isNull()) return record;
  }
  return OdDbXrecordPtr();
}

OdResBuf* find(const OdResBufPtr& chain, int code) {
  for (OdResBuf* rb = chain.get(); rb; rb = rb->next().get())
    if (rb->restype() == code) return rb;
  return nullptr;
}

bool webMark(const OdDbObject& light) {
  OdDbXrecordPtr record = photometricOf(light);
  const OdResBufPtr chain = record.isNull() ? OdResBufPtr() : record->rbChain();
  const OdResBuf* web = find(chain, 290);
  return web && web->getInt32() != 0;
}
}  // namespace

OdString OdDbLight::name() const { assertReadEnabled(); return m_name; }
OdResult OdDbLight::setName(const OdString& name) { assertWriteEnabled(); m_name = name; return eOk; }

int OdDbLight::lightType() const {
  assertReadEnabled();
  return m_type == kPointLight && webMark(*this) ? int(kWebLight) : m_type;
}

OdResult OdDbLight::setPhotometricFlag(int code, bool on) {
  OdDbXrecordPtr record = photometricOf(*this, OdDb::kForWrite);
  if (record.isNull() && on) {
    if (!database() || (extensionDictionary().isNull() && createExtensionDictionary() != eOk)) return eNotInDatabase;
    OdDbDictionaryPtr dict = OdDbDictionary::cast(extensionDictionary().openObject(OdDb::kForWrite));
    if (dict.isNull()) return eNotInDatabase;
    record = OdDbXrecord::createObject();
    dict->setAt(kPhotometric, record);
  }
  if (record.isNull()) return eOk;
  OdResBufPtr chain = record->rbChain();
  if (OdResBuf* flag = find(chain, code)) flag->setInt32(on ? 1 : 0);
  else if (on) {
    OdResBufPtr rb = OdResBuf::newRb(code, OdInt32(1));
    if (chain.isNull()) chain = rb;
    else chain->last()->setNext(rb);
  }
  return record->setFromRbChain(chain);
}

OdResult OdDbLight::setLightType(int type) {
  assertWriteEnabled();
  if (type != kDistantLight && type != kPointLight && type != kSpotLight && type != kWebLight) return eInvalidInput;
  const OdResult marked = setPhotometricFlag(290, type == kWebLight);
  if (marked != eOk) return marked;
  m_type = type == kWebLight ? int(kPointLight) : type;
  return eOk;
}

OdResult OdDbLight::setTargeted(bool targeted) {
  assertWriteEnabled();
  return setPhotometricFlag(76, targeted);
}

bool OdDbLight::isOn() const { assertReadEnabled(); return m_on; }
void OdDbLight::setOn(bool on) { assertWriteEnabled(); m_on = on; }
bool OdDbLight::isPlottable() const { assertReadEnabled(); return m_plottable; }
void OdDbLight::setIsPlottable(bool plottable) { assertWriteEnabled(); m_plottable = plottable; }
double OdDbLight::intensity() const { assertReadEnabled(); return m_intensity; }
OdResult OdDbLight::setIntensity(double intensity) {
  assertWriteEnabled();
  if (!std::isfinite(intensity) || intensity < 0.0) return eInvalidInput;
  m_intensity = intensity;
  return eOk;
}
OdGePoint3d OdDbLight::position() const { assertReadEnabled(); return m_position; }
OdResult OdDbLight::setPosition(const OdGePoint3d& p) {
  assertWriteEnabled();
  if (!p.isFinite()) return eInvalidInput;
  m_position = p;
  return eOk;
}
OdGePoint3d OdDbLight::targetLocation() const { assertReadEnabled(); return m_target; }
OdResult OdDbLight::setTargetLocation(const OdGePoint3d& p) {
  assertWriteEnabled();
  if (!p.isFinite()) return eInvalidInput;
  m_target = p;
  return eOk;
}
double OdDbLight::hotspotAngle() const { assertReadEnabled(); return m_hotspot; }
double OdDbLight::falloffAngle() const { assertReadEnabled(); return m_falloff; }
OdResult OdDbLight::setHotspotAndFalloff(double hotspot, double falloff) {
  assertWriteEnabled();
  if (!(hotspot >= 0.0) || !(falloff >= hotspot) || !(falloff <= OdaPI)) return eInvalidInput;
  m_hotspot = hotspot;
  m_falloff = falloff;
  return eOk;
}
OdDbLight::Attenuation OdDbLight::attenuation() const { assertReadEnabled(); return m_attenuation; }
OdResult OdDbLight::setAttenuation(const Attenuation& a) {
  assertWriteEnabled();
  if (a.type < kNone || a.type > kInverseSquare || !std::isfinite(a.startLimit) || !std::isfinite(a.endLimit))
    return eInvalidInput;
  m_attenuation = a;
  return eOk;
}
OdDbLight::ShadowParameters OdDbLight::shadowParameters() const { assertReadEnabled(); return m_shadow; }
OdResult OdDbLight::setShadowParameters(const ShadowParameters& s) {
  assertWriteEnabled();
  m_shadow = s;
  return eOk;
}

bool OdDbLight::isTargeted() const {
  assertReadEnabled();
  OdDbXrecordPtr record = photometricOf(*this);
  const OdResBufPtr chain = record.isNull() ? OdResBufPtr() : record->rbChain();
  const OdResBuf* flag = find(chain, 76);
  return flag && flag->getInt32() != 0;
}

void OdDbLight::dxfInFields(const OdDxfIn& in) {
  OdDbEntity::dxfInFields(in);
  const char* S = "AcDbLight";
  m_version = in.integer(S, 90, 0);
  m_name = in.string(S, 1);
  m_type = in.integer(S, 70, kPointLight);
  m_on = in.integer(S, 290, 1) != 0;
  m_plottable = in.integer(S, 291, 0) != 0;
  m_intensity = in.real(S, 40, 1.0);
  m_position = in.point(S, 10);
  m_target = in.point(S, 11);
  m_attenuation.type = in.integer(S, 72, kInverseSquare);
  m_attenuation.useLimits = in.integer(S, 292, 0) != 0;
  m_attenuation.startLimit = in.real(S, 41, 1.0);
  m_attenuation.endLimit = in.real(S, 42, 10.0);
  m_hotspot = in.real(S, 50, 0.0) * OdaPI / 180.0;
  m_falloff = in.real(S, 51, 0.0) * OdaPI / 180.0;
  m_shadow.shadowsOn = in.integer(S, 293, 1) != 0;
  m_shadow.shadowType = in.integer(S, 73, 0);
  m_shadow.shadowMapSize = in.integer(S, 91, 256);
  m_shadow.shadowSoftness = in.integer(S, 280, 1);
}

void OdDbLight::dxfOutFields(OdDxfOut& out) const {
  OdDbEntity::dxfOutFields(out);
  out.subclass("AcDbLight");
  out.integer(90, m_version);
  out.string(1, m_name);
  out.integer(70, m_type);
  out.integer(290, m_on ? 1 : 0);
  out.integer(291, m_plottable ? 1 : 0);
  out.real(40, m_intensity);
  out.point(10, m_position);
  out.point(11, m_target);
  out.integer(72, m_attenuation.type);
  out.integer(292, m_attenuation.useLimits ? 1 : 0);
  out.real(41, m_attenuation.startLimit);
  out.real(42, m_attenuation.endLimit);
  out.angle(50, m_hotspot);
  out.angle(51, m_falloff);
  out.integer(293, m_shadow.shadowsOn ? 1 : 0);
  out.integer(73, m_shadow.shadowType);
  out.integer(91, m_shadow.shadowMapSize);
  out.integer(280, m_shadow.shadowSoftness);
}

OdResult OdDbLight::transformBy(const OdGeMatrix3d& transform) {
  assertWriteEnabled();
  OdGePoint3d p = m_position, t = m_target;
  p.transformBy(transform);
  t.transformBy(transform);
  if (!p.isFinite() || !t.isFinite()) return eInvalidInput;
  m_position = p;
  m_target = t;
  return eOk;
}
