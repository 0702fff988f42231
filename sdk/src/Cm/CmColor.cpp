#include "Cm/CmColor.h"

#include <deque>

#include <cmath>

namespace {
OdUInt32 pack(int r, int g, int b) { return (OdUInt32(r) << 16) | (OdUInt32(g) << 8) | OdUInt32(b); }

// The 256-entry palette of drawing files: 1..9 fixed colours, 10..249 24 hues
// in five shades of a full and a pale tone, 250..255 greys.
OdUInt32 paletteEntry(int i) {
  static const OdUInt32 fixed[10] = {pack(0, 0, 0),     pack(255, 0, 0),   pack(255, 255, 0),
                                     pack(0, 255, 0),   pack(0, 255, 255), pack(0, 0, 255),
                                     pack(255, 0, 255), pack(255, 255, 255), pack(128, 128, 128),
                                     pack(192, 192, 192)};
  if (i >= 0 && i < 10) return fixed[i];
  if (i >= 250 && i <= 255) {
    static const int grey[6] = {51, 91, 132, 173, 214, 255};
    return pack(grey[i - 250], grey[i - 250], grey[i - 250]);
  }
  if (i < 10 || i > 255) return pack(255, 255, 255);
  static const int shade[5] = {255, 189, 129, 104, 79};
  int k = i - 10;
  double hue = (k / 10) * 15.0;
  double v = shade[(k % 10) / 2];
  double low = (k % 2) ? v * 2.0 / 3.0 : 0.0;
  double h6 = hue / 60.0;
  int sector = static_cast<int>(h6) % 6;
  double f = h6 - std::floor(h6);
  double rise = low + (v - low) * f, fall = v - (v - low) * f;
  double r = 0, g = 0, b = 0;
  switch (sector) {
    case 0: r = v; g = rise; b = low; break;
    case 1: r = fall; g = v; b = low; break;
    case 2: r = low; g = v; b = rise; break;
    case 3: r = low; g = fall; b = v; break;
    case 4: r = rise; g = low; b = v; break;
    default: r = v; g = low; b = fall; break;
  }
  return pack(int(std::lround(r)), int(std::lround(g)), int(std::lround(b)));
}
}  // namespace

OdUInt32 OdCmEntityColor::lookUpRGB(OdUInt8 colorIndex) { return paletteEntry(colorIndex); }

OdUInt8 OdCmEntityColor::lookUpACI(OdUInt8 r, OdUInt8 g, OdUInt8 b) {
  int best = 1;
  long bestDist = -1;
  for (int i = 1; i <= 255; ++i) {
    OdUInt32 c = paletteEntry(i);
    long dr = long((c >> 16) & 0xFF) - r, dg = long((c >> 8) & 0xFF) - g, db = long(c & 0xFF) - b;
    long d = dr * dr + dg * dg + db * db;
    if (bestDist < 0 || d < bestDist) {
      bestDist = d;
      best = i;
    }
  }
  return static_cast<OdUInt8>(best);
}

OdCmColor OdCmColor::fromIndex(OdInt16 index) {
  OdCmColor c;
  c.setColorIndex(index);
  return c;
}

OdCmColor OdCmColor::fromRGB(OdUInt8 r, OdUInt8 g, OdUInt8 b) {
  OdCmColor c;
  c.setRGB(r, g, b);
  return c;
}

void OdCmColor::setColorIndex(OdInt16 index) {
  m_names = nullptr;
  if (index == 0) {
    m_method = OdCmEntityColor::kByBlock;
  } else if (index == 256) {
    m_method = OdCmEntityColor::kByLayer;
  } else if (index == 257) {
    m_method = OdCmEntityColor::kNone;
  } else if (index > 0 && index < 256) {
    m_method = OdCmEntityColor::kByACI;
    m_index = static_cast<OdUInt8>(index);
  } else {
    // Negative indices mark layers that are off; the colour is the absolute value.
    m_method = OdCmEntityColor::kByACI;
    m_index = static_cast<OdUInt8>(index < -255 ? 7 : -index);
  }
}

void OdCmColor::setRGB(OdUInt8 r, OdUInt8 g, OdUInt8 b) {
  m_method = OdCmEntityColor::kByColor;
  m_rgb = pack(r, g, b);
}

