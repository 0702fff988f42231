#include "Db/DbUnderlay.h"

#include <cctype>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <map>
#include <sstream>

#include "Db/DbDatabase.h"
#include "Dxf/DxfFiler.h"
#include "Ge/GeConst.h"
#include "Ge/GeMatrix3d.h"
#include "Rx/RxClass.h"

ODRX_DEFINE_ABSTRACT_MEMBERS(OdDbUnderlayDefinition, OdDbObject)
ODRX_DEFINE_MEMBERS_EX(OdDbPdfDefinition, OdDbUnderlayDefinition, L"PDFDEFINITION", new OdDbPdfDefinition)
ODRX_DEFINE_MEMBERS_EX(OdDbDgnDefinition, OdDbUnderlayDefinition, L"DGNDEFINITION", new OdDbDgnDefinition)
ODRX_DEFINE_ABSTRACT_MEMBERS(OdDbUnderlayReference, OdDbEntity)
ODRX_DEFINE_MEMBERS_EX(OdDbPdfReference, OdDbUnderlayReference, L"PDFUNDERLAY", new OdDbPdfReference)
ODRX_DEFINE_MEMBERS_EX(OdDbDgnReference, OdDbUnderlayReference, L"DGNUNDERLAY", new OdDbDgnReference)

// ------------------------------------------------------------ PDF pages

