// Every setter, getter and read-only rule of every registered class, fed
// with hostile values: nothing crashes, a refusal changes nothing, no value
// that cannot be stored ends up in the drawing, and messages have the title "Error".
#include <climits>
#include <cmath>
#include <limits>
#include "KdModuleTest.h"
#include "Db/DbLight.h"
#include "KdSampleDrawing.h"
#include "Db/DbDeclaredClasses.h"
#include "Db/DbLine.h"
#include "Dxf/DxfFile.h"
#include "Dxf/DxfFiler.h"
#include "Rx/RxClass.h"

using namespace kdtest;

namespace {
// What the object holds, as its drawing-file fields and extended data.
std::string snapshot(const OdDbObject* object) {
  OdDxfCodec codec(true);
  OdDxfOut out(codec);
  object->dxfOutFields(out);
  std::string s;
  for (const OdDxfOut::Section& section : out.sections()) {
    s += section.marker + "\n";
    for (const OdDxfOut::Field& f : section.fields) s += std::to_string(f.code) + "=" + f.text + "\n";
  }
  for (OdResBufPtr rb = object->xData(); !rb.isNull(); rb = rb->next())
    s += std::to_string(rb->restype()) + ":" + rb->getString().toUtf8() + ":" + OdDxfOut::formatReal(rb->getDouble()) + "\n";
  // What the object owns (vertices) belongs to it.
  OdDbEntityPtr entity = OdDbEntity::cast(object);
  OdDbObjectIdArray owned;
  if (!entity.isNull()) entity->subEntityIds(owned);
  for (const OdDbObjectId& id : owned) s += "owned " + snapshot(id.openObject());
  return s;
}

bool holdsUnstorableNumbers(const std::string& s) {
  return s.find("nan") != std::string::npos || s.find("inf") != std::string::npos;
}

std::vector<CKdVariant> hostileValues(OdDbDatabase* own, OdDbDatabase* foreign) {
  const double inf = std::numeric_limits<double>::infinity();
  std::vector<CKdVariant> v = {CKdVariant()};
  for (double d : {0.0, -0.0, 1e300, -1e300, std::nan(""), inf, -inf, 1e-320, 0.5})
    for (bool distance : {true, false}) v.push_back(CKdVariant(d, distance));
  for (const wchar_t* s : {L"", L"<>", L"SITE|Survey", L"0", L"\u00e9\u4e2d"}) v.push_back(CKdVariant(CKdString(s)));
  for (long i : {0L, 1L, -1L, 7L, long(INT_MAX), long(INT_MIN)}) v.push_back(CKdVariant(i));
  v.push_back(CKdVariant(OdCmColor(OdCmEntityColor::kByLayer)));
  v.push_back(CKdVariant(OdCmColor::fromIndex(1)));
  v.push_back(CKdVariant(OdCmColor::fromRGB(1, 2, 3)));
  v.push_back(CKdVariant(OdCmColor(OdCmEntityColor::kNone)));
  CKdVariantCollection empty;
  v.push_back(CKdVariant(empty));
  for (long tag : {0L, 1L, -1L, 2L, 1000000000L, long(INT_MIN)})
    v.push_back(CKdVariant(CKdVariantCollectionElement(CKdVariant(CKdString(L"label")), CKdVariant(tag))));
  v.push_back(CKdVariant(CKdVariantCollectionElement(CKdVariant(CKdString(L"no tag")), CKdVariant())));
  v.push_back(CKdVariant(CKdVariantCollectionElement(CKdVariant(), CKdVariant(1.0, false))));
  v.push_back(CKdVariant(OdDbObjectId()));
  v.push_back(CKdVariant(own->getLayerZeroId()));
  v.push_back(CKdVariant(own->getLinetypeContinuousId()));
  v.push_back(CKdVariant(own->getModelSpaceId()));
  v.push_back(CKdVariant(foreign->getLayerZeroId()));
  v.push_back(CKdVariant(foreign->getLinetypeContinuousId()));
  v.push_back(CKdVariant(OdCmTransparency(OdCmTransparency::kByBlock)));
  v.push_back(CKdVariant(OdCmTransparency(OdUInt8(0))));
  v.push_back(CKdVariant(OdCmTransparency(OdCmTransparency::kErrorValue)));
  v.push_back(CKdVariant(OdGePoint3d(1e300, -1e300, 0)));
  v.push_back(CKdVariant(OdGePoint2d(1, 2)));
  return v;
}

// Every entity of model space, each followed by those it owns (vertices).
// The entities of model space and of the block definitions, with what they own.
std::vector<OdDbObjectId> entitiesOf(OdDbDatabase* db) {
  std::vector<OdDbObjectId> ids;
  OdDbSymbolTablePtr blocks = db->getBlockTableId().safeOpenObject();
  for (const OdDbObjectId& blockId : blocks->recordIds()) {
    OdDbBlockTableRecordPtr block = blockId.safeOpenObject();
    if (blockId != db->getModelSpaceId() && blockId != db->getPaperSpaceId() &&
        (block->isLayout() || block->isAnonymous()))
      continue;
    for (const OdDbObjectId& id : block->entityIds()) {
      ids.push_back(id);
      OdDbObjectIdArray owned;
      OdDbEntityPtr(id.openObject())->subEntityIds(owned);
      ids.insert(ids.end(), owned.begin(), owned.end());
    }
  }
  return ids;
}
}  // namespace

