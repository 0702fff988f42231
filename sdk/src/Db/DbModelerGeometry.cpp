#include "Db/DbModelerGeometry.h"

#include <cmath>
#include <cstring>
#include <map>
#include <sstream>

#include "Db/DbDatabase.h"
#include "Db/DbObjectId.h"
#include "Dxf/DxfDocument.h"
#include "Dxf/DxfTags.h"
#include "Ge/GeConst.h"

namespace {
const double kTwoPi = 2.0 * 3.14159265358979323846;
}

// ---------------------------------------------------------------------------
// The cipher: letters and a few marks are mirrored, the rest flipped by 0x5F.
std::string OdDbModeler::decodeLine(const std::string& line) {
  std::string out;
  out.reserve(line.size());
  for (size_t i = 0; i < line.size(); ++i) {
    const unsigned char c = (unsigned char)line[i];
    if (c == 0x20) out.push_back(' ');
    else if (c == 0x40) out.push_back('_');
    else if (c == 0x5F) out.push_back('@');
    else if (c >= 0x41 && c <= 0x5E) {
      out.push_back(char(0x41 + (0x5E - c)));
      if (c == 0x5E && i + 1 < line.size() && line[i + 1] == ' ') ++i;  // an 'A' carries a blank
    } else {
      out.push_back(char(c ^ 0x5F));
    }
  }
  return out;
}

std::string OdDbModeler::encodeLine(const std::string& line) {
  std::string out;
  out.reserve(line.size() + 8);
  for (const char ch : line) {
    const unsigned char c = (unsigned char)ch;
    if (c == ' ') out.push_back(' ');
    else if (c == '_') out.push_back('@');
    else if (c == '@') out.push_back('_');
    else if (c >= 0x41 && c <= 0x5E) {
      out.push_back(char(0x5E - (c - 0x41)));
      if (c == 'A') out.push_back(' ');
    } else {
      out.push_back(char(c ^ 0x5F));
    }
  }
  return out;
}

namespace {
int hexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}
std::string_view trim(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r')) s.remove_suffix(1);
  return s;
}
}  // namespace

std::string OdDbModeler::binaryDataOf(const OdDbDatabase* db, const OdDbHandle& handle) {
  std::string bytes;
  const OdDxfDocument* doc = db ? db->dxfDocument() : nullptr;
  if (!doc || handle.isNull()) return bytes;
  const OdDxfDocument::Section* section = nullptr;
  for (const OdDxfDocument::Section& s : doc->sections)
    if (s.name == "ACDSDATA") section = &s;
  if (!section) return bytes;
  const OdDxfTag* tags = section->tags.begin();
  const size_t count = section->tags.count;
  if (!doc->asideIndexed) {
    // Records: "0 ACDSRECORD", the owner's handle as 320, the data as 310 lines.
    doc->asideIndexed = true;
    for (size_t i = 0; i < count;) {
      size_t next = i + 1;
      while (next < count && tags[next].code != 0) ++next;
      for (size_t k = i; k < next; ++k)
        if (tags[k].code == 320) doc->asideRecords[odDxfParseHandle(trim(doc->text.text(tags[k])))] = {k, next};
      i = next;
    }
  }
  const auto found = doc->asideRecords.find(OdUInt64(handle));
  if (found == doc->asideRecords.end()) return bytes;
  for (size_t k = found->second.first; k < found->second.second; ++k) {
    if (tags[k].code != 310) continue;
    const std::string_view hex = trim(doc->text.text(tags[k]));
    for (size_t i = 0; i + 1 < hex.size(); i += 2) {
      const int hi = hexDigit(hex[i]), lo = hexDigit(hex[i + 1]);
      if (hi < 0 || lo < 0) break;
      bytes.push_back(char(hi * 16 + lo));
    }
  }
  return bytes;
}

// ---------------------------------------------------------------------------
// Records as tokens: the text and the binary form both become these.
struct OdDbModelerData::Model {
  struct Token {
    enum Kind { kPointer, kNumber, kWord, kBool, kOpen, kClose } kind = kNumber;
    double number = 0.0;  // pointers: the record index (-1 for none)
    std::string word;     // words and strings of the text form
    bool flag = false;    // binary truth values ("reversed", "double", "I")
  };
  struct Record {
    std::string name;
    std::vector<Token> tokens;
  };
  int version = 0;
  std::vector<Record> records;
  // The bodies' placement: rows of the linear part, a scale and a move
  // (p' = (x r0 + y r1 + z r2) s + t). placed is false when bodies differ.
  double rows[3][3] = {{1, 0, 0}, {0, 1, 0}, {0, 0, 1}};
  double scale = 1.0;
  OdGeVector3d move;
  bool placed = true;
  OdGeVector3d linear(const OdGeVector3d& v) const {
    return OdGeVector3d(v.x * rows[0][0] + v.y * rows[1][0] + v.z * rows[2][0],
                        v.x * rows[0][1] + v.y * rows[1][1] + v.z * rows[2][1],
                        v.x * rows[0][2] + v.y * rows[1][2] + v.z * rows[2][2]) * scale;
  }
  OdGePoint3d place(const OdGePoint3d& p) const { return OdGePoint3d() + linear(p.asVector()) + move; }

  const Record* at(const Token* t) const {
    if (!t || t->kind != Token::kPointer || t->number < 0 || t->number >= double(records.size())) return nullptr;
    return &records[size_t(t->number)];
  }
};