namespace {
// The objects of a PDF file that are written out in the open ("7 0 obj ...
// endobj"); objects packed into compressed streams are not seen.
class PdfObjects {
public:
  explicit PdfObjects(const std::string& bytes) {
    size_t at = 0;
    while ((at = bytes.find("obj", at)) != std::string::npos) {
      const size_t head = at;
      at += 3;
      if (head >= 4 && bytes.compare(head - 3, 3, "end") == 0) continue;
      if (at < bytes.size() && std::isalnum((unsigned char)bytes[at])) continue;
      // Back over "<number> <generation> ".
      size_t p = head;
      auto skipSpace = [&]() { while (p > 0 && std::isspace((unsigned char)bytes[p - 1])) --p; };
      auto skipDigits = [&]() { size_t e = p; while (p > 0 && std::isdigit((unsigned char)bytes[p - 1])) --p; return e > p; };
      skipSpace();
      if (!skipDigits()) continue;
      skipSpace();
      const size_t numberEnd = p;
      if (!skipDigits()) continue;
      const int number = std::atoi(bytes.substr(p, numberEnd - p).c_str());
      const size_t end = bytes.find("endobj", at);
      if (end == std::string::npos) break;
      m_objects[number] = bytes.substr(at, end - at);
      at = end + 6;
    }
  }
  const std::string* get(int number) const {
    auto it = m_objects.find(number);
    return it == m_objects.end() ? nullptr : &it->second;
  }
  const std::map<int, std::string>& all() const { return m_objects; }

private:
  std::map<int, std::string> m_objects;
};

// Where the key (a name such as "/Kids") stands as a whole name, or npos.
size_t findKey(const std::string& body, const char* key, size_t from = 0) {
  const size_t n = std::strlen(key);
  for (size_t at = body.find(key, from); at != std::string::npos; at = body.find(key, at + 1)) {
    const size_t after = at + n;
    if (after >= body.size() || !std::isalnum((unsigned char)body[after])) return at;
  }
  return std::string::npos;
}

bool hasType(const std::string& body, const char* type) {
  const size_t at = findKey(body, "/Type");
  if (at == std::string::npos) return false;
  size_t p = at + 5;
  while (p < body.size() && std::isspace((unsigned char)body[p])) ++p;
  const size_t n = std::strlen(type);
  return body.compare(p, n, type) == 0 && (p + n >= body.size() || !std::isalnum((unsigned char)body[p + n]));
}

// The reference "N 0 R" at p (after spaces); -1 when there is none.
int referenceAt(const std::string& body, size_t& p) {
  const char* s = body.c_str() + p;
  char* end = nullptr;
  const long number = std::strtol(s, &end, 10);
  if (end == s) return -1;
  char* end2 = nullptr;
  std::strtol(end, &end2, 10);
  if (end2 == end) return -1;
  const char* r = end2;
  while (*r && std::isspace((unsigned char)*r)) ++r;
  if (*r != 'R') return -1;
  p = size_t(r - body.c_str()) + 1;
  return int(number);
}

std::vector<int> referenceList(const std::string& body, size_t open) {
  std::vector<int> refs;
  const size_t close = body.find(']', open);
  size_t p = open + 1;
  while (p < close) {
    while (p < close && std::isspace((unsigned char)body[p])) ++p;
    const int ref = referenceAt(body, p);
    if (ref < 0) break;
    refs.push_back(ref);
  }
  return refs;
}

// The numbers of the array after the key (directly or through a reference).
bool numberArray(const PdfObjects& pdf, const std::string& body, const char* key, std::vector<double>& numbers) {
  const size_t at = findKey(body, key);
  if (at == std::string::npos) return false;
  size_t p = at + std::strlen(key);
  while (p < body.size() && std::isspace((unsigned char)body[p])) ++p;
  const std::string* source = &body;
  if (p < body.size() && body[p] != '[') {
    const int ref = referenceAt(body, p);
    source = ref < 0 ? nullptr : pdf.get(ref);
    if (!source) return false;
    p = source->find('[');
    if (p == std::string::npos) return false;
  }
  numbers.clear();
  const size_t close = source->find(']', p);
  const char* s = source->c_str() + p + 1;
  const char* end = source->c_str() + (close == std::string::npos ? source->size() : close);
  while (s < end) {
    char* next = nullptr;
    const double v = std::strtod(s, &next);
    if (next == s) {
      ++s;
      continue;
    }
    numbers.push_back(v);
    s = next;
  }
  return numbers.size() == 4;
}

struct Page {
  std::vector<double> box;
  int rotate = 0;
};

void collectPages(const PdfObjects& pdf, int node, Page inherited, std::vector<Page>& pages, int depth) {
  const std::string* body = node >= 0 ? pdf.get(node) : nullptr;
  if (!body || depth > 64) return;
  Page here = inherited;
  std::vector<double> box;
  if (numberArray(pdf, *body, "/MediaBox", box)) here.box = box;
  const size_t rot = findKey(*body, "/Rotate");
  if (rot != std::string::npos) here.rotate = std::atoi(body->c_str() + rot + 7);
  if (hasType(*body, "/Pages")) {
    const size_t kids = findKey(*body, "/Kids");
    const size_t open = kids == std::string::npos ? kids : body->find('[', kids);
    if (open == std::string::npos) return;
    for (int kid : referenceList(*body, open)) collectPages(pdf, kid, here, pages, depth + 1);
  } else if (hasType(*body, "/Page")) {
    pages.push_back(here);
  }
}

// A PDF text string "(...)" with its escapes; other forms as they stand.
std::string pdfString(const std::string& body, size_t p) {
  while (p < body.size() && std::isspace((unsigned char)body[p])) ++p;
  std::string out;
  if (p >= body.size() || body[p] != '(') return out;
  int depth = 0;
  for (++p; p < body.size(); ++p) {
    const char c = body[p];
    if (c == '\\' && p + 1 < body.size()) {
      out.push_back(body[++p]);
      continue;
    }
    if (c == '(') ++depth;
    if (c == ')' && depth-- == 0) break;
    out.push_back(c);
  }
  return out;
}
}  // namespace