TEST(SetterSweep, TheSampleDrawingHoldsAnObjectOfEveryRegisteredEntityClass) {
  OdDbDatabasePtr db = kdapp::makeSampleDrawing();
  std::set<OdRxClass*> present;
  for (const OdDbObjectId& id : entitiesOf(db)) present.insert(id.openObject()->isA());
  for (OdRxClass* cls : odrxClasses()) {
    if (cls->isAbstract() || !cls->isDerivedFrom(OdDbEntity::desc())) continue;
    if (cls->queryOwnX(CKdPropertyBase::desc()).isNull()) continue;
    EXPECT_TRUE(present.count(cls)) << cls->name().toUtf8() << " has an extension but no object in the sample drawing";
  }
}

TEST(SetterSweep, EverySetterRefusesWithoutChangeAndStoresNothingUnstorable) {
  OdDbDatabasePtr db = kdapp::makeSampleDrawing();
  OdDbDatabasePtr foreign(new OdDbDatabase, kOdRxObjAttach);
  // A very long text and a very long list go in a pass of their own after the
  // others: once stored, they make every later snapshot of their object long.
  CKdVariantCollection huge;
  for (long i = 0; i < 5000; ++i)
    huge.Add(CKdVariantCollectionElement(CKdVariant(OdGePoint3d(double(i), -double(i), 1e300)), CKdVariant(i)));
  huge.SetSelectedIndex(4999);
  const std::vector<CKdVariant> passes[] = {hostileValues(db, foreign),
                                            {CKdVariant(CKdString(std::wstring(20000, L'x'))), CKdVariant(huge)}};
  const CKdVariant contexts[] = {CKdVariant(), CKdVariant(-1L), CKdVariant(0L), CKdVariant(1000000000L)};
  long calls = 0, refused = 0;
  for (const OdDbObjectId& id : entitiesOf(db)) {
    OdDbObjectPtr object = id.openObject(OdDb::kForWrite);
    if (object.isNull()) continue;  // a fit vertex that straightening an earlier polyline erased
    SCOPED_TRACE(object->isA()->name().toUtf8());
    auto container = describe(object);
    ASSERT_TRUE(container);
    for (const std::vector<CKdVariant>& values : passes)
    for (int i = 0; i < container->GetCount(); ++i) {
      const CKdPropertyDescription* d = container->GetAt(i);
      SCOPED_TRACE(d->GetName().toUtf8());
      for (const CKdVariant& context : contexts) {
        for (const CKdVariant& value : values) {
          GetKdSystemServices()->ClearRecords();
          const std::string before = snapshot(object);
          int result = 0;
          try {
            result = d->SetValue(object, value, context);
          } catch (const OdError_NotThatKindOfClass&) {
            // The one error that passes to the host: an id of another record kind
            // given as a layer. It must change nothing either.
            EXPECT_EQ(d->GetName(), L"Layer");
            result = -5001;
          }
          ++calls;
          ASSERT_TRUE(result == 5100 || result == -5001) << result;
          const std::string after = snapshot(object);
          if (result == -5001) {
            ++refused;
            EXPECT_EQ(after, before) << "type " << value.GetType();
          }
          EXPECT_FALSE(holdsUnstorableNumbers(after)) << "type " << value.GetType() << "\n" << after;
          for (const CKdMessageRecord& m : GetKdSystemServices()->Messages()) {
            // A light's name is refused under a title of its own.
            if (object->isKindOf(OdDbLight::desc()) && d->GetName() == L"Name") EXPECT_EQ(m.title, L"Invalid Name");
            else EXPECT_EQ(m.title, L"Error");
            EXPECT_EQ(m.flags, 0u);
            EXPECT_FALSE(m.text.isEmpty());
          }
          // Getters and rules still answer on whatever the setter left.
          d->GetValue(object, context);
          d->IsReadOnly(object);
        }
      }
    }
  }
  EXPECT_GT(calls, 10000);
  EXPECT_GT(refused, calls / 2);
  // Whatever the setters did, the drawing still writes and reads back.
  EXPECT_NO_THROW(odDxfReadString(odDxfWriteString(db), "swept.dxf"));
}