namespace {
typedef OdDbModelerData::Model Model;
typedef Model::Token Token;
typedef Model::Record Record;

bool isNumberText(std::string_view w) {
  if (w.empty()) return false;
  char* end = nullptr;
  const std::string s(w);
  std::strtod(s.c_str(), &end);
  return end && *end == '\0';
}

// The text form: a header of up to three lines, then records ending in '#'.
bool parseText(const std::vector<std::string>& lines, Model& model) {
  if (lines.empty()) return false;
  model.version = std::atoi(lines[0].c_str());
  if (model.version <= 0) return false;
  size_t first = 1;
  // The product line and the units line start with a number or a counted text.
  while (first < lines.size() && first < 3 && !lines[first].empty() &&
         (std::isdigit((unsigned char)lines[first][0]) || lines[first][0] == '@'))
    ++first;
  std::string all;
  for (size_t i = first; i < lines.size(); ++i) {
    all += lines[i];
    all.push_back(' ');
  }
  Record record;
  bool named = false;
  size_t i = 0;
  const size_t n = all.size();
  while (i < n) {
    while (i < n && (all[i] == ' ' || all[i] == '\t' || all[i] == '\r' || all[i] == '\n')) ++i;
    if (i >= n) break;
    size_t j = i;
    while (j < n && all[j] != ' ' && all[j] != '\t' && all[j] != '\r' && all[j] != '\n') ++j;
    std::string_view w(all.data() + i, j - i);
    i = j;
    if (w == "#") {
      if (named) model.records.push_back(std::move(record));
      record = Record();
      named = false;
      continue;
    }
    if (!named) {
      // An explicit index ("-12 edge ...") stands before the name.
      if (w.size() > 1 && w[0] == '-' && isNumberText(w)) continue;
      if (w.rfind("End-of-", 0) == 0) return true;
      record.name = std::string(w);
      named = true;
      continue;
    }
    Token t;
    t.kind = Token::kWord;
    if (w[0] == '$' && isNumberText(w.substr(1))) {
      t.kind = Token::kPointer;
      t.number = std::atof(std::string(w.substr(1)).c_str());
    } else if (w[0] == '@' && isNumberText(w.substr(1))) {
      // A counted text: the count, one blank, then that many characters.
      const size_t count = size_t(std::max(0, std::atoi(std::string(w.substr(1)).c_str())));
      const size_t from = std::min(n, i + 1);
      t.word = all.substr(from, std::min(count, n - from));
      i = std::min(n, from + count);
    } else if (w == "{") {
      t.kind = Token::kOpen;
    } else if (w == "}") {
      t.kind = Token::kClose;
    } else if (isNumberText(w)) {
      t.kind = Token::kNumber;
      t.number = std::atof(std::string(w).c_str());
    } else {
      t.word = std::string(w);
    }
    record.tokens.push_back(std::move(t));
  }
  return true;
}

// The binary form: a signature, four 32-bit numbers, three texts and three
// doubles, then records of tagged values.
class BinaryReader {
public:
  explicit BinaryReader(const std::string& bytes) : m_b(bytes) {}
  bool parse(Model& model) {
    static const char* const kSignatures[] = {"ACIS BinaryFile", "ASM BinaryFile4"};
    bool signed_ = false;
    for (const char* s : kSignatures)
      if (m_b.compare(0, std::strlen(s), s) == 0) {
        m_at = std::strlen(s);
        signed_ = true;
      }
    if (!signed_) return false;
    int version = 0, skip = 0;
    if (!int32(version) || !int32(skip) || !int32(skip) || !int32(skip)) return false;
    model.version = version;
    for (int k = 0; k < 3; ++k) {
      std::string s;
      if (byte() != 7 || !text(byte8(), s)) return false;
    }
    for (int k = 0; k < 3; ++k) {
      double d;
      if (byte() != 6 || !real(d)) return false;
    }
    while (m_at < m_b.size()) {
      Record record;
      std::string prefix;
      bool done = false;
      while (!done) {
        if (m_at >= m_b.size()) return !model.records.empty();
        const int tag = byte();
        Token t;
        t.kind = Token::kNumber;
        int iv = 0;
        double dv = 0;
        std::string s;
        switch (tag) {
          case 0x04: case 0x15:
            if (!int32(iv)) return false;
            t.number = iv;
            record.tokens.push_back(t);
            break;
          case 0x06: case 0x17:
            if (!real(dv)) return false;
            t.number = dv;
            record.tokens.push_back(t);
            break;
          case 0x07:
            if (!text(byte8(), s)) return false;
            t.kind = Token::kWord;
            t.word = s;
            record.tokens.push_back(t);
            break;
          case 0x12:
            if (!int32(iv) || iv < 0 || !text(size_t(iv), s)) return false;
            t.kind = Token::kWord;
            t.word = s;
            record.tokens.push_back(t);
            break;
          case 0x0A: case 0x0B:
            t.kind = Token::kBool;
            t.flag = tag == 0x0A;
            record.tokens.push_back(t);
            break;
          case 0x0C:
            if (!int32(iv)) return false;
            t.kind = Token::kPointer;
            t.number = iv;
            record.tokens.push_back(t);
            break;
          case 0x0E:
            if (!text(byte8(), s)) return false;
            prefix += s + "-";
            break;
          case 0x0D:
            if (!text(byte8(), s)) return false;
            if (record.name.empty()) {
              record.name = prefix + s;
            } else {
              t.kind = Token::kWord;
              t.word = prefix + s;
              record.tokens.push_back(t);
            }
            prefix.clear();
            break;
          case 0x13: case 0x14:
            for (int k = 0; k < 3; ++k) {
              if (!real(dv)) return false;
              t.number = dv;
              record.tokens.push_back(t);
            }
            break;
          case 0x0F: t.kind = Token::kOpen; record.tokens.push_back(t); break;
          case 0x10: t.kind = Token::kClose; record.tokens.push_back(t); break;
          case 0x11: done = true; break;
          default: return false;  // a tag of a later version
        }
        if (record.name.rfind("End-", 0) == 0 && record.name.find("-data") != std::string::npos) return true;
      }
      model.records.push_back(std::move(record));
    }
    return true;
  }

private:
  int byte() { return m_at < m_b.size() ? (unsigned char)m_b[m_at++] : -1; }
  size_t byte8() { const int b = byte(); return b < 0 ? size_t(-1) : size_t(b); }
  bool int32(int& v) {
    if (m_at + 4 > m_b.size()) return false;
    std::memcpy(&v, m_b.data() + m_at, 4);
    m_at += 4;
    return true;
  }
  bool real(double& v) {
    if (m_at + 8 > m_b.size()) return false;
    std::memcpy(&v, m_b.data() + m_at, 8);
    m_at += 8;
    return true;
  }
  bool text(size_t count, std::string& s) {
    if (count == size_t(-1) || m_at + count > m_b.size()) return false;
    s.assign(m_b, m_at, count);
    m_at += count;
    return true;
  }
  const std::string& m_b;
  size_t m_at = 0;
};

// ---------------------------------------------------------------------------
// Reading the topology: the fields of a record after its common head (the
// attribute pointer, and from version 7 a history number and one more pointer).
class Fields {
public:
  Fields(const Model& model, const Record& r) : m_r(r) {
    m_at = 1;
    if (model.version >= 700 && m_at < r.tokens.size() && r.tokens[m_at].kind == Token::kNumber) {
      ++m_at;
      if (m_at < r.tokens.size() && r.tokens[m_at].kind == Token::kPointer) ++m_at;
    }
  }
  const Token* pointer(int nth) const {
    for (size_t i = m_at; i < m_r.tokens.size(); ++i)
      if (m_r.tokens[i].kind == Token::kPointer && nth-- == 0) return &m_r.tokens[i];
    return nullptr;
  }
  const Token* lastPointer() const {
    for (size_t i = m_r.tokens.size(); i > m_at; --i)
      if (m_r.tokens[i - 1].kind == Token::kPointer) return &m_r.tokens[i - 1];
    return nullptr;
  }
  // The nth number from the head on; false when there are fewer.
  bool numbers(int from, int count, double* out) const {
    int k = 0;
    for (size_t i = m_at; i < m_r.tokens.size() && k < from + count; ++i) {
      if (m_r.tokens[i].kind == Token::kOpen || m_r.tokens[i].kind == Token::kClose) return false;
      if (m_r.tokens[i].kind != Token::kNumber) continue;
      if (k >= from) out[k - from] = m_r.tokens[i].number;
      ++k;
    }
    return k == from + count;
  }
  // "reversed" and its kin: a word, a binary truth value or, in the oldest
  // versions, a number (1 reversed).
  bool reversedAfterPointer(int nthPointer) const {
    int seen = -1;
    for (size_t i = m_at; i < m_r.tokens.size(); ++i) {
      const Token& t = m_r.tokens[i];
      if (t.kind == Token::kPointer) ++seen;
      else if (seen >= nthPointer) {
        if (t.kind == Token::kWord) return t.word == "reversed";
        if (t.kind == Token::kBool) return t.flag;
        if (t.kind == Token::kNumber && seen == nthPointer) return t.number != 0.0;
      }
    }
    return false;
  }

private:
  const Record& m_r;
  size_t m_at;
};

struct Curve {
  enum Kind { kNone, kStraight, kEllipse, kOther } kind = kNone;
  OdGePoint3d centre;
  OdGeVector3d normal, major, minor;  // the ellipse: P(t) = centre + cos t major + sin t minor
};

Curve curveOf(const Model& m, const Record* r) {
  Curve c;
  if (!r) return c;
  const Fields f(m, *r);
  double v[10];
  if (r->name == "straight-curve") {
    c.kind = Curve::kStraight;
  } else if (r->name == "ellipse-curve" && f.numbers(0, 10, v)) {
    c.kind = Curve::kEllipse;
    c.centre = m.place(OdGePoint3d(v[0], v[1], v[2]));
    c.normal = m.linear(OdGeVector3d(v[3], v[4], v[5]));
    c.major = m.linear(OdGeVector3d(v[6], v[7], v[8]));
    const double nl = c.normal.length();
    if (nl < 1e-300 || c.major.length() < 1e-300 || !(v[9] > 0.0)) {
      c.kind = Curve::kOther;
      return c;
    }
    OdGeVector3d n = c.normal / nl;
    c.minor = n.crossProduct(c.major) * v[9];
  } else {
    c.kind = Curve::kOther;
  }
  return c;
}

bool pointOf(const Model& m, const Record* vertex, OdGePoint3d& p) {
  if (!vertex || vertex->name != "vertex") return false;
  const Record* point = m.at(Fields(m, *vertex).lastPointer());
  double v[3];
  if (!point || point->name != "point" || !Fields(m, *point).numbers(0, 3, v)) return false;
  p = m.place(OdGePoint3d(v[0], v[1], v[2]));
  return p.isFinite();
}

double paramOn(const Curve& c, const OdGePoint3d& p) {
  const OdGeVector3d d = p - c.centre;
  const double a2 = c.major.lengthSqrd(), b2 = c.minor.lengthSqrd();
  return std::atan2(d.dotProduct(c.minor) / b2, d.dotProduct(c.major) / a2);
}

// An edge as a piece of its curve: from the start vertex to the end vertex,
// the curve's parameter running up or down with the edge's sense.
struct Edge {
  Curve curve;
  OdGePoint3d start, end;
  double t0 = 0, t1 = 0;  // along an ellipse, in the edge's direction
  bool valid = false;
};

Edge edgeOf(const Model& m, const Record* r) {
  Edge e;
  if (!r || r->name != "edge") return e;
  const Fields f(m, *r);
  // start vertex, end vertex, coedge, curve (parameters stand between in later versions)
  const Record* sv = m.at(f.pointer(0));
  const Record* ev = m.at(f.pointer(1));
  if (!pointOf(m, sv, e.start) || !pointOf(m, ev, e.end)) return e;
  e.curve = curveOf(m, m.at(f.pointer(3)));
  const bool reversed = f.reversedAfterPointer(3);
  if (e.curve.kind == Curve::kEllipse) {
    e.t0 = paramOn(e.curve, e.start);
    const double t = paramOn(e.curve, e.end);
    double sweep = reversed ? e.t0 - t : t - e.t0;
    sweep = std::fmod(sweep, kTwoPi);
    if (sweep < 0) sweep += kTwoPi;
    if (sv == ev || sweep < 1e-12) sweep = kTwoPi;  // a closed edge goes all the way round
    e.t1 = reversed ? e.t0 - sweep : e.t0 + sweep;
  }
  e.valid = true;
  return e;
}

OdGePoint3d ellipsePoint(const Curve& c, double t) {
  return c.centre + c.major * std::cos(t) + c.minor * std::sin(t);
}

// Arc length of an ellipse piece: Gauss-Legendre over short panels.
double ellipseLength(const Curve& c, double t0, double t1) {
  static const double x[5] = {0.0, 0.5384693101056831, -0.5384693101056831, 0.9061798459386640, -0.9061798459386640};
  static const double w[5] = {0.5688888888888889, 0.4786286704993665, 0.4786286704993665, 0.2369268850561891,
                              0.2369268850561891};
  const int panels = 256;
  const double h = (t1 - t0) / panels;
  double sum = 0;
  for (int p = 0; p < panels; ++p) {
    const double mid = t0 + (p + 0.5) * h;
    for (int k = 0; k < 5; ++k) {
      const double t = mid + 0.5 * h * x[k];
      sum += w[k] * (c.major * -std::sin(t) + c.minor * std::cos(t)).length();
    }
  }
  return std::fabs(sum * 0.5 * h);
}

template <class Visit>
void eachRecord(const Model& m, const char* name, Visit visit) {
  for (const Record& r : m.records)
    if (r.name == name) visit(r);
}

// The bodies' placement into the model; false when two bodies are placed
// apart (the reader then gives no values rather than wrong ones).
bool readPlacement(Model& m) {
  bool found = false, same = true;
  Model first;
  eachRecord(m, "body", [&](const Record& r) {
    const Record* t = m.at(Fields(m, r).pointer(2));
    Model here;
    double v[13];
    if (t && t->name == "transform") {
      // Numbers, or (some binary writers) one text holding them.
      bool read = Fields(m, *t).numbers(0, 13, v);
      for (size_t i = 0; !read && i < t->tokens.size(); ++i) {
        if (t->tokens[i].kind != Token::kWord) continue;
        std::istringstream in(t->tokens[i].word);
        int k = 0;
        while (k < 13 && in >> v[k]) ++k;
        read = k == 13;
      }
      if (!read) {
        same = false;
        return;
      }
      for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j) here.rows[i][j] = v[3 * i + j];
      here.move = OdGeVector3d(v[9], v[10], v[11]);
      here.scale = v[12];
    }
    if (!found) {
      first.scale = here.scale;
      first.move = here.move;
      std::memcpy(first.rows, here.rows, sizeof first.rows);
      found = true;
    } else {
      same = same && std::memcmp(first.rows, here.rows, sizeof first.rows) == 0 && first.move == here.move &&
             first.scale == here.scale;
    }
  });
  std::memcpy(m.rows, first.rows, sizeof m.rows);
  m.scale = first.scale;
  m.move = first.move;
  m.placed = same && std::isfinite(m.scale);
  return m.placed;
}
}  // namespace

