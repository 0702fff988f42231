#include "Db/DbOle2Frame.h"

#include <cmath>
#include <cstring>

#include "Db/DbDatabase.h"
#include "Dxf/DxfFiler.h"
#include "Ge/GeConst.h"
#include "Rx/RxClass.h"

ODRX_DEFINE_MEMBERS_EX(OdDbOle2Frame, OdDbEntity, L"OLE2FRAME", new OdDbOle2Frame)
ODRX_DEFINE_MEMBERS_EX(OdDbProxyEntity, OdDbEntity, L"ACAD_PROXY_ENTITY", new OdDbProxyEntity)

namespace {
// The head of the data: a two-byte mark, then the four corners as doubles.
const size_t kHeadSize = 2 + 12 * sizeof(double);

int hexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

// The bytes of a hexadecimal text; a broken pair ends it.
void appendHex(std::string_view text, std::string& bytes) {
  for (size_t i = 0; i + 1 < text.size(); i += 2) {
    const int hi = hexDigit(text[i]), lo = hexDigit(text[i + 1]);
    if (hi < 0 || lo < 0) return;
    bytes.push_back(char(hi * 16 + lo));
  }
}

std::string hexOf(const std::string& bytes, size_t from, size_t count) {
  static const char kDigits[] = "0123456789ABCDEF";
  std::string out;
  for (size_t i = from; i < from + count && i < bytes.size(); ++i) {
    out.push_back(kDigits[(unsigned char)bytes[i] >> 4]);
    out.push_back(kDigits[(unsigned char)bytes[i] & 15]);
  }
  return out;
}

double readDouble(const std::string& bytes, size_t at) {
  double v;
  std::memcpy(&v, bytes.data() + at, sizeof v);
  return v;
}
void writeDouble(std::string& bytes, size_t at, double v) { std::memcpy(&bytes[at], &v, sizeof v); }
}  // namespace

bool OdDbOle2Frame::hasHead() const {
  if (m_data.size() < kHeadSize) return false;
  for (int i = 0; i < 12; ++i)
    if (!std::isfinite(readDouble(m_data, 2 + 8 * size_t(i)))) return false;
  return true;
}

void OdDbOle2Frame::storeHead() {
  m_moved = true;
  if (!hasHead()) return;
  const OdGePoint3d corners[4] = {m_frame.upperLeft, m_frame.upperRight, m_frame.lowerRight, m_frame.lowerLeft};
  for (int c = 0; c < 4; ++c) {
    writeDouble(m_data, 2 + 24 * size_t(c), corners[c].x);
    writeDouble(m_data, 2 + 24 * size_t(c) + 8, corners[c].y);
    writeDouble(m_data, 2 + 24 * size_t(c) + 16, corners[c].z);
  }
}

void OdDbOle2Frame::position(Rectangle& frame) const { assertReadEnabled(); frame = m_frame; }

OdResult OdDbOle2Frame::setPosition(const Rectangle& frame) {
  assertWriteEnabled();
  for (const OdGePoint3d& p : {frame.upperLeft, frame.upperRight, frame.lowerRight, frame.lowerLeft})
    if (!p.isFinite()) return eInvalidInput;
  m_frame = frame;
  storeHead();
  return eOk;
}

double OdDbOle2Frame::rotation() const {
  assertReadEnabled();
  const OdGeVector3d top = m_frame.upperRight - m_frame.upperLeft;
  return top.isZeroLength() ? 0.0 : std::atan2(top.y, top.x);
}

OdResult OdDbOle2Frame::setRotation(double angle) {
  assertWriteEnabled();
  if (!std::isfinite(angle)) return eInvalidInput;
  return transformBy(OdGeMatrix3d::rotation(angle - rotation(), OdGeVector3d::kZAxis, m_frame.upperLeft));
}

double OdDbOle2Frame::scaleWidth() const { assertReadEnabled(); return m_scaleWidth; }
double OdDbOle2Frame::scaleHeight() const { assertReadEnabled(); return m_scaleHeight; }

