#pragma once
#include <memory>
// Colours and transparency of drawing objects.
#include "Rx/OdTypes.h"
#include "Rx/OdString.h"

namespace OdCmEntityColor {
enum ColorMethod : OdUInt8 {
  kByLayer = 0xC0,
  kByBlock = 0xC1,
  kByColor = 0xC2,  // true colour
  kByACI = 0xC3,    // palette index 1..255
  kByPen = 0xC4,
  kForeground = 0xC5,
  kByDgnIndex = 0xC7,
  kNone = 0xC8
};
// Red, green and blue of a palette index (0 and 256 give black and white).
OdUInt32 lookUpRGB(OdUInt8 colorIndex);
// The palette index nearest to a true colour.
OdUInt8 lookUpACI(OdUInt8 r, OdUInt8 g, OdUInt8 b);
}  // namespace OdCmEntityColor

class OdCmColor {
public:
  OdCmColor() = default;
  explicit OdCmColor(OdCmEntityColor::ColorMethod method) : m_method(method) {}
  static OdCmColor fromIndex(OdInt16 index);
  static OdCmColor fromRGB(OdUInt8 r, OdUInt8 g, OdUInt8 b);

  OdCmEntityColor::ColorMethod colorMethod() const { return m_method; }
  void setColorMethod(OdCmEntityColor::ColorMethod method) { m_method = method; }
  bool isByLayer() const { return m_method == OdCmEntityColor::kByLayer; }
  bool isByBlock() const { return m_method == OdCmEntityColor::kByBlock; }
  bool isByColor() const { return m_method == OdCmEntityColor::kByColor; }
  bool isByACI() const { return m_method == OdCmEntityColor::kByACI; }
  bool isForeground() const { return m_method == OdCmEntityColor::kForeground; }
  bool isNone() const { return m_method == OdCmEntityColor::kNone; }

  // Palette index: 0 by block, 256 by layer, 7 foreground, 1..255 by index,
  // the nearest index for a true colour.
  OdInt16 colorIndex() const;
  // Index 0 means by block and 256 by layer, as in drawing files.
  void setColorIndex(OdInt16 index);
  void setRGB(OdUInt8 r, OdUInt8 g, OdUInt8 b);
  OdUInt8 red() const;
  OdUInt8 green() const;
  OdUInt8 blue() const;
  // 0x00RRGGBB of the colour as shown.
  OdUInt32 rgb() const;
  // Optional colour-book name ("BOOK$COLOR" in files).
  const OdString& colorName() const;
  const OdString& bookName() const;
  void setNames(const OdString& colorName, const OdString& bookName);
  // Words a person reads: "ByLayer", "ByBlock", "red", "7", "120,40,10".
  OdString colorNameForDisplay() const;

  bool operator==(const OdCmColor& o) const;
  bool operator!=(const OdCmColor& o) const { return !(*this == o); }

private:
  OdCmEntityColor::ColorMethod m_method = OdCmEntityColor::kByLayer;
  OdUInt8 m_index = 0;
  OdUInt32 m_rgb = 0;
  // Colour-book names are rare and repeat: kept once for the whole program,
  // and absent for most colours.
  struct Names {
    OdString name, book;
  };
  const Names* m_names = nullptr;
};

class OdCmTransparency {
public:
  enum transparencyMethod : OdUInt8 { kByLayer = 0, kByBlock = 1, kByAlpha = 2, kErrorValue = 3 };
  OdCmTransparency() = default;
  explicit OdCmTransparency(transparencyMethod method) : m_method(method) {}
  // Alpha 0 (clear) to 255 (opaque).
  explicit OdCmTransparency(OdUInt8 alpha) : m_method(kByAlpha), m_alpha(alpha) {}
  // The 32-bit form of drawing files: method in the top byte, alpha in the lowest.
  static OdCmTransparency fromSerialized(OdInt32 value);
  OdInt32 serializeOut() const;

  transparencyMethod method() const { return m_method; }
  void setMethod(transparencyMethod method) { m_method = method; }
  OdUInt8 alpha() const { return m_alpha; }
  void setAlpha(OdUInt8 alpha) { m_method = kByAlpha; m_alpha = alpha; }
  // Transparency in percent as users enter it: 0 opaque, 90 the most transparent.
  double alphaPercent() const { return m_alpha / 255.0; }
  void setAlphaPercent(double fraction);
  bool isByLayer() const { return m_method == kByLayer; }
  bool isByBlock() const { return m_method == kByBlock; }
  bool isByAlpha() const { return m_method == kByAlpha; }
  bool isClear() const { return m_method == kByAlpha && m_alpha == 0; }
  bool isSolid() const { return m_method == kByAlpha && m_alpha == 255; }
  bool isInvalid() const { return m_method == kErrorValue; }

  bool operator==(const OdCmTransparency& o) const { return m_method == o.m_method && (m_method != kByAlpha || m_alpha == o.m_alpha); }
  bool operator!=(const OdCmTransparency& o) const { return !(*this == o); }

private:
  transparencyMethod m_method = kByLayer;
  OdUInt8 m_alpha = 255;
};