// ---------------------------------------------------------------------------
void OdDbModelerData::setText(std::vector<std::string> lines) {
  m_lines = std::move(lines);
  m_binary.clear();
  m_model.reset();
}

void OdDbModelerData::setBinary(std::string bytes) {
  m_binary = std::move(bytes);
  m_lines.clear();
  m_model.reset();
}

const OdDbModelerData::Model* OdDbModelerData::model() const {
  if (!m_model) {
    auto parsed = std::make_shared<Model>();
    const bool ok = m_binary.empty() ? parseText(m_lines, *parsed) : BinaryReader(m_binary).parse(*parsed);
    if (!ok) parsed->records.clear();
    readPlacement(*parsed);
    m_model = parsed;
  }
  return m_model.get();
}

OdResult OdDbModelerData::extents(OdGeExtents3d& extents) const {
  const Model& m = *model();
  if (m.records.empty()) return eNotApplicable;
  if (!m.placed) return eNotImplemented;
  OdGeExtents3d box;
  bool any = false;
  eachRecord(m, "point", [&](const Record& r) {
    double v[3];
    if (!Fields(m, r).numbers(0, 3, v)) return;
    const OdGePoint3d p = m.place(OdGePoint3d(v[0], v[1], v[2]));
    if (!p.isFinite()) return;
    box.addPoint(p);
    any = true;
  });
  // Curves bulge beyond their end points: the extremes of circles and
  // ellipses along each edge.
  eachRecord(m, "edge", [&](const Record& r) {
    const Edge e = edgeOf(m, &r);
    if (!e.valid || e.curve.kind != Curve::kEllipse) return;
    const double lo = std::min(e.t0, e.t1), hi = std::max(e.t0, e.t1);
    const double a[3] = {e.curve.major.x, e.curve.major.y, e.curve.major.z};
    const double b[3] = {e.curve.minor.x, e.curve.minor.y, e.curve.minor.z};
    for (int axis = 0; axis < 3; ++axis) {
      const double t = std::atan2(b[axis], a[axis]);
      for (int k = -3; k <= 3; ++k) {
        const double u = t + k * (kTwoPi / 2);
        if (u >= lo && u <= hi) box.addPoint(ellipsePoint(e.curve, u));
      }
    }
  });
  // A sphere face without loops is the whole sphere.
  eachRecord(m, "face", [&](const Record& r) {
    const Fields f(m, r);
    if (m.at(f.pointer(1))) return;
    const Record* s = m.at(f.pointer(4));
    double v[4];
    if (!s || s->name != "sphere-surface" || !Fields(m, *s).numbers(0, 4, v)) return;
    const double rad = std::fabs(v[3] * m.scale);
    const OdGePoint3d c = m.place(OdGePoint3d(v[0], v[1], v[2]));
    box.addPoint(OdGePoint3d(c.x - rad, c.y - rad, c.z - rad));
    box.addPoint(OdGePoint3d(c.x + rad, c.y + rad, c.z + rad));
    any = true;
  });
  if (!any || !box.isValidExtents()) return eInvalidExtents;
  extents = box;
  return eOk;
}