bool odDbReadPdfPage(const std::string& bytes, int page, OdDbUnderlayItem& item) {
  if (bytes.compare(0, 5, "%PDF-") != 0 || page < 1) return false;
  const PdfObjects pdf(bytes);
  std::vector<Page> pages;
  for (const auto& o : pdf.all())
    if (hasType(o.second, "/Catalog")) {
      const size_t at = findKey(o.second, "/Pages");
      size_t p = at == std::string::npos ? at : at + 6;
      while (p != std::string::npos && p < o.second.size() && std::isspace((unsigned char)o.second[p])) ++p;
      if (p != std::string::npos) collectPages(pdf, referenceAt(o.second, p), Page(), pages, 0);
      break;
    }
  if (size_t(page) > pages.size() || pages[size_t(page) - 1].box.size() != 4) return false;
  const Page& pg = pages[size_t(page) - 1];
  double w = std::fabs(pg.box[2] - pg.box[0]) / 72.0, h = std::fabs(pg.box[3] - pg.box[1]) / 72.0;
  if (((pg.rotate % 180) + 180) % 180 == 90) std::swap(w, h);
  if (!(w > 0 && h > 0)) return false;
  item.minPoint = OdGePoint2d(0, 0);
  item.maxPoint = OdGePoint2d(w, h);
  item.name = OdString::fromUtf8(std::to_string(page));
  // Layers: the optional content groups, off where the default configuration says so.
  std::vector<int> off;
  for (const auto& o : pdf.all()) {
    const size_t at = findKey(o.second, "/OFF");
    const size_t open = at == std::string::npos ? at : o.second.find('[', at);
    if (open != std::string::npos)
      for (int r : referenceList(o.second, open)) off.push_back(r);
  }
  item.layers.clear();
  for (const auto& o : pdf.all())
    if (hasType(o.second, "/OCG")) {
      OdUnderlayLayer layer;
      const size_t name = findKey(o.second, "/Name");
      layer.setName(OdString::fromUtf8(name == std::string::npos ? std::string() : pdfString(o.second, name + 5)));
      bool isOff = false;
      for (int r : off) isOff = isOff || r == o.first;
      layer.setState(isOff ? OdUnderlayLayer::kOff : OdUnderlayLayer::kOn);
      item.layers.push_back(layer);
    }
  return true;
}

// ------------------------------------------------------------ definitions

OdString OdDbUnderlayDefinition::getSourceFileName() const { assertReadEnabled(); return m_file; }
void OdDbUnderlayDefinition::setSourceFileName(const OdString& path) {
  assertWriteEnabled();
  m_file = path;
  m_tried = false;
  m_loaded.reset();
}
OdString OdDbUnderlayDefinition::getItemName() const { assertReadEnabled(); return m_item; }
void OdDbUnderlayDefinition::setItemName(const OdString& name) {
  assertWriteEnabled();
  m_item = name;
  m_tried = false;
  m_loaded.reset();
}

OdString OdDbUnderlayDefinition::resolvedPath() const {
  assertReadEnabled();
  std::string path = m_file.toUtf8();
  for (char& c : path)
    if (c == '\\') c = '/';
  if (path.empty()) return OdString();
  auto exists = [](const std::string& p) { return std::ifstream(p).good(); };
  if (path[0] == '/' && exists(path)) return OdString::fromUtf8(path);
  const OdDbDatabase* db = database();
  const std::string drawing = db ? db->getFilename() : std::string();
  const size_t slash = drawing.rfind('/');
  const std::string dir = slash == std::string::npos ? std::string(".") : drawing.substr(0, slash);
  if (path[0] != '/' && exists(dir + "/" + path)) return OdString::fromUtf8(dir + "/" + path);
  // The file moved along with the drawing.
  const size_t base = path.rfind('/');
  const std::string name = base == std::string::npos ? path : path.substr(base + 1);
  if (exists(dir + "/" + name)) return OdString::fromUtf8(dir + "/" + name);
  return OdString();
}

OdDbUnderlayItemPtr OdDbUnderlayDefinition::getUnderlayItem() const {
  assertReadEnabled();
  if (!m_tried) {
    m_tried = true;
    const OdString path = resolvedPath();
    if (!path.isEmpty()) m_loaded = readItem(path.toUtf8());
  }
  return m_loaded;
}

OdResult OdDbUnderlayDefinition::load() {
  assertReadEnabled();
  m_tried = false;
  m_loaded.reset();
  return getUnderlayItem() ? eOk : eFileError;
}

void OdDbUnderlayDefinition::setUnderlayItem(OdDbUnderlayItemPtr item) {
  m_loaded = std::move(item);
  m_tried = true;
}

OdDbUnderlayItemPtr OdDbUnderlayDefinition::readItem(const std::string&) const { return nullptr; }

OdDbUnderlayItemPtr OdDbPdfDefinition::readItem(const std::string& path) const {
  std::ifstream in(path, std::ios::binary);
  if (!in) return nullptr;
  std::ostringstream bytes;
  bytes << in.rdbuf();
  auto item = std::make_shared<OdDbUnderlayItem>();
  const int page = std::atoi(getItemName().toUtf8().c_str());
  if (!odDbReadPdfPage(bytes.str(), page > 0 ? page : 1, *item)) return nullptr;
  return item;
}

