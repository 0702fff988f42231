#include "KdValues.h"

#include <charconv>
#include <cstdint>
#include <cmath>
#include <sstream>
#include <stdexcept>

#include "CKdPropertyDescription.h"
#include "Db/DbDatabase.h"
#include "Db/DbSymbolTable.h"

namespace kdapp {
namespace {

std::string number(double v) {
  char buf[64];
  std::snprintf(buf, sizeof buf, "%.10g", v);
  return buf;
}

std::string colorText(const OdCmColor& c) {
  if (c.isByLayer()) return "ByLayer";
  if (c.isByBlock()) return "ByBlock";
  if (c.isByColor()) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "RGB %d,%d,%d", c.red(), c.green(), c.blue());
    return buf;
  }
  return "Index " + std::to_string(c.colorIndex());
}

std::string transparencyText(const OdCmTransparency& t) {
  if (t.isByLayer()) return "ByLayer";
  if (t.isByBlock()) return "ByBlock";
  if (t.isInvalid()) return "invalid";
  return "alpha " + std::to_string(int(t.alpha()));
}

std::string idText(const OdDbObjectId& id) {
  if (id.isNull()) return "(none)";
  std::string out = "[" + id.getHandle().ascii().toUtf8() + "]";
  OdDbSymbolTableRecordPtr record = OdDbSymbolTableRecord::cast(id.openObject());
  if (!record.isNull()) out = record->getName().toUtf8() + " " + out;
  return out;
}

double parseDouble(const std::string& s) {
  double v = 0;
  auto res = std::from_chars(s.data(), s.data() + s.size(), v);
  if (s.empty() || res.ec != std::errc() || res.ptr != s.data() + s.size())
    throw std::invalid_argument("\"" + s + "\" is not a number");
  return v;
}

// A value of the host's 32-bit integers: one beyond them is refused, never cut down to another.
OdInt32 parseInteger(const std::string& s) {
  long long v = 0;
  auto res = std::from_chars(s.data(), s.data() + s.size(), v);
  if (s.empty() || (res.ec != std::errc() && res.ec != std::errc::result_out_of_range) || res.ptr != s.data() + s.size())
    throw std::invalid_argument("\"" + s + "\" is not a whole number");
  if (res.ec == std::errc::result_out_of_range || v < INT32_MIN || v > INT32_MAX)
    throw std::invalid_argument("\"" + s + "\" lies beyond the 32-bit whole numbers");
  return OdInt32(v);
}

OdGePoint3d parsePoint(const std::string& s) {
  double c[3] = {0, 0, 0};
  std::stringstream in(s);
  std::string part;
  int n = 0;
  while (std::getline(in, part, ',')) {
    if (n == 3) throw std::invalid_argument("\"" + s + "\" has more than three coordinates");
    c[n++] = parseDouble(part);
  }
  if (n < 2) throw std::invalid_argument("\"" + s + "\" is not a point x,y[,z]");
  return OdGePoint3d(c[0], c[1], c[2]);
}

OdCmColor parseColor(const std::string& s) {
  if (s == "ByLayer" || s == "bylayer") return OdCmColor(OdCmEntityColor::kByLayer);
  if (s == "ByBlock" || s == "byblock") return OdCmColor(OdCmEntityColor::kByBlock);
  if (s.rfind("rgb:", 0) == 0) {
    std::stringstream in(s.substr(4));
    std::string part;
    OdInt32 c[3] = {0, 0, 0};
    int n = 0;
    while (std::getline(in, part, ',')) {
      if (n == 3) throw std::invalid_argument("\"" + s + "\" has more than three components");
      c[n] = parseInteger(part);
      if (c[n] < 0 || c[n] > 255) throw std::invalid_argument("a colour component lies in 0..255");
      ++n;
    }
    if (n != 3) throw std::invalid_argument("\"" + s + "\" is not rgb:R,G,B");
    return OdCmColor::fromRGB(OdUInt8(c[0]), OdUInt8(c[1]), OdUInt8(c[2]));
  }
  const OdInt32 index = parseInteger(s);
  if (index < 1 || index > 255) throw std::invalid_argument("a colour index lies in 1..255");
  return OdCmColor::fromIndex(OdInt16(index));
}

OdCmTransparency parseTransparency(const std::string& s) {
  if (s == "ByLayer" || s == "bylayer") return OdCmTransparency(OdCmTransparency::kByLayer);
  if (s == "ByBlock" || s == "byblock") return OdCmTransparency(OdCmTransparency::kByBlock);
  const OdInt32 alpha = parseInteger(s);
  if (alpha < 0 || alpha > 255) throw std::invalid_argument("an alpha lies in 0..255");
  return OdCmTransparency(OdUInt8(alpha));
}

