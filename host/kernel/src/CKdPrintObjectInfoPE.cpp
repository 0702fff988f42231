#include "CKdPrintObjectInfoPE.h"
#include <QCoreApplication>
#include "Db/DbDatabase.h"
#include "Db/DbEntity.h"

namespace kdhost {
OdRxClass* printInfoClass(int change);
}

namespace {
CKdString tr(const char* context, const char* text) { return CKdString(QCoreApplication::translate(context, text)); }

// Lineweights are hundredths of a millimetre; the negative ones are words.
CKdString lineWeightText(OdDb::LineWeight w) {
  switch (w) {
    case OdDb::kLnWtByLayer: return tr("info_values", "ByLayer");
    case OdDb::kLnWtByBlock: return tr("info_values", "ByBlock");
    case OdDb::kLnWtByLwDefault: return tr("info_values", "Default");
    default: break;
  }
  CKdString s;
  s.format(L"%.2f mm", static_cast<int>(w) / 100.0);
  return s;
}

CKdString transparencyText(const OdCmTransparency& t) {
  if (t.isByLayer()) return tr("info_values", "ByLayer");
  if (t.isByBlock()) return tr("info_values", "ByBlock");
  CKdString s;
  s.format(L"%d", static_cast<int>((255 - t.alpha()) * 100.0 / 255.0 + 0.5));
  return s;
}

CKdString spaceText(const OdDbObject* object) {
  const OdDbDatabase* db = object->database();
  if (!db) return tr("info_values", "Unknown");
  const OdDbObjectId owner = object->ownerId();
  if (owner == db->getModelSpaceId()) return tr("info_values", "Model space");
  if (owner == db->getPaperSpaceId()) return tr("info_values", "Paper space");
  return tr("info_values", "Block");
}
}  // namespace

OdRxClass* CKdPrintObjectInfoPE::desc() { return kdhost::printInfoClass(0); }
OdRxClass* CKdPrintObjectInfoPE::isA() const { return desc(); }
void CKdPrintObjectInfoPE::rxInit() { kdhost::printInfoClass(1); }
void CKdPrintObjectInfoPE::rxUninit() { kdhost::printInfoClass(-1); }

OdRxObject* CKdPrintObjectInfoPE::queryX(const OdRxClass* protocolClass) const {
  if (protocolClass && (protocolClass == desc() || protocolClass == OdRxObject::desc())) {
    OdRxObject* self = const_cast<CKdPrintObjectInfoPE*>(this);
    self->addRef();
    return self;
  }
  return nullptr;
}

CKdPrintObjectInfoPEPtr CKdPrintObjectInfoPE::cast(const OdRxObject* object) {
  if (!object || !desc()) return CKdPrintObjectInfoPEPtr();
  return CKdPrintObjectInfoPEPtr(static_cast<CKdPrintObjectInfoPE*>(object->queryX(desc())), kOdRxObjAttach);
}

CKdString CKdPrintObjectInfoPE::GetClassNameW(const OdDbObject* object) const {
  if (!object || !object->isA()) return CKdString();
  const OdRxClass* cls = object->isA();
  return CKdString(cls->dxfName().isEmpty() ? cls->name() : cls->dxfName());
}

void CKdPrintObjectInfoPE::PrintObjectHeader(const OdDbObject* object, CKdPrintInfoContext* context) const {
  if (!object || !context) return;
  context->PrintString(tr("info_items", "Object"), GetClassNameW(object));
  context->PrintString(tr("info_items", "Handle"), CKdString(object->handle().ascii()));
}

void CKdPrintObjectInfoPE::PrintObjectInfo(const OdDbObject* object, CKdPrintInfoContext* context) const {
  if (!object || !context) return;
  PrintObjectHeader(object, context);
  OdDbEntityPtr entity = OdDbEntity::cast(object);
  if (entity.isNull() || !entity->isReadEnabled()) return;
  context->PrintString(tr("info_items", "Layer"), CKdString(entity->layer()));
  context->PrintString(tr("info_items", "Space"), spaceText(object));
  context->PrintString(tr("info_items", "Color"), CKdString(entity->color().colorNameForDisplay()));
  context->PrintString(tr("info_items", "Linetype"), CKdString(entity->linetype()));
  context->PrintScale(tr("info_items", "Linetype scale"), entity->linetypeScale());
  context->PrintString(tr("info_items", "Lineweight"), lineWeightText(entity->lineWeight()));
  context->PrintString(tr("info_items", "Transparency"), transparencyText(entity->transparency()));
  if (entity->visibility() == OdDb::kInvisible)
    context->PrintString(tr("info_items", "Visibility"), tr("info_values", "Invisible"));
}
