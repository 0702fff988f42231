// Run-time classes of the declared-only database classes.
#include "Db/DbDeclaredClasses.h"
#include "Rx/RxClass.h"

#define KD_DEFINE_DB_CLASS(ClassName, ParentClass, DxfName) \
  ODRX_DEFINE_MEMBERS_EX(ClassName, ParentClass, L"" DxfName, new ClassName)
KD_DECLARED_DB_CLASSES(KD_DEFINE_DB_CLASS, ODRX_DEFINE_ABSTRACT_MEMBERS)
#undef KD_DEFINE_DB_CLASS

ODRX_DEFINE_MEMBERS_EX(OdDbTextStyleTable, OdDbSymbolTable, L"TABLE", new OdDbTextStyleTable)
ODRX_DEFINE_MEMBERS_EX(OdDbDimStyleTable, OdDbSymbolTable, L"TABLE", new OdDbDimStyleTable)
ODRX_DEFINE_MEMBERS_EX(OdDbViewTable, OdDbSymbolTable, L"TABLE", new OdDbViewTable)
ODRX_DEFINE_MEMBERS_EX(OdDbViewportTable, OdDbSymbolTable, L"TABLE", new OdDbViewportTable)

#include "Db/DbDatabase.h"
#include "Db/DbDictionary.h"
#include "Db/DbDynBlock.h"
#include "Db/DbArc.h"
#include "Db/DbCircle.h"
#include "Db/DbEllipse.h"
#include "Db/DbField.h"
#include "Db/DbLine.h"
#include "Db/DbPoint.h"
#include "Db/DbRay.h"
#include "Db/DbXline.h"

void odDbInitClasses() {
  OdRxClass* const core[] = {
      OdDbObject::desc(), OdDbEntity::desc(), OdDbCurve::desc(), OdDbDatabase::desc(),
      OdDbDictionary::desc(), OdDbXrecord::desc(), OdDbSymbolTableRecord::desc(), OdDbSymbolTable::desc(),
      OdDbLayerTableRecord::desc(), OdDbLinetypeTableRecord::desc(), OdDbRegAppTableRecord::desc(),
      OdDbUCSTableRecord::desc(), OdDbBlockTableRecord::desc(), OdDbLayerTable::desc(),
      OdDbLinetypeTable::desc(), OdDbRegAppTable::desc(), OdDbUCSTable::desc(), OdDbBlockTable::desc(),
      OdDbTextStyleTable::desc(), OdDbDimStyleTable::desc(), OdDbViewTable::desc(), OdDbViewportTable::desc(),
      OdDbDimension::desc(), OdDbText::desc(), OdDbTextStyleTableRecord::desc(), OdDbField::desc(), OdDbCircle::desc(), OdDbArc::desc(), OdDbEllipse::desc(), OdDbLine::desc(), OdDbRay::desc(), OdDbXline::desc(), OdDbPoint::desc(), OdDbPolyline::desc(), OdDbSpline::desc(), OdDbVertex::desc(), OdDb2dVertex::desc(), OdDb3dPolylineVertex::desc(), OdDb2dPolyline::desc(), OdDb3dPolyline::desc(), OdDbMText::desc(), OdDbMline::desc(), OdDbMlineStyle::desc(), OdDbArcAlignedText::desc(), OdDbDimStyleTableRecord::desc(), OdDbAlignedDimension::desc(), OdDbRotatedDimension::desc(), OdDb2LineAngularDimension::desc(), OdDb3PointAngularDimension::desc(), OdDbArcDimension::desc(), OdDbDiametricDimension::desc(), OdDbRadialDimension::desc(), OdDbRadialDimensionLarge::desc(), OdDbOrdinateDimension::desc(), OdDbTrace::desc(), OdDbSolid::desc(), OdDbFace::desc(), OdDbShape::desc(), OdDbHelix::desc(), OdDbBlockReference::desc(), OdDbAttribute::desc(), OdDbAttributeDefinition::desc(), OdDbHatch::desc(), OdDbMInsertBlock::desc(), OdDbViewTableRecord::desc(), OdDbViewportTableRecord::desc(), OdDbGroup::desc(), OdDbPlotSettings::desc(), OdDbLayout::desc(), OdDbTableStyle::desc(), OdDbBlockElement::desc(), OdDbEvalGraph::desc(), OdDbBlockParameter::desc(), OdDbBlock1PtParameter::desc(), OdDbBlock2PtParameter::desc(), OdDbBlockLinearParameter::desc(), OdDbBlockPolarParameter::desc(), OdDbBlockXYParameter::desc(), OdDbBlockRotationParameter::desc(), OdDbBlockFlipParameter::desc(), OdDbBlockAlignmentParameter::desc(), OdDbBlockPointParameter::desc(), OdDbBlockVisibilityParameter::desc(), OdDbBlockLookupParameter::desc(), OdDbBlockBasepointParameter::desc(), OdDbBlockAction::desc(), OdDbBlockFlipAction::desc(), OdDbBlockLookupAction::desc(), OdDbBlockRepresentationData::desc(), OdDbLight::desc(), OdDbOle2Frame::desc(), OdDbProxyEntity::desc(), OdDbLeader::desc(), OdDbFcf::desc(), OdDbTable::desc(), OdDbRasterImageDef::desc(), OdDbRasterImageDefReactor::desc(), OdDbRasterVariables::desc(), OdDbRasterImage::desc(), OdDbWipeout::desc(), OdDbUnderlayDefinition::desc(), OdDbPdfDefinition::desc(), OdDbDgnDefinition::desc(), OdDbUnderlayReference::desc(), OdDbPdfReference::desc(), OdDbDgnReference::desc(), OdDbViewport::desc(), OdDbScale::desc(), OdDbPolyFaceMeshVertex::desc(), OdDbFaceRecord::desc(), OdDbPolyFaceMesh::desc(), OdDbPolygonMeshVertex::desc(), OdDbPolygonMesh::desc(), OdDbSubDMesh::desc(), OdDb3dSolid::desc(), OdDbBody::desc(), OdDbRegion::desc(), OdDbSurface::desc(), OdDbPlaneSurface::desc(), OdDbExtrudedSurface::desc(), OdDbLoftedSurface::desc(), OdDbRevolvedSurface::desc(), OdDbSweptSurface::desc()};
  odDbRegisterViewServices();
  (void)core;
#define KD_TOUCH_DB_CLASS(ClassName, ...) ClassName::desc();
  KD_DECLARED_DB_CLASSES(KD_TOUCH_DB_CLASS, KD_TOUCH_DB_CLASS)
#undef KD_TOUCH_DB_CLASS
}