// A handle, or the name of a layer or line style.
OdDbObjectId parseId(const std::string& s, const CKdString& guid, OdDbDatabase* db) {
  if (!db) throw std::invalid_argument("no drawing");
  for (OdDbObjectId table : {db->getLayerTableId(), db->getLinetypeTableId()}) {
    if (table == db->getLayerTableId() && guid == CKdString(CKdPropertyType::kLinetypeGUID)) continue;
    if (table == db->getLinetypeTableId() && guid == CKdString(CKdPropertyType::kLayerGUID)) continue;
    OdDbSymbolTablePtr t = OdDbSymbolTable::cast(table.openObject());
    if (!t.isNull() && t->has(OdString::fromUtf8(s))) return t->getAt(OdString::fromUtf8(s));
  }
  const OdDbHandle h(OdString::fromUtf8(s));
  const OdDbObjectId id = h.isNull() ? OdDbObjectId() : db->getOdDbObjectId(h);
  if (id.isNull() && s != "0") throw std::invalid_argument("no object or record \"" + s + "\" in the drawing");
  return id;
}

}  // namespace

std::string toText(const CKdVariant& v, const OdDbDatabase*) {
  switch (v.GetType()) {
    case CKdVariant::kEmpty: return "-";
    case CKdVariant::kDouble: return number(v.GetDouble());
    case CKdVariant::kString: return "\"" + v.GetString().toUtf8() + "\"";
    case CKdVariant::kInt32: return std::to_string(v.GetInt32());
    case CKdVariant::kColor: return colorText(v.GetColor());
    case CKdVariant::kId: return idText(v.GetId());
    case CKdVariant::kTransparency: return transparencyText(v.GetTransparency());
    case CKdVariant::kPoint3d: {
      const OdGePoint3d p = v.GetPoint3d();
      return number(p.x) + "," + number(p.y) + "," + number(p.z);
    }
    case CKdVariant::kPoint2d: return number(v.GetPoint2d().x) + "," + number(v.GetPoint2d().y);
    case CKdVariant::kCollectionElement: {
      const CKdVariantCollectionElement& e = v.GetCollectionElement();
      return toText(e.GetValue(), nullptr) + " (tag " + toText(e.GetTag(), nullptr) + ")";
    }
    case CKdVariant::kCollection: {
      const CKdVariantCollection& c = v.GetCollection();
      std::string out;
      const int selected = c.GetSelectedIndex();
      if (selected >= 0 && selected < c.GetCount()) out = toText(c.GetAt(selected).GetValue(), nullptr);
      else out = "(none selected)";
      out += "  of [";
      for (int i = 0; i < c.GetCount(); ++i) {
        if (i) out += ", ";
        out += toText(c.GetAt(i).GetValue(), nullptr) + "=" + toText(c.GetAt(i).GetTag(), nullptr);
      }
      return out + "]";
    }
  }
  return "?";
}

nlohmann::json toJson(const CKdVariant& v) {
  using nlohmann::json;
  if (v.GetType() == CKdVariant::kEmpty) return nullptr;
  json out = {{"type", v.GetType()}};
  switch (v.GetType()) {
    case CKdVariant::kDouble:
      out["value"] = v.GetDouble();
      out["distance"] = v.IsDistance();
      break;
    case CKdVariant::kString: out["value"] = v.GetString().toUtf8(); break;
    case CKdVariant::kInt32: out["value"] = v.GetInt32(); break;
    case CKdVariant::kColor: {
      const OdCmColor c = v.GetColor();
      out["method"] = c.isByLayer() ? "ByLayer" : c.isByBlock() ? "ByBlock" : c.isByColor() ? "RGB" : "Index";
      out["index"] = c.colorIndex();
      out["rgb"] = c.rgb();
      break;
    }
    case CKdVariant::kTransparency: {
      const OdCmTransparency t = v.GetTransparency();
      out["method"] = t.isByLayer() ? "ByLayer" : t.isByBlock() ? "ByBlock" : t.isInvalid() ? "Invalid" : "Alpha";
      out["alpha"] = t.alpha();
      break;
    }
    case CKdVariant::kId:
      out["handle"] = v.GetId().isNull() ? json(nullptr) : json(v.GetId().getHandle().ascii().toUtf8());
      break;
    case CKdVariant::kPoint3d: {
      const OdGePoint3d p = v.GetPoint3d();
      out["point"] = {p.x, p.y, p.z};
      break;
    }
    case CKdVariant::kPoint2d: out["point"] = {v.GetPoint2d().x, v.GetPoint2d().y}; break;
    case CKdVariant::kCollection: {
      const CKdVariantCollection& c = v.GetCollection();
      out["selected"] = c.GetSelectedIndex();
      if (c.HasVaries()) out["hasVaries"] = true;
      json elements = json::array();
      for (int i = 0; i < c.GetCount(); ++i)
        elements.push_back({{"value", toJson(c.GetAt(i).GetValue())}, {"tag", toJson(c.GetAt(i).GetTag())}});
      out["elements"] = elements;
      break;
    }
    case CKdVariant::kCollectionElement:
      out["value"] = toJson(v.GetCollectionElement().GetValue());
      out["tag"] = toJson(v.GetCollectionElement().GetTag());
      break;
    default: break;
  }
  return out;
}

