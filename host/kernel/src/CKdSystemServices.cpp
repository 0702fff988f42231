#include "CKdSystemServices.h"
#include "CKdHatchPatterns.h"
#include <cstdlib>
#include <filesystem>
#include <strings.h>

int CKdSystemServices::MessageBox(const CKdString& text, const CKdString& title, unsigned flags) {
  m_messages.push_back({text, title, flags});
  return 0;
}

void CKdSystemServices::Print(const CKdString& text, unsigned flags) { m_prints.push_back({text, CKdString(), flags}); }
CKdHatchPatterns* CKdSystemServices::HatchPatterns() { return GetKdHatchPatterns(); }

std::vector<CKdString> CKdSystemServices::PlotStyleTables() const {
  std::vector<CKdString> names = {CKdString(L"Black ink.ctb"), CKdString(L"Grey shades.ctb"),
                                  CKdString(L"Screened 50.ctb"), CKdString(L"Standard.stb"),
                                  CKdString(L"Half tone.stb")};
  const char* folder = std::getenv("KD_PLOT_STYLES");
  std::error_code error;
  if (folder && *folder)
    for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
      const std::string ext = entry.path().extension().string();
      if (ext.size() == 4 && (strcasecmp(ext.c_str(), ".ctb") == 0 || strcasecmp(ext.c_str(), ".stb") == 0))
        names.push_back(CKdString(OdString(entry.path().filename().string().c_str())));
    }
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
