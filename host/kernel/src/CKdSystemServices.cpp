#include "CKdSystemServices.h"
#include "CKdHatchPatterns.h"
#include <cstdlib>
#include <algorithm>
#include <filesystem>
#include <strings.h>

int CKdSystemServices::MessageBox(const CKdString& text, const CKdString& title, unsigned flags) {
  m_messages.push_back({text, title, flags});
  return 0;
}

void CKdSystemServices::Print(const CKdString& text, unsigned flags) { m_prints.push_back({text, CKdString(), flags}); }
CKdHatchPatterns* CKdSystemServices::HatchPatterns() { return GetKdHatchPatterns(); }

std::vector<CKdString> CKdSystemServices::PlotStyleTables() const {
  std::vector<std::string> files;
  const char* env = std::getenv("KD_PLOT_STYLES");
  const std::string folder = m_plotStylesSet ? m_plotStyles : std::string(env ? env : "");
  std::error_code error;
  if (!folder.empty())
    for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
      const std::string ext = entry.path().extension().string();
      if (ext.size() == 4 && (strcasecmp(ext.c_str(), ".ctb") == 0 || strcasecmp(ext.c_str(), ".stb") == 0))
        files.push_back(entry.path().filename().string());
    }
  std::sort(files.begin(), files.end());
  std::vector<CKdString> names;
  for (const std::string& f : files) names.push_back(CKdString(OdString::fromUtf8(f)));
  return names;
}

void CKdSystemServices::ClearRecords() {
  m_messages.clear();
  m_prints.clear();
}

CKdSystemServices* GetKdSystemServices() {
  static CKdSystemServices services;
  return &services;
}