TEST(SetterSweep, GettersAndRulesSurviveWrongClassesClosedObjectsAndNull) {
  OdDbDatabasePtr db = kdapp::makeSampleDrawing();
  OdDbObjectPtr layer = db->getLayerZeroId().openObject();
  OdDbLinePtr loose = OdDbLine::createObject();  // not in any drawing
  const std::vector<OdDbObjectId> ids = entitiesOf(db);
  for (const OdDbObjectId& id : ids) {
    OdDbObjectPtr object = id.openObject();
    SCOPED_TRACE(object->isA()->name().toUtf8());
    auto container = describe(object);
    for (int i = 0; i < container->GetCount(); ++i) {
      const CKdPropertyDescription* d = container->GetAt(i);
      const CKdVariant none = d->GetValue(nullptr, CKdVariant());
      EXPECT_TRUE(none.IsEmpty() || none.GetType() == CKdVariant::kString) << d->GetName().toUtf8();
      EXPECT_TRUE(d->GetValue(layer, CKdVariant()).IsEmpty() || d->GetName() == L"Hyperlink");
      d->IsReadOnly(nullptr);
      d->IsReadOnly(layer);
      d->GetValue(loose, CKdVariant(5L));
      for (const OdDbObjectId& other : ids) {
        OdDbObjectPtr o = other.openObject();
        d->GetValue(o, CKdVariant(-1L));
        d->IsReadOnly(o);
        EXPECT_EQ(d->SetValue(o, CKdVariant(1.0, true), CKdVariant()), -5001);  // open only for reading
      }
    }
    // Closed: the object is no longer open for reading.
    OdDbObject* raw = object.get();
    object.release();
    if (!raw->isReadEnabled())
      for (int i = 0; i < container->GetCount(); ++i) {
        const CKdVariant v = container->GetAt(i)->GetValue(raw, CKdVariant());
        EXPECT_TRUE(v.IsEmpty() || v == CKdVariant(CKdString())) << container->GetAt(i)->GetName().toUtf8();
      }
  }
}

TEST(SetterSweep, ListingsOfEveryObjectInWorldAndUcs) {
  OdDbDatabasePtr db = kdapp::makeSampleDrawing();
  db->setCurrentUCS(OdGePoint3d(1, 2, 3), OdGeVector3d(0, 1, 0), OdGeVector3d(0, 0, 1));
  for (const OdDbObjectId& id : entitiesOf(db)) {
    OdDbObjectPtr object = id.openObject();
    for (bool ucs : {false, true}) {
      auto listing = list(object, ucs);
      ASSERT_GE(listing->Records().size(), 2u);
      for (const CKdPrintRecord& r : listing->Records()) EXPECT_TRUE(std::isfinite(r.number)) << r.label.toUtf8();
    }
  }
}
