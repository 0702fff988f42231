#include "KdBlockReference.h"

#include <cmath>
#include <vector>

#include "CKdCloudBase.h"
#include "CKdDocument.h"
#include "CKdPropertiesContainerImpl.h"
#include "CKdUcsService.h"
#include "CKdUtils.h"
#include "Db/Db3dPolyline.h"
#include "Db/DbAttribute.h"
#include "Db/DbBlockReference.h"
#include "Db/DbDatabase.h"
#include "Db/DbDeclaredClasses.h"
#include "Db/DbDictionary.h"
#include "Db/DbResBuf.h"
#include "Db/DbSymbolTable.h"
#include "Db/DbVertex.h"
#include "KdAccess.h"
#include "KdAttribute.h"
#include "KdBlockReferenceAccess.h"
#include "KdDynBlockDescription.h"
#include "KdValidation.h"

namespace kdblock {
OdDbBlockTableRecordPtr definitionOf(const OdDbBlockReference& ref) {
  return OdDbBlockTableRecord::cast(ref.blockTableRecord().openObject());
}
bool isExternal(const OdDbBlockReference& ref) {
  OdDbBlockTableRecordPtr block = definitionOf(ref);
  return !block.isNull() && block->isFromExternalReference();
}

// Block units over drawing units; 1 when either is unitless or the definition is missing.
double unitFactor(const OdDbBlockReference& ref) {
  OdDbBlockTableRecordPtr block = definitionOf(ref);
  const OdDbDatabase* db = ref.database();
  if (block.isNull() || !db) return 1.0;
  const double b = CKdUtils::GetUnitScalingFactor(block->blockInsertUnits());
  const double d = CKdUtils::GetUnitScalingFactor(OdDb::UnitsValue(db->getINSUNITS()));
  return b == 0.0 || d == 0.0 ? 1.0 : b / d;
}

double axisOf(const OdGeScale3d& s, int axis) { return axis == 0 ? s.sx : axis == 1 ? s.sy : s.sz; }

// Whether every attribute can follow the move and stay a text the drawing can hold.
bool canCarry(const OdDbBlockReference& ref, const OdGeMatrix3d& move) {
  for (const OdDbObjectId& id : ref.attributeIds()) {
    OdDbTextPtr attribute = OdDbText::cast(id.openObject());
    if (attribute.isNull()) continue;
    OdDbTextPtr trial = OdDbText::createObject();
    trial->setPosition(attribute->position());
    trial->setAlignmentPoint(attribute->alignmentPoint());
    trial->setNormal(attribute->normal());
    trial->setRotation(attribute->rotation());
    trial->setHeight(attribute->height());
    trial->setWidthFactor(attribute->widthFactor());
    if (trial->transformBy(move) != eOk) return false;
  }
  return true;
}

// Moves the attributes (and the cloud's outline) the way the reference's
// block moves; false, with nothing moved, when they cannot follow.
bool carry(OdDbBlockReference& ref, const OdGeMatrix3d& move, bool extendedData) {
  if (!canCarry(ref, move) || (extendedData && odDbTransformXData(&ref, move) != eOk)) return false;
  for (const OdDbObjectId& id : ref.attributeIds()) {
    OdDbEntityPtr attribute = OdDbEntity::cast(id.openObject(OdDb::kForWrite));
    if (!attribute.isNull()) attribute->transformBy(move);
  }
  return true;
}

int setPosition(OdDbBlockReference& ref, const OdDbObject* object, int axis, double value) {
  OdGePoint3d world = ref.position();
  const OdGePoint3d before = world;
  if (!kd::replaceUcsComponent(object, world, axis, value)) return KD_PROPERTY_OK;
  const OdGeMatrix3d move = OdGeMatrix3d::translation(world - before);
  if (!world.isFinite() || !carry(ref, move, true)) return KD_PROPERTY_FAILED;
  ref.setPosition(world);
  return KD_PROPERTY_OK;
}

int setRotation(OdDbBlockReference& ref, double value) {
  const OdGeMatrix3d turn = OdGeMatrix3d::rotation(value - ref.rotation(), ref.normal(), ref.position());
  if (!carry(ref, turn, false)) return KD_PROPERTY_FAILED;
  ref.setRotation(value);
  return KD_PROPERTY_OK;
}

int setScale(OdDbBlockReference& ref, int axis, double value, bool cloud) {
  if (cloud && !kd::validate(value, kd::NumberRule::StrictlyPositiveNonzero)) return KD_PROPERTY_FAILED;
  if (!kd::validate(value, kd::NumberRule::NonZero)) return KD_PROPERTY_FAILED;
  const double factor = unitFactor(ref);
  const OdGeScale3d old = ref.scaleFactors();
  if (axisOf(old, axis) / factor == value) return KD_PROPERTY_OK;
  const double stored = value * factor;
  OdGeScale3d scale = old;
  OdDbBlockTableRecordPtr block = definitionOf(ref);
  if (!block.isNull() && block->blockScaling() != OdDb::kAny) scale = OdGeScale3d(stored);
  else (axis == 0 ? scale.sx : axis == 1 ? scale.sy : scale.sz) = stored;
  const OdGeMatrix3d before = ref.blockTransform();
  if (ref.setScaleFactors(scale) != eOk) return KD_PROPERTY_FAILED;
  // Attributes keep their place in the scaled block.
  const OdGeMatrix3d follow = ref.blockTransform() * before.inverse();
  const OdGeMatrix3d outline = OdGeMatrix3d::scaling(stored / axisOf(old, axis), ref.position());
  if (!canCarry(ref, follow) || (cloud && odDbTransformXData(&ref, outline) != eOk)) {
    ref.setScaleFactors(old);
    return KD_PROPERTY_FAILED;
  }
  carry(ref, follow, false);
  return KD_PROPERTY_OK;
}

}  // namespace kdblock