namespace {
// Walks each loop of each planar face; false when a face is not planar or
// an edge is of a curve the reader cannot follow.
template <class Visit>
bool eachPlanarLoop(const Model& m, Visit& visit) {
  bool ok = true, any = false;
  eachRecord(m, "face", [&](const Record& face) {
    if (!ok) return;
    const Fields ff(m, face);
    const Record* surface = m.at(ff.pointer(4));
    double v[6];
    if (!surface || surface->name != "plane-surface" || !Fields(m, *surface).numbers(0, 6, v)) {
      ok = false;
      return;
    }
    OdGeVector3d normal = m.linear(OdGeVector3d(v[3], v[4], v[5]));
    if (!(normal.length() > 1e-300)) {
      ok = false;
      return;
    }
    normal /= normal.length();
    std::vector<std::pair<Edge, bool>> loop;  // the edges with the coedges' senses
    double faceSum = 0.0;
    size_t guard = 0;
    for (const Record* l = m.at(ff.pointer(1)); l && l->name == "loop" && guard++ < m.records.size();
         l = m.at(Fields(m, *l).pointer(0))) {
      loop.clear();
      const Record* first = m.at(Fields(m, *l).pointer(1));
      const Record* c = first;
      size_t steps = 0;
      do {
        if (!c || c->name != "coedge" || steps++ > m.records.size()) {
          ok = false;
          return;
        }
        const Fields cf(m, *c);
        const Edge e = edgeOf(m, m.at(cf.pointer(3)));
        if (!e.valid || (e.curve.kind != Curve::kStraight && e.curve.kind != Curve::kEllipse)) {
          ok = false;
          return;
        }
        loop.emplace_back(e, cf.reversedAfterPointer(3));
        c = m.at(cf.pointer(0));
      } while (c != first);
      faceSum += visit(loop, normal);
      any = true;
    }
    visit.faceDone(faceSum);
  });
  return ok && any;
}

// Twice the signed area a loop encloses about the normal (Green's theorem):
// lines add their chord's cross product, ellipse pieces their exact integral.
struct AreaSum {
  double total = 0.0;
  double operator()(const std::vector<std::pair<Edge, bool>>& loop, const OdGeVector3d& n) const {
    double sum = 0.0;
    for (const auto& item : loop) {
      const Edge& e = item.first;
      const bool back = item.second;
      if (e.curve.kind == Curve::kStraight) {
        const OdGePoint3d& a = back ? e.end : e.start;
        const OdGePoint3d& b = back ? e.start : e.end;
        sum += a.asVector().crossProduct(b.asVector()).dotProduct(n);
      } else {
        const double ta = back ? e.t1 : e.t0, tb = back ? e.t0 : e.t1;
        const OdGeVector3d C = e.curve.centre.asVector(), A = e.curve.major, B = e.curve.minor;
        sum += C.crossProduct(A).dotProduct(n) * (std::cos(tb) - std::cos(ta)) +
               C.crossProduct(B).dotProduct(n) * (std::sin(tb) - std::sin(ta)) +
               A.crossProduct(B).dotProduct(n) * (tb - ta);
      }
    }
    return sum;
  }
  void faceDone(double faceSum) { total += std::fabs(faceSum) * 0.5; }
};

struct LengthSum {
  double total = 0.0;
  double operator()(const std::vector<std::pair<Edge, bool>>& loop, const OdGeVector3d&) {
    for (const auto& item : loop) {
      const Edge& e = item.first;
      total += e.curve.kind == Curve::kStraight ? e.start.distanceTo(e.end) : ellipseLength(e.curve, e.t0, e.t1);
    }
    return 0.0;
  }
  void faceDone(double) {}
};
}  // namespace