CKdVariant parseValue(const EditValue& edit, const CKdPropertyDescription& d, const CKdVariant& current,
                      OdDbDatabase* db) {
  if (edit.kind == EditValue::kChoice) {
    const OdInt32 tag = parseInteger(edit.text);
    // The label is the one the getter shows for the tag.
    CKdVariant label(CKdString(OdString::fromUtf8(edit.text)));
    if (current.GetType() == CKdVariant::kCollection) {
      const CKdVariantCollection& c = current.GetCollection();
      for (int i = 0; i < c.GetCount(); ++i)
        if (c.GetAt(i).GetTag().GetType() == CKdVariant::kInt32 && c.GetAt(i).GetTag().GetInt32() == tag)
          label = c.GetAt(i).GetValue();
    }
    return CKdVariant(CKdVariantCollectionElement(label, CKdVariant(tag)));
  }
  if (edit.kind == EditValue::kChoiceHandle) {
    const OdDbHandle h(OdString::fromUtf8(edit.text));
    const OdDbObjectId id = h.isNull() || !db ? OdDbObjectId() : db->getOdDbObjectId(h);
    if (id.isNull() || id.isErased()) throw std::invalid_argument("the drawing has no object with handle " + edit.text);
    // The label is the one the getter shows for the object, else the record's name.
    CKdVariant label(CKdString(OdString::fromUtf8(edit.text)));
    OdDbSymbolTableRecordPtr record = OdDbSymbolTableRecord::cast(id.openObject());
    if (!record.isNull()) label = CKdVariant(CKdString(record->getName()));
    if (current.GetType() == CKdVariant::kCollection) {
      // A palette offers only the choices of its list.
      const CKdVariantCollection& c = current.GetCollection();
      bool listed = false;
      for (int i = 0; i < c.GetCount(); ++i)
        if (c.GetAt(i).GetTag().GetType() == CKdVariant::kId && c.GetAt(i).GetTag().GetId() == id) {
          label = c.GetAt(i).GetValue();
          listed = true;
        }
      if (!listed) throw std::invalid_argument("handle " + edit.text + " names none of the choices of the property");
    }
    return CKdVariant(CKdVariantCollectionElement(label, CKdVariant(id)));
  }
  if (edit.kind == EditValue::kPoints) {
    CKdVariantCollection points;
    std::stringstream in(edit.text);
    std::string part;
    long index = 0;
    while (std::getline(in, part, ';'))
      if (!part.empty()) points.Add(CKdVariantCollectionElement(CKdVariant(parsePoint(part)), CKdVariant(index++)));
    return CKdVariant(points);
  }
  int type = edit.forcedType >= 0 ? edit.forcedType : d.GetType().GetType();
  if (type == 0) type = current.GetType();
  const std::string& s = edit.text;
  switch (type) {
    case CKdVariant::kEmpty: return CKdVariant();
    case CKdVariant::kDouble: return CKdVariant(parseDouble(s), current.GetType() == CKdVariant::kDouble ? current.IsDistance() : true);
    case CKdVariant::kString: return CKdVariant(CKdString(OdString::fromUtf8(s)));
    case CKdVariant::kInt32: return CKdVariant(parseInteger(s));
    case CKdVariant::kColor: return CKdVariant(parseColor(s));
    case CKdVariant::kId: return CKdVariant(parseId(s, d.GetType().GetCustomTypeGuid(), db));
    case CKdVariant::kTransparency: return CKdVariant(parseTransparency(s));
    case CKdVariant::kPoint3d: return CKdVariant(parsePoint(s));
    case CKdVariant::kCollectionElement: return CKdVariant(CKdVariantCollectionElement(CKdVariant(CKdString()), CKdVariant(parseInteger(s))));
    default: throw std::invalid_argument("values of type " + std::to_string(type) + " cannot be typed in");
  }
}

}  // namespace kdapp