namespace {
using namespace kdblock;
typedef CKdPropertyDescription Desc;
const wchar_t kCloudApp[] = L"PE_CLOUD";

// What a revision cloud keeps in its extended data; the last radius and shape count.
struct Cloud {
  bool present = false;
  std::vector<OdGePoint3d> outline;
  double radius = 0.0;
  OdString shape;
};
Cloud cloudOf(const OdDbObject& object) {
  Cloud c;
  for (OdResBufPtr rb = object.xData(kCloudApp); !rb.isNull(); rb = rb->next()) {
    c.present = true;
    switch (rb->restype()) {
      case OdResBuf::kDxfXdWorldXCoord: c.outline.push_back(rb->getPoint3d()); break;
      case OdResBuf::kDxfXdDist: c.radius = rb->getDouble(); break;
      case OdResBuf::kDxfXdAsciiString: c.shape = rb->getString(); break;
      default: break;
    }
  }
  return c;
}
bool isCloud(const OdDbObject& object) { return !object.xData(kCloudApp).isNull(); }

// The block's name, or the dynamic block's a reference shows a state of.
CKdString nameOf(const OdDbBlockReference& ref) {
  const OdDbObjectId dynamic = CKdUtils::GetDynBlockId(&ref);
  if (!dynamic.isNull()) {
    const CKdString name = CKdUtils::GetDynBlockName(dynamic);
    if (!name.isEmpty()) return name;
  }
  OdDbBlockTableRecordPtr block = definitionOf(ref);
  return block.isNull() ? CKdString() : CKdString(block->getName());
}


// The reference's rows, by the name the shared accessors dispatch on.
enum Row { kPosX, kPosY, kPosZ, kScaleX, kScaleY, kScaleZ, kName, kRotation, kUnits, kUnitScale, kShape, kRadius, kNone };
struct RowDef {
  Row row;
  const char* category;
  const char* name;
  int type;
  const wchar_t* guid;
  const char* icon;
};
typedef CKdPropertyType T;
const RowDef kPlain[] = {
    {kPosX, "Geometry", "Position X", 2, T::kCoordinateXGUID, ":/Geometry/Geometry_PositionX.png"},
    {kPosY, "Geometry", "Position Y", 2, T::kCoordinateYGUID, ":/Geometry/Geometry_PositionY.png"},
    {kPosZ, "Geometry", "Position Z", 2, T::kCoordinateZGUID, ":/Geometry/Geometry_PositionZ.png"},
    {kScaleX, "Geometry", "Scale X", 2, nullptr, ":/Geometry/Geometry_ScaleX.png"},
    {kScaleY, "Geometry", "Scale Y", 2, nullptr, ":/Geometry/Geometry_ScaleY.png"},
    {kScaleZ, "Geometry", "Scale Z", 2, nullptr, ":/Geometry/Geometry_ScaleZ.png"},
    {kName, "Misc", "Name", 0, nullptr, ":/Misc/Misc_Name.png"},
    {kRotation, "Misc", "Rotation", 2, T::kAngleGUID, ":/Misc/Misc_Rotation.png"},
    {kUnits, "Misc", "Block Units", 3, nullptr, ":/Misc/Misc_BlockUnit.png"},
    {kUnitScale, "Misc", "Block Unit Scale", 2, nullptr, ":/Misc/Misc_UnitFactor.png"},
};
const RowDef kCloud[] = {
    {kShape, "CloudSettings", "Shape", 0, nullptr, ":/Misc/Misc_Name.png"},
    {kRadius, "CloudSettings", "Radius", 2, nullptr, ":/Geometry/Geometry_Radius.png"},
    kPlain[0], kPlain[1], kPlain[2], kPlain[3], kPlain[4], kPlain[5],
};

Row rowOf(const Desc& d) {
  const CKdString name = d.GetName();
  for (const RowDef& r : kPlain)
    if (name == kd::propertyName(r.name)) return r.row;
  for (const RowDef& r : kCloud)
    if (name == kd::propertyName(r.name)) return r.row;
  return kNone;
}

CKdVariant getCore(const OdDbObject* object, const Desc& d, const CKdVariant&) {
  OdDbBlockReferencePtr ref = kd::readable<OdDbBlockReference>(object);
  if (ref.isNull()) return CKdVariant();
  const Row row = rowOf(d);
  switch (row) {
    case kPosX: case kPosY: case kPosZ:
      return CKdVariant(kd::ucsComponent(object, ref->position(), row - kPosX), true);
    case kScaleX: case kScaleY: case kScaleZ:
      return CKdVariant(axisOf(ref->scaleFactors(), row - kScaleX) / unitFactor(*ref), false);
    case kName: return CKdVariant(nameOf(*ref));
    case kRotation: return CKdVariant(ref->rotation(), true);
    case kUnits: {
      OdDbBlockTableRecordPtr block = definitionOf(*ref);
      return block.isNull() ? CKdVariant() : CKdVariant(CKdUtils::GetStringForUnitScalingFactor(block->blockInsertUnits()));
    }
    case kUnitScale: return CKdVariant(unitFactor(*ref), true);
    case kShape: return CKdVariant(CKdString(cloudOf(*ref).shape));
    case kRadius: return CKdVariant(cloudOf(*ref).radius, true);
    default: return CKdVariant();
  }
}

// The drawing's cloud arc length ("CLOUDSETTINGS" of the named objects), 10 without one.
double cloudArcSize(OdDbDatabase* db) {
  OdDbDictionaryPtr named = OdDbDictionary::cast(db->getNamedObjectsDictionaryId().openObject());
  OdDbXrecordPtr settings = OdDbXrecord::cast(named.isNull() ? OdDbObjectPtr() : named->getAt(L"CLOUDSETTINGS").openObject());
  for (OdResBufPtr rb = settings.isNull() ? OdResBufPtr() : settings->rbChain(); !rb.isNull(); rb = rb->next())
    if (OdResBuf::kindOf(rb->restype()) == OdResBuf::kDouble) return rb->getDouble();
  return 10.0;
}

// Lays the cloud's arcs again with the new radius along its outline.
int setRadius(OdDbBlockReference& ref, double radius) {
  if (!kd::validate(radius, kd::NumberRule::StrictlyPositive)) return KD_PROPERTY_FAILED;
  OdDbDatabase* db = ref.database();
  const Cloud cloud = cloudOf(ref);
  if (!db || cloud.outline.size() < 2) return KD_PROPERTY_FAILED;
  const OdGeScale3d scale = ref.scaleFactors();
  OdDb3dPolylinePtr outline = OdDb3dPolyline::createObject();
  outline->setDatabaseDefaults(db);
  db->addOdDbObject(outline);
  for (const OdGePoint3d& p : cloud.outline) {
    OdDb3dPolylineVertexPtr v = OdDb3dPolylineVertex::createObject();
    v->setPosition(OdGePoint3d(p.x / scale.sx, p.y / scale.sy, p.z / scale.sz));
    OdDbObjectId id;
    outline->appendVertex(id, v);
  }
  outline->makeClosed();

  CLOUDLINE_COMMAND_DATA data;
  data.arcSize = cloudArcSize(db);
  data.radius = radius;
  const OdString shape = cloud.shape;
  data.shape = shape.iCompare(L"Elliptical") == 0 ? CLOUDLINE_COMMAND_DATA::kElliptical
               : shape.iCompare(L"Freehand") == 0 ? CLOUDLINE_COMMAND_DATA::kFreehand
                                                    : CLOUDLINE_COMMAND_DATA::kRectangular;
  data.color = ref.color();
  data.linetype = ref.linetypeId();
  data.layer = ref.layerId();
  data.lineWeight = ref.lineWeight();

  CKdCloudBase generator(db);
  generator.setBaseCurve(outline);
  generator.setCloudSetting(data);
  const bool laid = generator.cloudBaseMain(false) &&
                    generator.convertToBlock(generator.getObjIdArrArc(), data, ref.position(), &ref);
  // The outline only guided the arcs.
  for (OdDbObjectIteratorPtr it = outline->vertexIterator(); !it->done(); it->step()) {
    OdDbObjectPtr v = it->objectId().openObject(OdDb::kForWrite);
    if (!v.isNull()) v->erase();
  }
  outline->erase();
  if (!laid) {
    for (const OdDbObjectId& id : generator.getObjIdArrArc()) {
      OdDbObjectPtr arc = id.openObject(OdDb::kForWrite);
      if (!arc.isNull() && arc->ownerId().isNull()) arc->erase();
    }
    return KD_PROPERTY_FAILED;
  }
  // The rotation as seen in the current view.
  const double kept = ref.rotation();
  const OdGeMatrix3d view = GetKdUcsService(db).WorldToUcsMatrix();
  ref.setBlockTransform(view * ref.blockTransform());
  const double seen = ref.rotation();
  ref.setBlockTransform(view.inverse() * ref.blockTransform());
  ref.setRotation(kept - seen);
  odDbTransformXData(&ref, OdGeMatrix3d::scaling(ref.scaleFactors(), ref.position()));
  return KD_PROPERTY_OK;
}

int setCore(const OdDbObject* object, const Desc& d, const CKdVariant& value, const CKdVariant&) {
  OdDbBlockReferencePtr ref = kd::writable<OdDbBlockReference>(object, value, CKdVariant::kDouble);
  if (ref.isNull()) return KD_PROPERTY_FAILED;
  const double v = value.GetDouble();
  const Row row = rowOf(d);
  switch (row) {
    case kPosX: case kPosY: case kPosZ: return setPosition(*ref, object, row - kPosX, v);
    case kRotation: return setRotation(*ref, v);
    case kScaleX: case kScaleY: case kScaleZ: return setScale(*ref, row - kScaleX, v, isCloud(*ref));
    case kRadius: return isCloud(*ref) ? setRadius(*ref, v) : KD_PROPERTY_FAILED;
    default: return KD_PROPERTY_FAILED;
  }
}

bool isCoreReadOnly(const OdDbObject* object, const Desc& d) {
  const Row row = rowOf(d);
  return row == kName || row == kUnits || row == kUnitScale || row == kShape;
}

// "LineScale" of block references is read-only; other objects, multiple
// inserts among them, keep the rule it had.
KdPropertyIsReadOnlyMethod g_lineScaleRule = nullptr;
bool isLineScaleReadOnly(const OdDbObject* object, const Desc& d) {
  if (object && object->isKindOf(OdDbBlockReference::desc()) && !object->isKindOf(OdDbMInsertBlock::desc())) return true;
  return g_lineScaleRule ? g_lineScaleRule(object, d) : false;
}
}  // namespace

