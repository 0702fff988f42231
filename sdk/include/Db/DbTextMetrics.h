#pragma once
// The text metric of the database, without a font engine: every character
// is taken as 0.6 x height wide (times the width factor), and lines of
// multiline text stand 5/3 x height x line spacing factor apart. Single-line
// and multiline text measure with it alike.
#include <string>
#include <vector>
#include "Rx/OdString.h"

const double kOdDbCharacterWidth = 0.6;     // of the height, for an average character
const double kOdDbLineSpacing = 5.0 / 3.0;  // baseline to baseline, of the height

// The lines multiline text shows, as plain text: paragraph breaks (\P) and
// line feeds split lines; formatting codes (\A..;, \C..;, \f..;, \H..;,
// \L, \O, \S..;, groups in braces ...) show nothing, escaped characters
// (\\, \{, \}, \~) show themselves, stacked fractions the longer part.
// Unbalanced braces and unknown codes are taken as they come.
std::vector<std::wstring> odDbMTextLines(const OdString& contents);

// Lines broken at spaces so that none is wider than width (0: no wrapping);
// a word wider than width stands on a line of its own.
std::vector<std::wstring> odDbWrapLines(const std::vector<std::wstring>& lines, double width, double height);

inline double odDbTextWidth(size_t characters, double height, double widthFactor = 1.0) {
  return kOdDbCharacterWidth * height * widthFactor * double(characters);
}
