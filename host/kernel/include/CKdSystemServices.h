#pragma once
// Services of the host application. The message box and the command line
// keep what they were given, so that a host program or a test can show it.
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
  // File names of the plot style tables the host offers: its own set, and the
  // .ctb and .stb files of the folder the environment's KD_PLOT_STYLES names.
  std::vector<CKdString> PlotStyleTables() const;
  // The window dialogs belong to; null for a host without windows.
  virtual void* MainWindow() const { return nullptr; }

  const std::vector<CKdMessageRecord>& Messages() const { return m_messages; }
  const std::vector<CKdMessageRecord>& Prints() const { return m_prints; }
  void ClearRecords();
  virtual ~CKdSystemServices() = default;

private:
  std::vector<CKdMessageRecord> m_messages;
  std::vector<CKdMessageRecord> m_prints;
};

CKdSystemServices* GetKdSystemServices();
