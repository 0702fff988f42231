// The text forms kdprops prints for people.
#include <cstdio>

#include "CKdPrintObjectInfoPE.h"
#include "CKdPrintRecorder.h"
#include "CKdPropertyType.h"
#include "CKdSystemServices.h"
#include "KdCli.h"

namespace kdcli {

namespace {
// The text followed by blanks up to the width in characters (not bytes: "ä" is one).
std::string padded(std::string text, size_t width) {
  size_t characters = 0;
  for (const char c : text) characters += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
  if (characters < width) text.append(width - characters, ' ');
  return text;
}
}  // namespace


void printPalette(const Palette& palette) {
  std::string who;
  for (const OdDbObjectPtr& o : palette.objects()) who += (who.empty() ? "[" : " [") + o->handle().ascii().toUtf8() + "]";
  const std::string cls = palette.commonClass() ? palette.commonClass()->name().toUtf8() : std::string("?");
  std::printf("%s %s  %s\n", cls.c_str(), who.c_str(),
              palette.hasExtension() ? palette.displayName().c_str() : "(no property extension)");
  const OdDbDatabase* db = palette.objects().empty() ? nullptr : palette.objects().front()->database();
  for (const Palette::Row& row : palette.rows()) {
    const CKdPropertyDescription& d = row.description();
    const std::string label = d.GetCategory().toUtf8() + " / " + d.GetName().toUtf8();
    std::string type = std::to_string(d.GetType().GetType());
    const CKdString guid = CKdPropertyType::NameOf(d.GetType().GetCustomTypeGuid());
    const std::string guidText = guid.isEmpty() ? d.GetType().GetCustomTypeGuid().toUtf8() : guid.toUtf8();
    if (!guidText.empty()) type += " " + guidText;
    const std::string value = row.varies && row.value.GetType() != CKdVariant::kCollection
                                  ? std::string("*VARIES*")
                                  : kdapp::toText(row.value, db) + (row.varies ? "  *VARIES*" : "");
    std::printf("  %s %-26s %s%s  %s\n", padded(label, 36).c_str(), type.c_str(), row.readOnly ? "RO" : "RW",
                d.IsDynamic() ? " dyn" : "", value.c_str());
  }
}

void printListing(const OdDbObject* object, bool inUcs) {
  CKdPrintRecorder recorder(object->database());
  recorder.SetPrintInUCS(inUcs);
  CKdPrintObjectInfoPEPtr info = CKdPrintObjectInfoPE::cast(object->isA()->getX(CKdPrintObjectInfoPE::desc()).get());
  if (!info.isNull()) info->PrintObjectInfo(object, &recorder);
  std::fputs(recorder.Text().toUtf8().c_str(), stdout);
}

void printMessages() {
  for (const CKdMessageRecord& m : GetKdSystemServices()->Messages())
    std::printf("message box [%s] %s (flags %u)\n", m.title.toUtf8().c_str(), m.text.toUtf8().c_str(), m.flags);
  for (const CKdMessageRecord& m : GetKdSystemServices()->Prints())
    std::printf("command line: %s\n", m.text.toUtf8().c_str());
}

}  // namespace kdcli
