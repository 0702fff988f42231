#include "CKdSystemServices.h"
#include "CKdHatchPatterns.h"

int CKdSystemServices::MessageBox(const CKdString& text, const CKdString& title, unsigned flags) {
  m_messages.push_back({text, title, flags});
  return 0;
}

void CKdSystemServices::Print(const CKdString& text, unsigned flags) { m_prints.push_back({text, CKdString(), flags}); }
CKdHatchPatterns* CKdSystemServices::HatchPatterns() { return GetKdHatchPatterns(); }

void CKdSystemServices::ClearRecords() {
  m_messages.clear();
  m_prints.clear();
}

CKdSystemServices* GetKdSystemServices() {
  static CKdSystemServices services;
  return &services;
}
