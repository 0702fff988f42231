#include "CKdHatchPatterns.h"

#include <cmath>
#include <cstdlib>
#include <fstream>
#include <sstream>

#include "Ge/GeConst.h"

namespace {
// The host's own pattern set, in inches except the ISO line families (millimetres).
const char kShippedPatterns[] = R"(;; Predefined hatch patterns of the host.
*SOLID, Solid fill
45, 0,0, 0,.125
*ANGLE, Angle steel
0, 0,0, 0,.275, .2,-.075
90, 0,0, 0,.275, .2,-.075
*ANSI31, Iron, brick, stone masonry
45, 0,0, 0,.125
*ANSI32, Steel
45, 0,0, 0,.375
45, .176776695,0, 0,.375
*ANSI33, Bronze, brass, copper
45, 0,0, 0,.25
45, .176776695,0, 0,.25, .125,-.0625
*ANSI34, Plastic, rubber
45, 0,0, 0,.75
45, .176776695,0, 0,.75
45, .353553391,0, 0,.75
45, .530330086,0, 0,.75
*ANSI35, Fire brick, refractory material
45, 0,0, 0,.25
45, .176776695,0, 0,.25, .3125,-.0625,0,-.0625
*ANSI36, Marble, slate, glass
45, 0,0, .21875,.125, .3125,-.0625,0,-.0625
*ANSI37, Lead, zinc, magnesium, sound insulation
45, 0,0, 0,.125
135, 0,0, 0,.125
*ANSI38, Aluminium
45, 0,0, 0,.125
135, 0,0, .25,.125, .3125,-.1875
*AR-B816, Block wall, 8 x 16 stretcher bond
0, 0,0, 0,8
90, 0,0, 8,8, 8,-8
*AR-BRSTD, Brick wall elevation
0, 0,0, 0,2.667
90, 0,0, 2.667,4, 2.667,-2.667
*AR-HBONE, Herringbone paving
45, 0,0, 4,4, 12,-4
135, 2.828427125,2.828427125, 4,-4, 12,-4
*AR-PARQ1, Parquet, 2 x 12 blocks
90, 0,0, 12,12, 12,-12
90, 2,0, 12,12, 12,-12
90, 4,0, 12,12, 12,-12
0, 0,12, 12,-12, 12,-12
0, 0,14, 12,-12, 12,-12
0, 0,16, 12,-12, 12,-12
*AR-SAND, Sand, scattered dots
37.5, 0,0, 1.28,1.89, 0,-1.52,0,-1.7,0,-1.63
7.5, 0,0, 2.08,2.6, 0,-1.9,0,-2.16
*BOX, Box section steel
90, 0,0, 0,1
90, .25,0, 0,1
0, 0,0, 0,1, -.25,.25,-.5
0, 0,.25, 0,1, -.25,.25,-.5
*BRICK, Brick courses
0, 0,0, 0,.25
90, 0,0, .25,.25, .25,-.25
*CROSS, Crosses
0, 0,0, .25,.25, .125,-.375
90, .0625,-.0625, .25,.25, .125,-.375
*DASH, Dashed lines
0, 0,0, .125,.125, .125,-.125
*DOTS, Dots
0, 0,0, .03125,.0625, 0,-.0625
*EARTH, Earth
0, 0,0, .25,.25, .25,-.25
0, 0,.09375, .25,.25, .25,-.25
0, 0,.1875, .25,.25, .25,-.25
90, .03125,.21875, .25,.25, .25,-.25
90, .125,.21875, .25,.25, .25,-.25
90, .21875,.21875, .25,.25, .25,-.25
*GRASS, Grass
90, 0,0, .707106781,.707106781, .1875,-1.226713563
45, 0,0, 0,1, .1875,-.8125
135, 0,0, 0,1, .1875,-.8125
*HEX, Hexagons
0, 0,0, 0,.216506351, .125,-.25
120, .125,0, 0,.216506351, .125,-.25
60, .1875,.108253175, 0,.216506351, .125,-.25
*HONEY, Honeycomb
0, 0,0, .1875,.108253175, .125,-.25
120, 0,0, .1875,.108253175, .125,-.25
60, 0,0, .1875,-.108253175, .125,-.25
*LINE, Parallel lines
0, 0,0, 0,.125
*NET, Square grid
0, 0,0, 0,.125
90, 0,0, 0,.125
*NET3, Grid at 0, 60 and 120 degrees
0, 0,0, 0,.125
60, 0,0, 0,.125
120, 0,0, 0,.125
*SQUARE, Small squares
0, 0,0, 0,.125, .125,-.125
90, 0,0, 0,.125, .125,-.125
*STARS, Six-pointed stars
0, 0,0, 0,.216506351, .125,-.125
60, 0,0, 0,.216506351, .125,-.125
120, .0625,.108253175, 0,.216506351, .125,-.125
*STEEL, Steel
45, 0,0, 0,.125
45, 0,.0625, 0,.125
*ZIGZAG, Staircase
0, 0,0, .125,.125, .125,-.125
90, .125,0, .125,.125, .125,-.125
*ACAD_ISO02W100, Dashed line
0, 0,0, 0,5, 12,-3
*ACAD_ISO03W100, Dashed line, long gaps
0, 0,0, 0,5, 12,-18
*ACAD_ISO04W100, Long dash dot
0, 0,0, 0,5, 24,-3,.5,-3
*ACAD_ISO05W100, Long dash double dot
0, 0,0, 0,5, 24,-3,.5,-3,.5,-3
*ACAD_ISO06W100, Long dash triple dot
0, 0,0, 0,5, 24,-3,.5,-3,.5,-3,.5,-3
*ACAD_ISO07W100, Dotted line
0, 0,0, 0,5, .5,-3
)";