OdResult OdDbModelerData::area(double& area) const {
  const Model& m = *model();
  if (m.records.empty()) return eNotApplicable;
  if (!m.placed) return eNotImplemented;
  AreaSum sum;
  if (!eachPlanarLoop(m, sum) || !std::isfinite(sum.total)) return eNotApplicable;
  area = sum.total;
  return eOk;
}

OdResult OdDbModelerData::perimeter(double& length) const {
  const Model& m = *model();
  if (m.records.empty()) return eNotApplicable;
  if (!m.placed) return eNotImplemented;
  LengthSum sum;
  if (!eachPlanarLoop(m, sum) || !std::isfinite(sum.total)) return eNotApplicable;
  length = sum.total;
  return eOk;
}

// ---------------------------------------------------------------------------
// Building: records of typed values, written in either form.
namespace {
struct Value {
  enum Kind { kPtr, kInt, kReal, kLocation, kDirection, kFlag, kText } kind;
  explicit Value(Kind k) : kind(k) {}
  long integer = 0;
  double xyz[3] = {0, 0, 0};
  bool flag = false;
  const char* yes = "";  // the text form's words for a flag
  const char* no = "";
  std::string text;
};
struct Out {
  std::string name;
  std::vector<Value> values;
  Out& ptr(long i) { Value v(Value::kPtr); v.integer = i; values.push_back(v); return *this; }
  Out& integer(long i) { Value v(Value::kInt); v.integer = i; values.push_back(v); return *this; }
  Out& real(double d) { Value v(Value::kReal); v.xyz[0] = d; values.push_back(v); return *this; }
  Out& vec(Value::Kind k, double x, double y, double z) {
    Value v(k);
    v.xyz[0] = x; v.xyz[1] = y; v.xyz[2] = z;
    values.push_back(v);
    return *this;
  }
  Out& location(const OdGePoint3d& p) { return vec(Value::kLocation, p.x, p.y, p.z); }
  Out& direction(const OdGeVector3d& d) { return vec(Value::kDirection, d.x, d.y, d.z); }
  Out& flag(bool b, const char* yes, const char* no) {
    Value v(Value::kFlag);
    v.flag = b; v.yes = yes; v.no = no;
    values.push_back(v);
    return *this;
  }
  Out& text(const std::string& s) { Value v(Value::kText); v.text = s; values.push_back(v); return *this; }
  Out& infinite() { return flag(false, "F", "I"); }  // an unbounded interval
};

std::string shortest(double d) {
  char buf[40];
  for (int precision = 1; precision <= 17; ++precision) {
    std::snprintf(buf, sizeof buf, "%.*g", precision, d);
    if (std::strtod(buf, nullptr) == d) break;
  }
  return buf;
}

std::string textOf(const Value& v) {
  switch (v.kind) {
    case Value::kPtr: return "$" + std::to_string(v.integer);
    case Value::kInt: return std::to_string(v.integer);
    case Value::kReal: return shortest(v.xyz[0]);
    case Value::kLocation:
    case Value::kDirection: return shortest(v.xyz[0]) + " " + shortest(v.xyz[1]) + " " + shortest(v.xyz[2]);
    case Value::kFlag: return v.flag ? v.yes : v.no;
    case Value::kText: return "@" + std::to_string(v.text.size()) + " " + v.text;
  }
  return std::string();
}

void putInt(std::string& b, long i) {
  const int32_t v = int32_t(i);
  b.append(reinterpret_cast<const char*>(&v), 4);
}
void putReal(std::string& b, double d) { b.append(reinterpret_cast<const char*>(&d), 8); }
void putText(std::string& b, char tag, const std::string& s) {
  b.push_back(tag);
  b.push_back(char(std::min<size_t>(s.size(), 255)));
  b.append(s, 0, 255);
}
// "plane-surface": the leading parts as extensions, the last as the name.
void putName(std::string& b, const std::string& name) {
  size_t from = 0;
  for (size_t dash; (dash = name.find('-', from)) != std::string::npos; from = dash + 1)
    putText(b, 0x0E, name.substr(from, dash - from));
  putText(b, 0x0D, name.substr(from));
}

void putValue(std::string& b, const Value& v) {
  switch (v.kind) {
    case Value::kPtr: b.push_back(0x0C); putInt(b, v.integer); break;
    case Value::kInt: b.push_back(0x04); putInt(b, v.integer); break;
    case Value::kReal: b.push_back(0x06); putReal(b, v.xyz[0]); break;
    case Value::kLocation:
    case Value::kDirection:
      b.push_back(v.kind == Value::kLocation ? 0x13 : 0x14);
      for (double d : v.xyz) putReal(b, d);
      break;
    case Value::kFlag: b.push_back(v.flag ? 0x0A : 0x0B); break;
    case Value::kText: putText(b, 0x07, v.text); break;
  }
}

const char* const kProduct = "KdProperties";
const char* const kDate = "Thu Jan  1 00:00:00 1970";  // fixed: the same drawing writes the same bytes

double sweepAbout(const OdGeVector3d& from, const OdGeVector3d& to, const OdGeVector3d& normal) {
  double a = std::atan2(from.crossProduct(to).dotProduct(normal), from.dotProduct(to));
  if (a <= 1e-15) a += kTwoPi;
  return a;
}
}  // namespace

