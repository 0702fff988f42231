#pragma once
// The host's hatch patterns: the predefined set the host ships and the
// custom patterns of a pattern file the user names (standard .pat syntax:
// "*NAME, description" then one line family a line, "angle, x, y, dx, dy,
// dash, ..."). Predefined patterns are drawn in inches; drawings measured
// in millimetres get them scaled to millimetres, and the ISO line families
// the other way round.
#include <string>
#include <vector>
#include "CKdString.h"
#include "Db/DbHatch.h"

class CKdHatchPatterns {
public:
  enum { kPredefined = 1, kCustom = 2 };
  // Names of a pattern type in the order of their file; 0 on success.
  // measurement: the drawing's setting, 0 imperial, 1 metric.
  int GetPatternNames(int type, int measurement, std::vector<CKdString>& names);
  // Reads the pattern files of the type again (a file changed or named since); 0 on success.
  int LoadPatterns(int type, int measurement);
  // The definition of a pattern by its name or the name a palette shows
  // for it; the full name comes back. 0 on success.
  int GetPattern(int type, const CKdString& name, int measurement, CKdString& fullName, OdHatchPattern& definition);
  // The custom pattern file; empty for none. The file is read on the next request.
  void SetCustomPatternFile(const std::string& path);

  struct Pattern {
    std::string name;
    OdHatchPattern lines;
  };
  // Patterns of .pat text; false when a line is not one of the syntax (the
  // patterns before it are kept).
  static bool Parse(const std::string& text, std::vector<Pattern>& patterns);
  // How a palette shows a name: without "ACAD_" and "_eng", and without a final "_iso".
  static CKdString DisplayName(const CKdString& name);

private:
  bool ensure(int type);
  std::vector<Pattern> m_predefined, m_custom;
  bool m_predefinedRead = false, m_customRead = false, m_customOk = true;
  std::string m_customFile;
  bool m_customFileSet = false;
};

CKdHatchPatterns* GetKdHatchPatterns();
