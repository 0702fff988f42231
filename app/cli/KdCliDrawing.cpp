// The open drawing, the objects a command names, palettes of one object or of
// a selection, and edits applied to each selected object.
#include <cstdio>
#include "CKdDocument.h"
#include "CKdPropertyDescription.h"
#include "CKdPropertyPEImpl.h"
#include "CKdSystemServices.h"
#include "Db/DbSymbolTable.h"
#include "Dxf/DxfFile.h"
#include "KdCli.h"
#include "KdLanguage.h"
#include "KdSampleDrawing.h"
#include "Rx/RxClass.h"

namespace kdcli {

void applyUcs(OdDbDatabase* db, const Options& o) {
  if (o.ucsOrigin || o.ucsX || o.ucsY) {
    const OdGePoint3d origin = o.ucsOrigin.value_or(db->getUCSORG());
    const OdGeVector3d xAxis = o.ucsX ? o.ucsX->asVector() : db->getUCSXDIR();
    const OdGeVector3d yAxis = o.ucsY ? o.ucsY->asVector() : db->getUCSYDIR();
    if (db->setCurrentUCS(origin, xAxis, yAxis) != eOk) throw UsageError("the UCS axes must be two independent directions");
  }
}

OdDbDatabasePtr readDrawing(const std::string& path, bool recover, std::vector<OdDxfRepair>* repairs) {
  OdDxfReadOptions options;
  options.recover = recover;
  options.repairs = repairs;
  return odDxfReadFile(path, options);
}

OdDbDatabasePtr openDrawing(const std::string& path, const Options& o, std::vector<OdDxfRepair>* repairs) {
  std::vector<OdDxfRepair> made;
  OdDbDatabasePtr db = path.empty() ? kdapp::makeSampleDrawing() : readDrawing(path, o.recover, repairs ? repairs : &made);
  // The command's output stays on standard output; the repairs go beside it.
  for (const OdDxfRepair& r : made) std::fprintf(stderr, "kdprops: repaired %s\n", r.text(path).c_str());
  applyUcs(db, o);
  SetActiveKdDocument(db.get());
  return db;
}

OdDbObjectId objectByHandle(OdDbDatabase* db, const std::string& text) {
  const OdDbHandle h(OdString::fromUtf8(text));
  const OdDbObjectId id = h.isNull() ? OdDbObjectId() : db->getOdDbObjectId(h);
  if (id.isNull() || id.isErased()) throw UsageError("the drawing has no object with handle " + text);
  return id;
}

std::vector<OdDbObjectId> objectsByHandles(OdDbDatabase* db, const std::vector<std::string>& handles) {
  std::vector<OdDbObjectId> ids;
  for (const std::string& h : handles) ids.push_back(objectByHandle(db, h));
  return ids;
}

std::vector<OdDbObjectId> allEntities(OdDbDatabase* db) {
  std::vector<OdDbObjectId> out;
  OdDbSymbolTablePtr blocks = OdDbSymbolTable::cast(db->getBlockTableId().openObject());
  std::vector<OdDbObjectId> order = {db->getModelSpaceId(), db->getPaperSpaceId()};
  if (!blocks.isNull())
    for (const OdDbObjectId& id : blocks->recordIds())
      if (id != db->getModelSpaceId() && id != db->getPaperSpaceId()) order.push_back(id);
  for (const OdDbObjectId& block : order) {
    OdDbBlockTableRecordPtr record = OdDbBlockTableRecord::cast(block.openObject());
    if (record.isNull()) continue;
    for (const OdDbObjectId& id : record->entityIds())
      if (!id.isErased()) out.push_back(id);
  }
  return out;
}

std::string className(const OdDbObject* object) { return object->isA()->name().toUtf8(); }

CKdVariant contextOf(const Options& o) { return o.index ? CKdVariant(*o.index) : CKdVariant(); }

namespace {
// Whether two values show the same: choice lists by their selected element.
bool sameShown(const CKdVariant& a, const CKdVariant& b) {
  if (a.GetType() == CKdVariant::kCollection && b.GetType() == CKdVariant::kCollection) {
    const CKdVariantCollection &x = a.GetCollection(), &y = b.GetCollection();
    const bool xs = x.GetSelectedIndex() >= 0 && x.GetSelectedIndex() < x.GetCount();
    const bool ys = y.GetSelectedIndex() >= 0 && y.GetSelectedIndex() < y.GetCount();
    if (!xs || !ys) return xs == ys;
    return x.GetAt(x.GetSelectedIndex()) == y.GetAt(y.GetSelectedIndex());
  }
  return a == b;
}
}  // namespace

Palette::Palette(const std::vector<OdDbObjectPtr>& objects, const CKdVariant& context) : m_objects(objects) {
  if (m_objects.empty()) return;
  // The nearest class all objects are of: the filter class of a selection.
  auto coversAll = [&](const OdRxClass* c) {
    for (const OdDbObjectPtr& o : m_objects)
      if (!o->isA()->isDerivedFrom(c)) return false;
    return true;
  };
  const OdRxClass* common = m_objects.front()->isA();
  while (common && !coversAll(common)) common = common->myParent();
  m_common = common;
  const OdRxClass* filter = m_objects.size() > 1 ? m_common : nullptr;
  for (const OdDbObjectPtr& object : m_objects) {
    CKdPropertyBasePtr pe = CKdPropertyBase::cast(object->isA()->getX(CKdPropertyBase::desc()).get());
    std::unique_ptr<CKdPropertiesContainer> container(CKdPropertyPEImpl::Describe(pe.get(), object, filter));
    m_extensions.push_back(pe);
    m_containers.push_back(std::move(container));
  }
  const CKdPropertiesContainer* first = m_containers.front().get();
  std::vector<std::vector<bool>> used(m_objects.size());
  for (size_t k = 0; k < m_objects.size(); ++k) used[k].assign(m_containers[k] ? size_t(m_containers[k]->GetCount()) : 0, false);
  for (int i = 0; first && i < first->GetCount(); ++i) {
    const CKdPropertyDescription* d = first->GetAt(i);
    Row row;
    row.perObject.push_back(d);
    // The same property of every other object: the first of its category and name not yet matched.
    for (size_t k = 1; k < m_objects.size(); ++k) {
      const CKdPropertiesContainer* c = m_containers[k].get();
      for (int j = 0; c && j < c->GetCount(); ++j)
        if (!used[k][size_t(j)] && c->GetAt(j)->GetCategory() == d->GetCategory() && c->GetAt(j)->GetName() == d->GetName()) {
          used[k][size_t(j)] = true;
          row.perObject.push_back(c->GetAt(j));
          break;
        }
    }
    if (row.perObject.size() != m_objects.size()) continue;
    readValues(row, context);
    m_rows.push_back(std::move(row));
  }
}

void Palette::readValues(Row& row, const CKdVariant& context) const {
  row.value = row.perObject.front()->GetValue(m_objects.front(), context);
  row.readOnly = row.varies = false;
  for (size_t k = 0; k < m_objects.size(); ++k) {
    row.readOnly = row.readOnly || row.perObject[k]->IsReadOnly(m_objects[k]);
    // Once the row varies, the other objects' values change nothing shown.
    if (k > 0 && !row.varies) row.varies = !sameShown(row.value, row.perObject[k]->GetValue(m_objects[k], context));
  }
  if (row.varies && row.value.GetType() == CKdVariant::kCollection) {
    CKdVariantCollection mixed = row.value.GetCollection();
    mixed.SetHasVaries(true);
    row.value = CKdVariant(mixed);
  }
}

void Palette::refresh(const CKdVariant& context) {
  for (Row& row : m_rows) readValues(row, context);
}

std::string Palette::displayName() const {
  if (!hasExtension()) return std::string();
  for (const CKdPropertyBasePtr& pe : m_extensions)
    if (pe.get() != m_extensions.front().get()) return "*VARIES*";
  return m_extensions.front()->GetDisplayName(m_objects.front()).toUtf8();
}

namespace {
// A shown text answers to itself and, translated, to the module's own text.
bool matches(const CKdString& shown, const char* context, const std::string& wanted) {
  return shown.toUtf8() == wanted || kdapp::sourceText(context, shown.toQString()).toStdString() == wanted;
}
}  // namespace

const Palette::Row* Palette::find(const std::string& name, const std::string& category) const {
  for (const Row& r : m_rows)
    if (matches(r.description().GetName(), "property_types", name) &&
        (category.empty() || matches(r.description().GetCategory(), "property_groups", category)))
      return &r;
  return nullptr;
}

bool EditOutcome::anyAccepted() const {
  for (const auto& r : results)
    if (r.second == 5100) return true;
  return false;
}

bool EditOutcome::allAccepted() const {
  for (const auto& r : results)
    if (r.second != 5100) return false;
  return !results.empty();
}

EditOutcome applyEdit(OdDbDatabase* db, const std::vector<std::string>& handles, const Options& o) {
  if (handles.empty()) throw UsageError("set needs --handle");
  if (o.name.empty()) throw UsageError("set needs --name");
  if (!o.haveValue) throw UsageError("set needs --value, --choice, --choice-handle or --points");
  std::vector<OdDbObjectPtr> objects;
  for (const OdDbObjectId& id : objectsByHandles(db, handles)) objects.push_back(id.openObject(OdDb::kForWrite));
  EditOutcome outcome;
  {
    const Palette palette(objects, contextOf(o));
    const Palette::Row* row = palette.find(o.name, o.category);
    if (!row)
      throw UsageError(std::string(handles.size() > 1 ? "the selection has" : "the object has") + " no property \"" + o.name +
                       "\"" + (o.category.empty() ? "" : " in " + o.category));
    CKdVariant value;
    try {
      value = kdapp::parseValue(o.edit, row->description(), row->value, db);
    } catch (const std::invalid_argument& e) {
      throw UsageError(e.what());
    }
    GetKdSystemServices()->ClearRecords();
    for (size_t k = 0; k < objects.size(); ++k)
      outcome.results.emplace_back(objects[k]->handle().ascii().toUtf8(),
                                   row->perObject[k]->SetValue(objects[k], value, contextOf(o)));
  }
  return outcome;
}

}  // namespace kdcli
