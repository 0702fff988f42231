#pragma once
// A text style: font files, typeface, and the settings texts take over from it.
#include "Db/DbSymbolTable.h"

class OdDbTextStyleTableRecord : public OdDbSymbolTableRecord {
public:
  ODRX_DECLARE_MEMBERS(OdDbTextStyleTableRecord)
public:
  OdString fileName() const;
  void setFileName(const OdString& file);
  OdString bigFontFileName() const;
  void setBigFontFileName(const OdString& file);
  // The TrueType typeface, kept as drawings keep it: in the "ACAD" extended data.
  OdString typeface() const;
  OdResult setTypeface(const OdString& typeface);
  // 0 for a style without a fixed height.
  double textSize() const;
  OdResult setTextSize(double size);
  double xScale() const;
  OdResult setXScale(double scale);
  double obliquingAngle() const;
  OdResult setObliquingAngle(double angle);
  bool isBackwards() const;
  void setIsBackwards(bool backwards);
  bool isUpsideDown() const;
  void setIsUpsideDown(bool upsideDown);
  bool isVertical() const;
  void setIsVertical(bool vertical);
  // A style that names a file of shapes rather than a font.
  bool isShapeFile() const;
  void setIsShapeFile(bool shapes);

  void dxfInFields(const OdDxfIn& in) override;
  void dxfOutFields(OdDxfOut& out) const override;

private:
  OdString m_file = L"txt";
  OdString m_bigFont;
  double m_size = 0.0;
  double m_xScale = 1.0;
  double m_oblique = 0.0;
  double m_priorSize = 2.5;
  int m_flags = 0;            // 1 shape file, 4 vertical
  int m_generation = 0;       // 2 backwards, 4 upside down
};
typedef OdSmartPtr<OdDbTextStyleTableRecord> OdDbTextStyleTableRecordPtr;