const kd::PropertyTable& CKdBlockReferencePE::Table() {
  static const kd::PropertyTable table(&OdDbBlockReference::desc);
  return table;
}

CKdString CKdBlockReferencePE::GetDisplayName(const OdDbObject* object) const {
  OdDbBlockReferencePtr ref = kd::readable<OdDbBlockReference>(object);
  if (!ref.isNull() && isExternal(*ref)) return kd::entityType("Reference");
  if (!ref.isNull() && isCloud(*ref)) return kd::entityType("Cloud");
  return kd::entityType("Block");
}

void CKdBlockReferencePE::GetPropertyNames(const OdDbObject* object, CKdPropertiesContainer*& container,
                                           const OdRxClass* filterClass) const {
  container = nullptr;
  CKdEntityPE::GetPropertyNames(object, container, filterClass);
  if (!container) return;
  if (!Table().isBuilt()) g_lineScaleRule = kd::chainLineScaleRule(container, isLineScaleReadOnly);
  if (filterClass && !filterClass->isDerivedFrom(OdDbBlockReference::desc())) return;
  Table().addTo(container, filterClass);
  AddDynamicProperties(object, container);
}

void CKdBlockReferencePE::AddDynamicProperties(const OdDbObject* object, CKdPropertiesContainer* container) const {
  OdDbBlockReferencePtr ref = kd::readable<OdDbBlockReference>(object);
  if (ref.isNull()) return;
  const bool cloud = isCloud(*ref);
  const RowDef* rows = cloud ? kCloud : kPlain;
  const size_t count = cloud ? sizeof(kCloud) / sizeof(kCloud[0]) : sizeof(kPlain) / sizeof(kPlain[0]);
  for (size_t i = 0; i < count; ++i)
    kd::addDynamic(container, {rows[i].category, rows[i].name, rows[i].type, rows[i].guid, rows[i].icon, isCoreReadOnly,
                               getCore, setCore});
  CKdDynBlockDescription::AddAll(*ref, container);
  CKdAttributeDescription::AddAll(*ref, container);
}

