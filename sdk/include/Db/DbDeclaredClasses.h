#pragma once
// Classes of the drawing database that are known by name and place in the
// class tree but hold no data of their own yet: objects of them keep only
// what their base class holds. The tree is this one table, parents before
// children; a class that gains data moves to a header of its own.
#include "Db/DbAttribute.h"
#include "Db/DbBlockReference.h"
#include "Db/DbDimension.h"
#include "Db/DbGroup.h"
#include "Db/DbLeader.h"
#include "Db/DbLight.h"
#include "Db/DbOle2Frame.h"
#include "Db/DbRasterImage.h"
#include "Db/DbUnderlay.h"
#include "Db/DbViewport.h"
#include "Db/DbMesh.h"
#include "Db/DbModelerEntities.h"
#include "Db/DbTable.h"
#include "Db/DbTableStyle.h"
#include "Db/DbLayout.h"
#include "Db/DbViewTableRecord.h"
#include "Db/DbHatch.h"
#include "Db/DbDimensionKinds.h"
#include "Db/DbCorners.h"
#include "Db/DbShape.h"
#include "Db/DbHelix.h"
#include "Db/DbEntity.h"
#include "Db/Db2dPolyline.h"
#include "Db/Db3dPolyline.h"
#include "Db/DbPolyline.h"
#include "Db/DbSpline.h"
#include "Db/DbVertex.h"
#include "Db/DbMText.h"
#include "Db/DbMline.h"
#include "Db/DbArcAlignedText.h"
#include "Db/DbDimStyleTableRecord.h"
#include "Db/DbText.h"
#include "Db/DbTextStyleTableRecord.h"
#include "Db/DbSymbolTable.h"

// KD_CLASS(class, parent, DXF name) for classes with objects;
// KD_ABSTRACT(class, parent) for classes that only group others.
// Entities and objects of kinds the database does not know are kept as
// OdDbUnknownEntity and OdDbUnknownObject with their file data.
#define KD_DECLARED_DB_CLASSES(KD_CLASS, KD_ABSTRACT) \
  KD_CLASS(OdDbSequenceEnd, OdDbEntity, "SEQEND")                             \
  KD_CLASS(OdDbUnknownEntity, OdDbEntity, "")                                 \
  KD_CLASS(OdDbUnknownObject, OdDbObject, "")

#define KD_DECLARE_DB_CLASS(ClassName, ParentClass, ...) \
  class ClassName : public ParentClass {               \
   public:                                             \
    ODRX_DECLARE_MEMBERS(ClassName)                    \
  };                                                   \
  typedef OdSmartPtr<ClassName> ClassName##Ptr;
KD_DECLARED_DB_CLASSES(KD_DECLARE_DB_CLASS, KD_DECLARE_DB_CLASS)
#undef KD_DECLARE_DB_CLASS

KD_DECLARE_SYMBOL_TABLE(OdDbTextStyleTable, OdDbTextStyleTableRecord)
KD_DECLARE_SYMBOL_TABLE(OdDbDimStyleTable, OdDbDimStyleTableRecord)
KD_DECLARE_SYMBOL_TABLE(OdDbViewTable, OdDbViewTableRecord)
KD_DECLARE_SYMBOL_TABLE(OdDbViewportTable, OdDbViewportTableRecord)

// Creates the descriptor of every database class, so that lookups by name
// find classes no object has used yet. Classes that move out of the table
// above stay listed in its definition.
void odDbInitClasses();