std::string trim(const std::string& s) {
  const size_t a = s.find_first_not_of(" \t\r"), b = s.find_last_not_of(" \t\r");
  return a == std::string::npos ? std::string() : s.substr(a, b - a + 1);
}

bool isIso(const std::string& name) { return name.rfind("ACAD_ISO", 0) == 0; }

// The pattern in the drawing's units.
OdHatchPattern inUnits(const CKdHatchPatterns::Pattern& p, int measurement, bool predefined) {
  double factor = 1.0;
  if (predefined && measurement == 1 && !isIso(p.name)) factor = 25.4;
  if (predefined && measurement != 1 && isIso(p.name)) factor = 1.0 / 25.4;
  OdHatchPattern lines = p.lines;
  for (OdHatchPatternLine& l : lines) {
    l.m_basePoint = OdGePoint2d(l.m_basePoint.x * factor, l.m_basePoint.y * factor);
    l.m_patternOffset *= factor;
    for (double& d : l.m_dashes) d *= factor;
  }
  return lines;
}
}  // namespace

bool CKdHatchPatterns::Parse(const std::string& text, std::vector<Pattern>& patterns) {
  std::istringstream in(text);
  std::string line;
  while (std::getline(in, line)) {
    const size_t comment = line.find(';');
    line = trim(comment == std::string::npos ? line : line.substr(0, comment));
    if (line.empty()) continue;
    if (line[0] == '*') {
      const size_t comma = line.find(',');
      const std::string name = trim(line.substr(1, comma == std::string::npos ? std::string::npos : comma - 1));
      if (name.empty()) return false;
      patterns.push_back(Pattern{name, {}});
      continue;
    }
    if (patterns.empty()) return false;
    std::vector<double> numbers;
    std::istringstream fields(line);
    std::string field;
    while (std::getline(fields, field, ',')) {
      field = trim(field);
      char* end = nullptr;
      const double v = std::strtod(field.c_str(), &end);
      if (field.empty() || *end != '\0' || !std::isfinite(v)) return false;
      numbers.push_back(v);
    }
    if (numbers.size() < 5) return false;
    OdHatchPatternLine l;
    l.m_dLineAngle = OdaToRadian(numbers[0]);
    l.m_basePoint = OdGePoint2d(numbers[1], numbers[2]);
    // The step is given along and across the line; definitions keep it in x and y.
    const double c = std::cos(l.m_dLineAngle), s = std::sin(l.m_dLineAngle);
    l.m_patternOffset = OdGeVector2d(numbers[3] * c - numbers[4] * s, numbers[3] * s + numbers[4] * c);
    l.m_dashes.assign(numbers.begin() + 5, numbers.end());
    patterns.back().lines.push_back(l);
  }
  return true;
}

CKdString CKdHatchPatterns::DisplayName(const CKdString& name) {
  std::wstring s = name.wstr();
  for (const std::wstring cut : {std::wstring(L"ACAD_"), std::wstring(L"_eng")})
    for (size_t at; (at = s.find(cut)) != std::wstring::npos;) s.erase(at, cut.size());
  if (s.size() >= 4 && s.compare(s.size() - 4, 4, L"_iso") == 0) s.erase(s.size() - 4);
  return CKdString(s);
}

void CKdHatchPatterns::SetCustomPatternFile(const std::string& path) {
  m_customFile = path;
  m_customFileSet = true;
  m_customRead = false;
}

bool CKdHatchPatterns::ensure(int type) {
  if (type == kPredefined) {
    if (!m_predefinedRead) {
      m_predefinedRead = true;
      Parse(kShippedPatterns, m_predefined);
    }
    return true;
  }
  if (type != kCustom) return false;
  if (!m_customRead) {
    m_customRead = true;
    m_custom.clear();
    m_customOk = true;
    if (!m_customFileSet) {
      const char* env = std::getenv("KD_HATCH_PATTERNS");
      m_customFile = env ? env : "";
    }
    if (!m_customFile.empty()) {
      std::ifstream file(m_customFile, std::ios::binary);
      std::stringstream text;
      if (file) text << file.rdbuf();
      m_customOk = bool(file) && Parse(text.str(), m_custom);
    }
  }
  return m_customOk;
}

int CKdHatchPatterns::GetPatternNames(int type, int, std::vector<CKdString>& names) {
  names.clear();
  if (!ensure(type)) return 1;
  for (const Pattern& p : type == kPredefined ? m_predefined : m_custom) names.push_back(CKdString(OdString(p.name.c_str())));
  return 0;
}

int CKdHatchPatterns::LoadPatterns(int type, int) {
  if (type == kCustom) m_customRead = false;
  if (type == kPredefined) m_predefinedRead = m_predefined.empty() ? false : m_predefinedRead;
  return ensure(type) ? 0 : 1;
}

int CKdHatchPatterns::GetPattern(int type, const CKdString& name, int measurement, CKdString& fullName,
                                 OdHatchPattern& definition) {
  if (!ensure(type)) return 1;
  const std::vector<Pattern>& set = type == kPredefined ? m_predefined : m_custom;
  for (int pass = 0; pass < 2; ++pass)
    for (const Pattern& p : set) {
      const CKdString full(OdString(p.name.c_str()));
      if (pass == 0 ? full.toOdString().iCompare(name.toOdString()) != 0 : DisplayName(full) != name) continue;
      fullName = full;
      definition = inUnits(p, measurement, type == kPredefined);
      return 0;
    }
  return 1;
}

CKdHatchPatterns* GetKdHatchPatterns() {
  static CKdHatchPatterns service;
  return &service;
}