CKdString CKdBlockReferenceInfo::GetClassNameW(const OdDbObject* object) const {
  OdDbBlockReferencePtr ref = kd::readable<OdDbBlockReference>(object);
  if (ref.isNull()) return CKdString(L"BLOCK REFERENCE");
  if (isCloud(*ref)) return CKdString(L"CLOUD");
  if (isExternal(*ref)) return CKdString(L"EXTERNAL REFERENCE");
  if (ref->isKindOf(OdDbMInsertBlock::desc())) return CKdString(L"INSERT OF BLOCK");
  return CKdString(L"BLOCK REFERENCE");
}

void CKdBlockReferenceInfo::PrintObjectInfo(const OdDbObject* object, CKdPrintInfoContext* context) const {
  kd::printListing<OdDbBlockReference>(*this, object, context, [](const OdDbBlockReference& ref, CKdPrintInfoContext& out) {
    const OdGeScale3d s = ref.scaleFactors();
    if (isCloud(ref)) {
      const Cloud cloud = cloudOf(ref);
      out.PrintPoint(kd::infoItem("Position"), ref.position());
      out.PrintScale(kd::infoItem("X scale"), s.sx);
      out.PrintScale(kd::infoItem("Y scale"), s.sy);
      out.PrintScale(kd::infoItem("Z scale"), s.sz);
      out.PrintString(kd::infoItem("Cloud Shape"), CKdString(cloud.shape));
      out.PrintDist(kd::infoItem("Cloud Radius"), cloud.radius);
      return;
    }
    out.PrintString(kd::infoItem("Block"), nameOf(ref));
    out.PrintPoint(kd::infoItem("Position"), ref.position());
    out.PrintScale(kd::infoItem("X scale"), s.sx);
    out.PrintScale(kd::infoItem("Y scale"), s.sy);
    out.PrintScale(kd::infoItem("Z scale"), s.sz);
    out.PrintAngle(kd::infoItem("Rotation angle"), ref.rotation());
    CKdDynBlockDescription::PrintAll(ref, out);
  });
}