int OdDbModelerBuilder::addPoint(const OdGePoint3d& point) {
  m_points.push_back(point);
  return int(m_points.size()) - 1;
}

void OdDbModelerBuilder::addFace(const OdGePoint3d& origin, const OdGeVector3d& normal, const std::vector<Loop>& loops) {
  m_faces.push_back(Face{origin, normal.normal(), loops});
}

void OdDbModelerBuilder::addBox(const OdGePoint3d& lo, const OdGePoint3d& hi) {
  int p[8];
  for (int k = 0; k < 8; ++k)
    p[k] = addPoint(OdGePoint3d(k & 1 ? hi.x : lo.x, k & 2 ? hi.y : lo.y, k & 4 ? hi.z : lo.z));
  auto quad = [&](int a, int b, int c, int d, const OdGeVector3d& n) {
    addFace(m_points[size_t(a)], n, {{{a, b, false, {}, false}, {b, c, false, {}, false}, {c, d, false, {}, false}, {d, a, false, {}, false}}});
  };
  quad(p[0], p[2], p[3], p[1], -OdGeVector3d::kZAxis);  // each counter-clockwise seen from outside
  quad(p[4], p[5], p[7], p[6], OdGeVector3d::kZAxis);
  quad(p[0], p[1], p[5], p[4], -OdGeVector3d::kYAxis);
  quad(p[2], p[6], p[7], p[3], OdGeVector3d::kYAxis);
  quad(p[0], p[4], p[6], p[2], -OdGeVector3d::kXAxis);
  quad(p[1], p[3], p[7], p[5], OdGeVector3d::kXAxis);
}