OdInt16 OdCmColor::colorIndex() const {
  switch (m_method) {
    case OdCmEntityColor::kByBlock: return 0;
    case OdCmEntityColor::kByLayer: return 256;
    case OdCmEntityColor::kNone: return 257;
    case OdCmEntityColor::kForeground: return 7;
    case OdCmEntityColor::kByACI: return m_index;
    default: return OdCmEntityColor::lookUpACI(red(), green(), blue());
  }
}

OdUInt32 OdCmColor::rgb() const {
  if (m_method == OdCmEntityColor::kByColor) return m_rgb;
  if (m_method == OdCmEntityColor::kByACI) return paletteEntry(m_index);
  return paletteEntry(7);
}

OdUInt8 OdCmColor::red() const { return static_cast<OdUInt8>((rgb() >> 16) & 0xFF); }
OdUInt8 OdCmColor::green() const { return static_cast<OdUInt8>((rgb() >> 8) & 0xFF); }
OdUInt8 OdCmColor::blue() const { return static_cast<OdUInt8>(rgb() & 0xFF); }

OdString OdCmColor::colorNameForDisplay() const {
  static const wchar_t* const names[8] = {L"", L"red", L"yellow", L"green", L"cyan", L"blue", L"magenta", L"white"};
  OdString s;
  switch (m_method) {
    case OdCmEntityColor::kByLayer: return OdString(L"ByLayer");
    case OdCmEntityColor::kByBlock: return OdString(L"ByBlock");
    case OdCmEntityColor::kNone: return OdString(L"None");
    case OdCmEntityColor::kForeground: return OdString(L"Foreground");
    case OdCmEntityColor::kByACI:
      if (m_index >= 1 && m_index <= 7) return OdString(names[m_index]);
      s.format(L"%d", int(m_index));
      return s;
    default:
      if (!colorName().isEmpty()) return bookName().isEmpty() ? colorName() : bookName() + L"$" + colorName();
      s.format(L"%d,%d,%d", int(red()), int(green()), int(blue()));
      return s;
  }
}

bool OdCmColor::operator==(const OdCmColor& o) const {
  if (m_method != o.m_method) return false;
  if (m_method == OdCmEntityColor::kByACI) return m_index == o.m_index;
  if (m_method == OdCmEntityColor::kByColor)
    return m_rgb == o.m_rgb && colorName() == o.colorName() && bookName() == o.bookName();
  return true;
}

OdCmTransparency OdCmTransparency::fromSerialized(OdInt32 value) {
  OdUInt32 v = static_cast<OdUInt32>(value);
  OdCmTransparency t;
  switch (v >> 24) {
    case 0: t.m_method = kByLayer; break;
    case 1: t.m_method = kByBlock; break;
    case 2: t.m_method = kByAlpha; t.m_alpha = static_cast<OdUInt8>(v & 0xFF); break;
    default: t.m_method = kErrorValue; break;
  }
  return t;
}

OdInt32 OdCmTransparency::serializeOut() const {
  OdUInt32 v = OdUInt32(m_method) << 24;
  if (m_method == kByAlpha) v |= m_alpha;
  return static_cast<OdInt32>(v);
}

void OdCmTransparency::setAlphaPercent(double fraction) {
  if (!(fraction >= 0.0)) fraction = 0.0;
  if (fraction > 1.0) fraction = 1.0;
  setAlpha(static_cast<OdUInt8>(std::lround(fraction * 255.0)));
}

namespace {
const OdString& emptyName() {
  static const OdString empty;
  return empty;
}
}  // namespace

const OdString& OdCmColor::colorName() const { return m_names ? m_names->name : emptyName(); }
const OdString& OdCmColor::bookName() const { return m_names ? m_names->book : emptyName(); }

void OdCmColor::setNames(const OdString& colorName, const OdString& bookName) {
  if (colorName.isEmpty() && bookName.isEmpty()) {
    m_names = nullptr;
    return;
  }
  // One entry a name pair for the life of the program: drawings use a few.
  static std::deque<Names> pool;
  for (const Names& n : pool)
    if (n.name == colorName && n.book == bookName) {
      m_names = &n;
      return;
    }
  pool.push_back(Names{colorName, bookName});
  m_names = &pool.back();
}