// A new size in percent resizes the frame from its upper left corner; the
// other side follows while the aspect is locked.
OdResult OdDbOle2Frame::setScale(bool width, double percent) {
  assertWriteEnabled();
  if (!std::isfinite(percent) || percent <= 0.0) return eInvalidInput;
  double& scale = width ? m_scaleWidth : m_scaleHeight;
  double& other = width ? m_scaleHeight : m_scaleWidth;
  const double f = percent / (scale > 1e-10 ? scale : 100.0);
  const double g = m_lockAspect ? f : 1.0;
  const OdGeVector3d across = (m_frame.upperRight - m_frame.upperLeft) * (width ? f : g);
  const OdGeVector3d down = (m_frame.lowerLeft - m_frame.upperLeft) * (width ? g : f);
  m_frame.upperRight = m_frame.upperLeft + across;
  m_frame.lowerLeft = m_frame.upperLeft + down;
  m_frame.lowerRight = m_frame.upperLeft + across + down;
  scale = percent;
  if (m_lockAspect) other = (other > 1e-10 ? other : 100.0) * f;
  storeHead();
  return eOk;
}
OdResult OdDbOle2Frame::setScaleWidth(double percent) { return setScale(true, percent); }
OdResult OdDbOle2Frame::setScaleHeight(double percent) { return setScale(false, percent); }

bool OdDbOle2Frame::lockAspect() const { assertReadEnabled(); return m_lockAspect; }
void OdDbOle2Frame::setLockAspect(bool lock) { assertWriteEnabled(); m_lockAspect = lock; }
int OdDbOle2Frame::getType() const { assertReadEnabled(); return m_type; }
OdString OdDbOle2Frame::getUserType() const { assertReadEnabled(); return m_userType; }
int OdDbOle2Frame::outputQuality() const { assertReadEnabled(); return m_quality; }
OdResult OdDbOle2Frame::setOutputQuality(int quality) {
  assertWriteEnabled();
  if (quality < kMonochrome || quality > kHighGraphics) return eInvalidInput;
  m_quality = quality;
  return eOk;
}

OdResult OdDbOle2Frame::setData(const OdString& userType, int type, const std::string& bytes) {
  assertWriteEnabled();
  if (type < kUnknown || type > kStatic) return eInvalidInput;
  m_userType = userType;
  m_type = type;
  // A head with the frame's corners, then the object's own bytes.
  m_data.assign(kHeadSize, '\0');
  m_data[0] = char(0x80);
  m_data[1] = char(0x55);
  m_data += bytes;
  m_declared = long(m_data.size());
  storeHead();
  return eOk;
}

void OdDbOle2Frame::dxfInFields(const OdDxfIn& in) {
  OdDbEntity::dxfInFields(in);
  const char* S = "AcDbOle2Frame";
  m_version = in.integer(S, 70, 2);
  m_userType = in.string(S, 3);
  const OdGePoint3d ul = in.point(S, 10), lr = in.point(S, 11);
  m_type = in.integer(S, 71, kEmbedded);
  m_tile = in.integer(S, 72, 0);
  m_quality = in.integer(S, 73, kHighGraphics);
  m_declared = in.integer(S, 90, 0);
  m_data.clear();
  bool first = true;
  for (const OdDxfTag* t : in.section(S))
    if (t->code == 310) {
      const std::string_view text = in.text(*t);
      if (first && text.size() >= 2) m_chunk = text.size() / 2;
      first = false;
      appendHex(text, m_data);
    }
  if (hasHead()) {
    OdGePoint3d* corners[4] = {&m_frame.upperLeft, &m_frame.upperRight, &m_frame.lowerRight, &m_frame.lowerLeft};
    for (int c = 0; c < 4; ++c)
      *corners[c] = OdGePoint3d(readDouble(m_data, 2 + 24 * size_t(c)), readDouble(m_data, 2 + 24 * size_t(c) + 8),
                                readDouble(m_data, 2 + 24 * size_t(c) + 16));
  } else {
    m_frame = Rectangle{ul, OdGePoint3d(lr.x, ul.y, ul.z), lr, OdGePoint3d(ul.x, lr.y, lr.z)};
  }
  m_fieldUpperLeft = ul;
  m_fieldLowerRight = lr;
  m_moved = false;
}