OdDbModelerData OdDbModelerBuilder::build(bool solid, bool binary) const {
  // Edges: a line shared by two faces is one edge; every arc its own.
  struct EdgeInfo {
    int start, end;
    bool arc;
    OdGePoint3d centre;
    OdGeVector3d normal;
    std::vector<int> coedges;
  };
  struct CoedgeInfo {
    int edge, loop, next, prev;
    bool reversed;
  };
  std::vector<EdgeInfo> edges;
  std::vector<CoedgeInfo> coedges;
  std::vector<int> loopFace, loopFirst;
  std::map<std::pair<int, int>, int> lines;
  for (size_t f = 0; f < m_faces.size(); ++f)
    for (const Loop& loop : m_faces[f].loops) {
      const int l = int(loopFace.size());
      loopFace.push_back(int(f));
      loopFirst.push_back(int(coedges.size()));
      const int first = int(coedges.size());
      for (size_t s = 0; s < loop.size(); ++s) {
        const Segment& seg = loop[s];
        int e = -1;
        if (!seg.arc) {
          const auto key = std::make_pair(std::min(seg.from, seg.to), std::max(seg.from, seg.to));
          auto found = lines.find(key);
          if (found != lines.end()) e = found->second;
          else lines[key] = e = int(edges.size());
        }
        if (e < 0 || e == int(edges.size())) {
          edges.push_back(EdgeInfo{seg.from, seg.to, seg.arc, seg.centre, seg.clockwise ? -m_faces[f].normal : m_faces[f].normal, {}});
          e = int(edges.size()) - 1;
        }
        const int c = int(coedges.size());
        edges[size_t(e)].coedges.push_back(c);
        const int n = int(loop.size());
        coedges.push_back(CoedgeInfo{e, l, first + int((s + 1) % size_t(n)), first + int((s + size_t(n) - 1) % size_t(n)),
                                     seg.from != edges[size_t(e)].start});
      }
    }
  std::map<int, int> vertexOf;  // point -> vertex number
  std::vector<int> vertexPoint, vertexEdge;
  for (size_t e = 0; e < edges.size(); ++e)
    for (int p : {edges[e].start, edges[e].end})
      if (!vertexOf.count(p)) {
        vertexOf[p] = int(vertexPoint.size());
        vertexPoint.push_back(p);
        vertexEdge.push_back(int(e));
      }

  const long nf = long(m_faces.size()), nl = long(loopFace.size()), nc = long(coedges.size());
  const long ne = long(edges.size()), nv = long(vertexPoint.size());
  const long head = binary ? 1 : 0;
  const long body = head, lump = head + 1, shell = head + 2, F0 = head + 3, L0 = F0 + nf, S0 = L0 + nl,
             C0 = S0 + nf, E0 = C0 + nc, V0 = E0 + ne, P0 = V0 + nv, K0 = P0 + nv;
  std::vector<Out> records;
  auto record = [&](const char* name) -> Out& {
    records.push_back(Out{name, {}});
    Out& r = records.back();
    r.ptr(-1).integer(-1);
    if (std::string(name) != "asmheader") r.ptr(-1);
    return r;
  };
  if (binary) record("asmheader").text("218.0.0.0");
  record("body").ptr(lump).ptr(-1).ptr(-1);
  record("lump").ptr(-1).ptr(shell).ptr(body);
  record("shell").ptr(-1).ptr(-1).ptr(nf ? F0 : -1).ptr(-1).ptr(lump);
  for (long f = 0; f < nf; ++f) {
    long firstLoop = -1;
    for (long l = 0; l < nl && firstLoop < 0; ++l)
      if (loopFace[size_t(l)] == f) firstLoop = L0 + l;
    Out& r = record("face").ptr(f + 1 < nf ? F0 + f + 1 : -1).ptr(firstLoop).ptr(shell).ptr(-1).ptr(S0 + f);
    r.flag(false, "reversed", "forward").flag(!solid, "double", "single");
    if (!solid) r.flag(false, "in", "out");
  }
  for (long l = 0; l < nl; ++l) {
    const long next = l + 1 < nl && loopFace[size_t(l + 1)] == loopFace[size_t(l)] ? L0 + l + 1 : -1;
    record("loop").ptr(next).ptr(C0 + loopFirst[size_t(l)]).ptr(F0 + loopFace[size_t(l)]);
  }
  for (const Face& face : m_faces) {
    const OdGeVector3d u = (std::fabs(face.normal.x) < 0.9 ? OdGeVector3d::kXAxis : OdGeVector3d::kYAxis)
                               .crossProduct(face.normal).normal().crossProduct(face.normal).normal();
    record("plane-surface").location(face.origin).direction(face.normal).direction(u)
        .flag(false, "reverse_v", "forward_v").infinite().infinite().infinite().infinite();
  }
  for (long c = 0; c < nc; ++c) {
    const CoedgeInfo& ci = coedges[size_t(c)];
    const std::vector<int>& mates = edges[size_t(ci.edge)].coedges;
    long partner = -1;
    if (mates.size() > 1)
      for (size_t k = 0; k < mates.size(); ++k)
        if (mates[k] == c) partner = C0 + mates[(k + 1) % mates.size()];
    Out& r = record("coedge").ptr(C0 + ci.next).ptr(C0 + ci.prev).ptr(partner).ptr(E0 + ci.edge);
    r.flag(ci.reversed, "reversed", "forward").ptr(L0 + ci.loop);
    if (binary) r.integer(0);
    r.ptr(-1);
  }
  for (long e = 0; e < ne; ++e) {
    const EdgeInfo& ei = edges[size_t(e)];
    const OdGePoint3d& a = m_points[size_t(ei.start)];
    const OdGePoint3d& b = m_points[size_t(ei.end)];
    const double end = ei.arc ? sweepAbout(a - ei.centre, b - ei.centre, ei.normal) : a.distanceTo(b);
    record("edge").ptr(V0 + vertexOf[ei.start]).real(0.0).ptr(V0 + vertexOf[ei.end]).real(end)
        .ptr(C0 + ei.coedges.front()).ptr(K0 + e).flag(false, "reversed", "forward").text("unknown");
  }
  for (long v = 0; v < nv; ++v) {
    Out& r = record("vertex").ptr(E0 + vertexEdge[size_t(v)]);
    if (binary) r.integer(1);
    r.ptr(P0 + v);
  }
  for (long v = 0; v < nv; ++v) record("point").location(m_points[size_t(vertexPoint[size_t(v)])]);
  for (const EdgeInfo& ei : edges) {
    const OdGePoint3d& a = m_points[size_t(ei.start)];
    if (ei.arc) {
      record("ellipse-curve").location(ei.centre).direction(ei.normal).direction(a - ei.centre).real(1.0)
          .infinite().infinite();
    } else {
      record("straight-curve").location(a).direction((m_points[size_t(ei.end)] - a).normal()).infinite().infinite();
    }
  }

  OdDbModelerData data;
  if (binary) {
    std::string b = "ACIS BinaryFile";
    putInt(b, 21800);
    putInt(b, 0);
    putInt(b, 1);
    putInt(b, 12);
    putText(b, 0x07, kProduct);
    putText(b, 0x07, "ACIS 218.00 NT");
    putText(b, 0x07, kDate);
    for (double d : {1.0, 1e-6, 1e-10}) {
      b.push_back(0x06);
      putReal(b, d);
    }
    for (const Out& r : records) {
      putName(b, r.name);
      for (const Value& v : r.values) putValue(b, v);
      b.push_back(0x11);
    }
    for (const char* part : {"End", "of", "ASM"}) putText(b, 0x0E, part);
    putText(b, 0x0D, "data");
    data.setBinary(b);
  } else {
    std::vector<std::string> lines = {"700 0 1 0",
                                      "@" + std::to_string(std::strlen(kProduct)) + " " + kProduct +
                                          " @12 ACIS 32.0 NT @" + std::to_string(std::strlen(kDate)) + " " + kDate,
                                      "1 9.9999999999999995e-07 1e-10"};
    for (const Out& r : records) {
      std::string line = r.name;
      for (const Value& v : r.values) line += " " + textOf(v);
      lines.push_back(line + " #");
    }
    lines.push_back("End-of-ACIS-data");
    data.setText(lines);
  }
  return data;
}