void OdDbUnderlayDefinition::dxfInFields(const OdDxfIn& in) {
  OdDbObject::dxfInFields(in);
  m_file = in.string("AcDbUnderlayDefinition", 1);
  m_item = in.string("AcDbUnderlayDefinition", 2);
  m_tried = false;
  m_loaded.reset();
}

void OdDbUnderlayDefinition::dxfOutFields(OdDxfOut& out) const {
  OdDbObject::dxfOutFields(out);
  out.subclass("AcDbUnderlayDefinition");
  out.string(1, m_file);
  out.string(2, m_item);
}

// ------------------------------------------------------------- references

OdGePoint3d OdDbUnderlayReference::position() const { assertReadEnabled(); return m_position; }
OdResult OdDbUnderlayReference::setPosition(const OdGePoint3d& p) {
  assertWriteEnabled();
  if (!p.isFinite()) return eInvalidInput;
  m_position = p;
  return eOk;
}
OdGeScale3d OdDbUnderlayReference::scaleFactors() const { assertReadEnabled(); return m_scale; }
OdResult OdDbUnderlayReference::setScaleFactors(const OdGeScale3d& s) {
  assertWriteEnabled();
  for (double f : {s.sx, s.sy, s.sz})
    if (!std::isfinite(f) || f == 0.0) return eInvalidInput;
  m_scale = s;
  return eOk;
}
double OdDbUnderlayReference::rotation() const { assertReadEnabled(); return m_rotation; }
OdResult OdDbUnderlayReference::setRotation(double angle) {
  assertWriteEnabled();
  if (!std::isfinite(angle)) return eInvalidInput;
  m_rotation = angle;
  return eOk;
}
OdGeVector3d OdDbUnderlayReference::normal() const { assertReadEnabled(); return m_normal; }
OdResult OdDbUnderlayReference::setNormal(const OdGeVector3d& n) {
  assertWriteEnabled();
  if (!n.isFinite() || n.isZeroLength()) return eInvalidInput;
  m_normal = n.normal();
  return eOk;
}
OdDbObjectId OdDbUnderlayReference::definitionId() const { assertReadEnabled(); return m_def; }
OdResult OdDbUnderlayReference::setDefinitionId(OdDbObjectId id) {
  assertWriteEnabled();
  OdDbUnderlayDefinitionPtr def = OdDbUnderlayDefinition::cast(id.openObject(OdDb::kForWrite));
  if (def.isNull()) return eInvalidInput;
  OdDbObjectPtr old = m_def.openObject(OdDb::kForWrite);
  if (!old.isNull() && !objectId().isNull()) old->removePersistentReactor(objectId());
  if (!objectId().isNull()) def->addPersistentReactor(objectId());
  m_def = id;
  return eOk;
}

void OdDbUnderlayReference::setFlag(int flag, bool on) {
  assertWriteEnabled();
  m_flags = on ? (m_flags | flag) : (m_flags & ~flag);
}
bool OdDbUnderlayReference::isOn() const { assertReadEnabled(); return (m_flags & kUnderlayOn) != 0; }
void OdDbUnderlayReference::setIsOn(bool on) { setFlag(kUnderlayOn, on); }
bool OdDbUnderlayReference::isClipped() const { assertReadEnabled(); return (m_flags & kClipOn) != 0; }
void OdDbUnderlayReference::setIsClipped(bool on) { setFlag(kClipOn, on); }
bool OdDbUnderlayReference::isMonochrome() const { assertReadEnabled(); return (m_flags & kMonochrome) != 0; }
void OdDbUnderlayReference::setIsMonochrome(bool on) { setFlag(kMonochrome, on); }
bool OdDbUnderlayReference::isAdjustedForBackground() const {
  assertReadEnabled();
  return (m_flags & kAdjustForBackground) != 0;
}
void OdDbUnderlayReference::setIsAdjustedForBackground(bool on) { setFlag(kAdjustForBackground, on); }
bool OdDbUnderlayReference::isClipInverted() const { assertReadEnabled(); return (m_flags & kClipInverted) != 0; }
void OdDbUnderlayReference::setIsClipInverted(bool on) { setFlag(kClipInverted, on); }