void OdDbOle2Frame::dxfOutFields(OdDxfOut& out) const {
  OdDbEntity::dxfOutFields(out);
  out.subclass("AcDbOle2Frame");
  out.integer(70, m_version);
  out.string(3, m_userType);
  out.point(10, m_moved ? m_frame.upperLeft : m_fieldUpperLeft);
  out.point(11, m_moved ? m_frame.lowerRight : m_fieldLowerRight);
  out.integer(71, m_type);
  out.integer(72, m_tile);
  out.integer(73, m_quality);
  // Data cut short in the file stays as short, with the size the file declared.
  out.integer(90, m_declared);
  for (size_t at = 0; at < m_data.size(); at += m_chunk) out.verbatim(310, hexOf(m_data, at, m_chunk));
  out.own(310);
  out.string(1, L"OLE");
}

OdResult OdDbOle2Frame::transformBy(const OdGeMatrix3d& transform) {
  assertWriteEnabled();
  Rectangle moved = m_frame;
  for (OdGePoint3d* p : {&moved.upperLeft, &moved.upperRight, &moved.lowerRight, &moved.lowerLeft}) {
    p->transformBy(transform);
    if (!p->isFinite()) return eInvalidInput;
  }
  m_frame = moved;
  storeHead();
  return eOk;
}

// ---------------------------------------------------------------- proxies

namespace {
const OdDbDatabase::DxfClass* classOf(const OdDbProxyEntity& proxy) {
  const OdDbDatabase* db = proxy.database();
  const int index = proxy.originalClassId() - 500;
  if (!db || index < 0 || size_t(index) >= db->dxfClasses().size()) return nullptr;
  return &db->dxfClasses()[size_t(index)];
}
}  // namespace

int OdDbProxyEntity::proxyFlags() const {
  assertReadEnabled();
  const OdDbDatabase::DxfClass* c = classOf(*this);
  return c ? c->proxyFlags : 0;
}
OdString OdDbProxyEntity::originalClassName() const {
  assertReadEnabled();
  const OdDbDatabase::DxfClass* c = classOf(*this);
  return c ? c->className : OdString();
}
OdString OdDbProxyEntity::originalDxfName() const {
  assertReadEnabled();
  const OdDbDatabase::DxfClass* c = classOf(*this);
  return c ? c->dxfName : OdString();
}
OdString OdDbProxyEntity::applicationDescription() const {
  assertReadEnabled();
  const OdDbDatabase::DxfClass* c = classOf(*this);
  return c ? c->appName : OdString();
}

void OdDbProxyEntity::dxfInFields(const OdDxfIn& in) {
  OdDbEntity::dxfInFields(in);
  const char* S = "AcDbProxyEntity";
  // Read leniently: a proxy's fields are another program's, and kept as read.
  auto number = [&](int code, long def) -> long {
    const OdDxfTag* t = in.field(S, code);
    if (!t) return def;
    try {
      return long(in.toInteger(*t));
    } catch (...) {
      return def;
    }
  };
  m_classId = int(number(91, 499));
  m_format = int(number(70, 1));
  m_graphicsSize = number(in.field(S, 160) ? 160 : 92, 0);
}

void OdDbProxyEntity::dxfOutFields(OdDxfOut& out) const {
  OdDbEntity::dxfOutFields(out);
  out.subclass("AcDbProxyEntity");
  // Everything of the class's own stays as read; a new proxy names its class.
  if (out.fromFile()) return;
  out.integer(90, 498);
  out.integer(91, m_classId);
  out.integer(92, 0);
  out.integer(93, 0);
  out.integer(94, 0);
  out.integer(95, 0);
  out.integer(70, m_format);
}
