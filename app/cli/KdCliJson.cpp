// Every JSON form kdprops writes: palettes, listings, messages, edits.
#include "CKdPrintObjectInfoPE.h"
#include "CKdPrintRecorder.h"
#include "CKdPropertyType.h"
#include "CKdSystemServices.h"
#include "KdCli.h"
#include "KdLanguage.h"

namespace kdcli {

namespace {
std::string guidName(const CKdString& guid) {
  const CKdString name = CKdPropertyType::NameOf(guid);
  return name.isEmpty() ? guid.toUtf8() : name.toUtf8();
}
}  // namespace

std::string dump(const json& value, int indent) { return value.dump(indent, ' ', false, json::error_handler_t::replace); }

json paletteJson(const Palette& palette) {
  const bool selection = palette.objects().size() > 1;
  json props = json::array();
  for (const Palette::Row& row : palette.rows()) {
    const CKdPropertyDescription& d = row.description();
    // The shown texts, and the module's own behind them (the same in English).
    json p = {{"category", d.GetCategory().toUtf8()},
              {"categorySource", kdapp::sourceText("property_groups", d.GetCategory().toQString()).toStdString()},
              {"name", d.GetName().toUtf8()},
              {"nameSource", kdapp::sourceText("property_types", d.GetName().toQString()).toStdString()},
              {"type", d.GetType().GetType()},
              {"guid", guidName(d.GetType().GetCustomTypeGuid())},
              {"icon", d.GetIcon().path().toUtf8()},
              {"dynamic", d.IsDynamic()},
              {"readOnly", row.readOnly},
              // A varying value has no one value to show; a varying choice list still offers its choices.
              {"value", row.varies && row.value.GetType() != CKdVariant::kCollection ? json(nullptr) : kdapp::toJson(row.value)}};
    if (row.varies) p["varies"] = true;
    props.push_back(p);
  }
  json handles = json::array(), classes = json::array();
  for (const OdDbObjectPtr& o : palette.objects()) {
    handles.push_back(o->handle().ascii().toUtf8());
    classes.push_back(className(o));
  }
  json out = {{"handles", handles},
              {"class", palette.commonClass() ? json(palette.commonClass()->name().toUtf8()) : json(nullptr)},
              {"displayName", palette.hasExtension() ? json(palette.displayName()) : json(nullptr)},
              {"properties", props},
              {"messages", messagesJson()}};
  if (selection) out["classes"] = classes;
  else out["handle"] = handles[0];
  return out;
}

json listingJson(const OdDbObject* object, bool inUcs) {
  CKdPrintRecorder recorder(object->database());
  recorder.SetPrintInUCS(inUcs);
  CKdPrintObjectInfoPEPtr info = CKdPrintObjectInfoPE::cast(object->isA()->getX(CKdPrintObjectInfoPE::desc()).get());
  if (!info.isNull()) info->PrintObjectInfo(object, &recorder);
  json lines = json::array();
  for (const CKdPrintRecord& r : recorder.Records()) {
    json value;
    switch (r.operation) {
      case CKdPrintRecord::kHeading: value = nullptr; break;
      case CKdPrintRecord::kString: value = r.text.toUtf8(); break;
      case CKdPrintRecord::kPoint: value = {r.point.x, r.point.y, r.point.z}; break;
      case CKdPrintRecord::kPoint2d: value = {r.point.x, r.point.y}; break;
      case CKdPrintRecord::kVector: value = {r.vector.x, r.vector.y, r.vector.z}; break;
      case CKdPrintRecord::kBool: value = r.integer != 0; break;
      case CKdPrintRecord::kInt: value = r.integer; break;
      default: value = r.number; break;
    }
    lines.push_back({{"op", CKdPrintRecord::operationName(r.operation)},
                     {"label", r.label.toUtf8()},
                     {"labelSource", kdapp::sourceText("info_items", r.label.toQString()).toStdString()},
                     {"value", value},
                     {"text", recorder.FormatValue(r).toUtf8()}});
  }
  return {{"handle", object->handle().ascii().toUtf8()}, {"class", className(object)}, {"lines", lines}};
}

json messagesJson() {
  json out = json::array();
  for (const CKdMessageRecord& m : GetKdSystemServices()->Messages())
    out.push_back({{"title", m.title.toUtf8()}, {"text", m.text.toUtf8()}, {"flags", m.flags}});
  return out;
}

json commandLineJson() {
  json out = json::array();
  for (const CKdMessageRecord& m : GetKdSystemServices()->Prints()) out.push_back(m.text.toUtf8());
  return out;
}

json editJson(const EditOutcome& outcome, bool saved) {
  json results = json::array();
  int result = outcome.results.empty() ? -5001 : 5100;
  for (const auto& [handle, answer] : outcome.results) {
    results.push_back({{"handle", handle}, {"result", answer}});
    if (answer != 5100 && result == 5100) result = answer;
  }
  return {{"result", result}, {"results", results}, {"messages", messagesJson()}, {"commandLine", commandLineJson()},
          {"saved", saved}};
}

}  // namespace kdcli
