#pragma once
// A text style as drawing code uses it: the font or shape file and the
// style's settings, taken from a text style record.
#include "Db/DbObjectId.h"
#include "Rx/OdString.h"

class OdDbDatabase;

class OdGiTextStyle {
public:
  const OdString& fileName() const { return m_file; }
  const OdString& bigFontFileName() const { return m_bigFont; }
  bool isShapeFile() const { return m_shapes; }
  double textSize() const { return m_size; }
  double xScale() const { return m_xScale; }
  double obliquingAngle() const { return m_oblique; }
  // The file the style's figures come from: its file name, with ".shx"
  // when the name has no extension (compiled fonts and shapes).
  OdString getFontFilePath(const OdDbDatabase* db) const;

private:
  friend void giFromDbTextStyle(OdDbObjectId style, OdGiTextStyle& out);
  OdString m_file, m_bigFont;
  bool m_shapes = false;
  double m_size = 0.0, m_xScale = 1.0, m_oblique = 0.0;
};

// The style of the record; an id that names no text style gives the default style.
void giFromDbTextStyle(OdDbObjectId style, OdGiTextStyle& out);