OdUInt8 OdDbUnderlayReference::contrast() const { assertReadEnabled(); return OdUInt8(m_contrast); }
OdResult OdDbUnderlayReference::setContrast(OdUInt8 value) {
  assertWriteEnabled();
  if (value > 100) return eInvalidInput;
  m_contrast = value;
  return eOk;
}
OdUInt8 OdDbUnderlayReference::fade() const { assertReadEnabled(); return OdUInt8(m_fade); }
OdResult OdDbUnderlayReference::setFade(OdUInt8 value) {
  assertWriteEnabled();
  if (value > 100) return eInvalidInput;
  m_fade = value;
  return eOk;
}

const OdGePoint2dArray& OdDbUnderlayReference::clipBoundary() const { assertReadEnabled(); return m_boundary; }
OdResult OdDbUnderlayReference::setClipBoundary(const OdGePoint2dArray& points) {
  assertWriteEnabled();
  if (points.size() == 1) return eInvalidInput;
  for (const OdGePoint2d& p : points)
    if (!std::isfinite(p.x) || !std::isfinite(p.y)) return eInvalidInput;
  m_boundary = points;
  return eOk;
}

OdUInt32 OdDbUnderlayReference::underlayLayerCount() const {
  assertReadEnabled();
  OdDbUnderlayDefinitionPtr def = OdDbUnderlayDefinition::cast(m_def.openObject());
  OdDbUnderlayItemPtr item = def.isNull() ? nullptr : def->getUnderlayItem();
  return item ? OdUInt32(item->layers.size()) : 0;
}

OdResult OdDbUnderlayReference::getUnderlayLayer(int index, OdUnderlayLayer& layer) const {
  assertReadEnabled();
  OdDbUnderlayDefinitionPtr def = OdDbUnderlayDefinition::cast(m_def.openObject());
  OdDbUnderlayItemPtr item = def.isNull() ? nullptr : def->getUnderlayItem();
  if (!item || index < 0 || size_t(index) >= item->layers.size()) return eInvalidIndex;
  layer = item->layers[size_t(index)];
  return eOk;
}

void OdDbUnderlayReference::dxfInFields(const OdDxfIn& in) {
  OdDbEntity::dxfInFields(in);
  const char* S = "AcDbUnderlayReference";
  m_def = in.reference(S, 340);
  m_position = in.point(S, 10);
  m_scale = OdGeScale3d(in.real(S, 41, 1.0), in.real(S, 42, 1.0), in.real(S, 43, 1.0));
  m_rotation = in.real(S, 50, 0.0) * OdaPI / 180.0;
  m_normal = in.normal(S, 210);
  m_flags = in.integer(S, 280, kUnderlayOn);
  m_contrast = in.integer(S, 281, 100);
  m_fade = in.integer(S, 282, 0);
  m_boundary = odDbReadPoints2d(in, S, 11);
}

void OdDbUnderlayReference::dxfOutFields(OdDxfOut& out) const {
  OdDbEntity::dxfOutFields(out);
  out.subclass("AcDbUnderlayReference");
  out.reference(340, m_def);
  out.point(10, m_position);
  out.real(41, m_scale.sx);
  out.real(42, m_scale.sy);
  out.real(43, m_scale.sz);
  out.angleOpt(50, m_rotation, 0.0);
  out.normal(210, m_normal);
  out.integer(280, m_flags);
  out.integer(281, m_contrast);
  out.integer(282, m_fade);
  odDbWritePoints2d(out, m_boundary, 11);
}

OdResult OdDbUnderlayReference::transformBy(const OdGeMatrix3d& transform) {
  assertWriteEnabled();
  OdGePoint3d p = m_position;
  p.transformBy(transform);
  OdGeVector3d x = OdGeVector3d::kXAxis, n = m_normal;
  x.rotateBy(m_rotation, OdGeVector3d::kZAxis);
  x.transformBy(transform);
  n.transformBy(transform);
  const double stretch = x.length();
  if (!p.isFinite() || !(stretch > 0) || n.isZeroLength()) return eInvalidInput;
  m_position = p;
  m_scale *= stretch;
  m_normal = n.normal();
  m_rotation = std::atan2(x.y, x.x);
  if (m_rotation < 0) m_rotation += 2 * OdaPI;
  return eOk;
}
