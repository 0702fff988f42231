#pragma once
// Services of the host application. The message box and the command line
// keep what they were given, so that a host program or a test can show it.
#include <string>
#include <vector>
#include "CKdString.h"

class CKdHatchPatterns;

struct CKdMessageRecord {
  CKdString text;
  CKdString title;
  unsigned flags = 0;
};

class CKdSystemServices {
public:
  // Shows a message; the record answers 0 as a plain acknowledgement.
  virtual int MessageBox(const CKdString& text, const CKdString& title, unsigned flags);
  // Writes a line to the command line.
  virtual void Print(const CKdString& text, unsigned flags = 0);
  // The hatch pattern service.
  CKdHatchPatterns* HatchPatterns();
  // File names of the plot style tables the host offers: the .ctb and .stb
  // files of the plot style folder, sorted; empty without one.
  std::vector<CKdString> PlotStyleTables() const;
  // The plot style folder; unset, the environment's KD_PLOT_STYLES names it.
  void SetPlotStyleFolder(const std::string& path) { m_plotStyles = path; m_plotStylesSet = true; }
  // The window dialogs belong to; null for a host without windows.
  virtual void* MainWindow() const { return nullptr; }

  const std::vector<CKdMessageRecord>& Messages() const { return m_messages; }
  const std::vector<CKdMessageRecord>& Prints() const { return m_prints; }
  void ClearRecords();
  virtual ~CKdSystemServices() = default;

private:
  std::string m_plotStyles;
  bool m_plotStylesSet = false;
  std::vector<CKdMessageRecord> m_messages;
  std::vector<CKdMessageRecord> m_prints;
};

CKdSystemServices* GetKdSystemServices();
