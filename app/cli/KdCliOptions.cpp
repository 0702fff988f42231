// The command line and the keys of batch requests.
#include <cstdio>
#include <cstdlib>

#include "CKdHatchPatterns.h"
#include "CKdSystemServices.h"
#include "KdCli.h"

namespace kdcli {

const char* const kUsageText =
    "usage: kdprops COMMAND [options]\n"
    "  demo                                   palette and listing of every object of the sample drawing\n"
    "  sample -o FILE                         write the sample drawing\n"
    "  list [DRAWING] [--handle H]... [--ucs] [--json]\n"
    "  props [DRAWING] (--handle H... | --all) [--index N] [--json]\n"
    "                                         several handles: the palette of the selection\n"
    "  set DRAWING --handle H... --name NAME [--category C]\n"
    "      (--value TEXT | --choice TAG | --choice-handle H | --points \"x,y,z;...\")\n"
    "      [--type CODE] [--index N] (--output FILE | --in-place) [--json]\n"
    "  classes [--json]                       every registered class with its descriptions\n"
    "  save DRAWING -o FILE [--rewrite] [--binary|--ascii]\n"
    "                                         read a drawing and write it again; --rewrite writes\n"
    "                                         every object from its fields, as if each had changed;\n"
    "                                         binary or text as read unless --binary or --ascii\n"
    "  recover DRAWING -o FILE                repair a damaged drawing, one line a repair, and save it\n"
    "  batch [DRAWING]                        JSON requests on standard input, one a line; JSON answers\n"
    "  --classes                              the SDK's run-time class tree\n"
    "options on every command: --ucs-origin X,Y,Z --ucs-x X,Y,Z --ucs-y X,Y,Z\n"
    "  --recover          read a damaged drawing as recover does, the repairs on standard error\n"
    "  --patterns FILE    custom hatch patterns (.pat); also the environment's KD_HATCH_PATTERNS\n"
    "  --plot-styles DIR  the folder of plot style tables (.ctb, .stb); also KD_PLOT_STYLES\n"
    "  --lang de|en       the language of names, labels and values (default: the locale's);\n"
    "                     --name and --category take the English texts in any language\n"
    "DRAWING omitted means the built-in sample drawing.\n";

namespace {
OdGePoint3d parseTriple(const std::string& s) {
  double c[3];
  char tail = 0;
  if (std::sscanf(s.c_str(), "%lf,%lf,%lf%c", &c[0], &c[1], &c[2], &tail) != 3)
    throw UsageError("expected X,Y,Z, got " + s);
  return OdGePoint3d(c[0], c[1], c[2]);
}

long wholeNumber(const std::string& v, const char* what) {
  char* end = nullptr;
  const long n = std::strtol(v.c_str(), &end, 10);
  if (v.empty() || *end) throw UsageError(std::string(what) + " needs a whole number");
  return n;
}

void setValue(Options& o, kdapp::EditValue::Kind kind, const std::string& text) {
  if (o.haveValue) throw UsageError("give one of --value, --choice, --choice-handle and --points");
  o.edit.kind = kind;
  o.edit.text = text;
  o.haveValue = true;
}
}  // namespace

Options parse(int argc, char** argv) {
  Options o;
  // The language may also come first: "kdprops --lang de props ...".
  int first = 1;
  while (first + 1 < argc && std::string(argv[first]) == "--lang") {
    o.language = argv[first + 1];
    first += 2;
  }
  if (argc <= first) throw UsageError("no command");
  o.command = argv[first];
  auto need = [&](int& i) -> std::string {
    if (i + 1 >= argc) throw UsageError(std::string(argv[i]) + " needs a value");
    return argv[++i];
  };
  for (int i = first + 1; i < argc; ++i) {
    const std::string a = argv[i];
    if (a == "--handle") o.handles.push_back(need(i));
    else if (a == "--ucs") o.ucs = true;
    else if (a == "--json") o.json = true;
    else if (a == "--in-place") o.inPlace = true;
    else if (a == "--rewrite") o.rewrite = true;
    else if (a == "--binary" || a == "--ascii") {
      if (o.format != OdDxfFormat::kAsRead) throw UsageError("give one of --binary and --ascii");
      o.format = a == "--binary" ? OdDxfFormat::kBinary : OdDxfFormat::kAscii;
    } else if (a == "--recover") o.recover = true;
    else if (a == "--all") o.all = true;
    else if (a == "--index") o.index = wholeNumber(need(i), "--index");
    else if (a == "--name") o.name = need(i);
    else if (a == "--category") o.category = need(i);
    else if (a == "--output" || a == "-o") o.output = need(i);
    else if (a == "--value") setValue(o, kdapp::EditValue::kText, need(i));
    else if (a == "--choice") setValue(o, kdapp::EditValue::kChoice, need(i));
    else if (a == "--choice-handle") setValue(o, kdapp::EditValue::kChoiceHandle, need(i));
    else if (a == "--points") setValue(o, kdapp::EditValue::kPoints, need(i));
    else if (a == "--type") {
      o.edit.forcedType = int(wholeNumber(need(i), "--type"));
      if (o.edit.forcedType < 0) throw UsageError("--type needs a type code");
    } else if (a == "--ucs-origin") o.ucsOrigin = parseTriple(need(i));
    else if (a == "--ucs-x") o.ucsX = parseTriple(need(i));
    else if (a == "--ucs-y") o.ucsY = parseTriple(need(i));
    else if (a == "--patterns") GetKdHatchPatterns()->SetCustomPatternFile(need(i));
    else if (a == "--plot-styles") GetKdSystemServices()->SetPlotStyleFolder(need(i));
    else if (a == "--lang") o.language = need(i);
    else if (!a.empty() && a[0] == '-') throw UsageError("unknown option " + a);
    else if (o.drawing.empty()) o.drawing = a;
    else throw UsageError("more than one drawing given");
  }
  return o;
}

Options fromRequest(const json& request) {
  if (!request.is_object()) throw UsageError("a request is a JSON object");
  Options o;
  o.json = true;
  auto text = [&](const char* key) -> std::string {
    const json& v = request.at(key);
    if (v.is_string()) return v.get<std::string>();
    if (v.is_number() || v.is_boolean()) return v.dump();
    throw UsageError(std::string("\"") + key + "\" needs a string or a number");
  };
  auto flag = [&](const char* key) {
    if (!request.contains(key)) return false;
    if (!request[key].is_boolean()) throw UsageError(std::string("\"") + key + "\" needs true or false");
    return request[key].get<bool>();
  };
  auto triple = [&](const char* key) -> std::optional<OdGePoint3d> {
    if (!request.contains(key)) return std::nullopt;
    return parseTriple(text(key));
  };
  static const char* const kKnown[] = {"command", "drawing", "handle", "handles", "name",   "category", "value",
                                       "choice",  "choiceHandle", "points", "type", "index", "output", "inPlace",
                                       "ucs",     "rewrite", "all", "ucsOrigin", "ucsX", "ucsY", "id",
                                       "format", "recover"};
  for (const auto& item : request.items()) {
    bool known = false;
    for (const char* k : kKnown) known = known || item.key() == k;
    if (!known) throw UsageError("unknown key \"" + item.key() + "\"");
  }
  if (!request.contains("command")) throw UsageError("a request needs \"command\"");
  o.command = text("command");
  if (request.contains("drawing")) o.drawing = text("drawing");
  if (request.contains("handle")) o.handles.push_back(text("handle"));
  if (request.contains("handles")) {
    if (!request["handles"].is_array()) throw UsageError("\"handles\" needs an array");
    for (const json& h : request["handles"]) {
      if (!h.is_string()) throw UsageError("\"handles\" holds handles as strings");
      o.handles.push_back(h.get<std::string>());
    }
  }
  if (request.contains("name")) o.name = text("name");
  if (request.contains("category")) o.category = text("category");
  if (request.contains("value")) setValue(o, kdapp::EditValue::kText, text("value"));
  if (request.contains("choice")) setValue(o, kdapp::EditValue::kChoice, text("choice"));
  if (request.contains("choiceHandle")) setValue(o, kdapp::EditValue::kChoiceHandle, text("choiceHandle"));
  if (request.contains("points")) setValue(o, kdapp::EditValue::kPoints, text("points"));
  if (request.contains("type")) o.edit.forcedType = int(wholeNumber(text("type"), "\"type\""));
  if (request.contains("index")) o.index = wholeNumber(text("index"), "\"index\"");
  if (request.contains("output")) o.output = text("output");
  o.inPlace = flag("inPlace");
  o.ucs = flag("ucs");
  o.rewrite = flag("rewrite");
  o.recover = flag("recover");
  if (request.contains("format")) {
    const std::string f = text("format");
    if (f == "binary") o.format = OdDxfFormat::kBinary;
    else if (f == "ascii") o.format = OdDxfFormat::kAscii;
    else if (f != "as-read") throw UsageError("\"format\" is one of \"binary\", \"ascii\" and \"as-read\"");
  }
  o.all = flag("all");
  o.ucsOrigin = triple("ucsOrigin");
  o.ucsX = triple("ucsX");
  o.ucsY = triple("ucsY");
  return o;
}

}  // namespace kdcli
