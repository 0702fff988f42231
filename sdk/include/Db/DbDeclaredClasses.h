#pragma once
// Classes of the drawing database that are known by name and place in the
// class tree but hold no data of their own yet: objects of them keep only
// what their base class holds.
#include "Db/DbEntity.h"
#include "Db/DbSymbolTable.h"

class OdDbLine : public OdDbCurve {
public:
  ODRX_DECLARE_MEMBERS(OdDbLine)
};
typedef OdSmartPtr<OdDbLine> OdDbLinePtr;

class OdDbRay : public OdDbCurve {
public:
  ODRX_DECLARE_MEMBERS(OdDbRay)
};
typedef OdSmartPtr<OdDbRay> OdDbRayPtr;

class OdDbXline : public OdDbCurve {
public:
  ODRX_DECLARE_MEMBERS(OdDbXline)
};
typedef OdSmartPtr<OdDbXline> OdDbXlinePtr;

class OdDbPoint : public OdDbEntity {
public:
  ODRX_DECLARE_MEMBERS(OdDbPoint)
};
typedef OdSmartPtr<OdDbPoint> OdDbPointPtr;

class OdDbArc : public OdDbCurve {
public:
  ODRX_DECLARE_MEMBERS(OdDbArc)
};
typedef OdSmartPtr<OdDbArc> OdDbArcPtr;

class OdDbCircle : public OdDbCurve {
public:
  ODRX_DECLARE_MEMBERS(OdDbCircle)
};
typedef OdSmartPtr<OdDbCircle> OdDbCirclePtr;

class OdDbEllipse : public OdDbCurve {
public:
  ODRX_DECLARE_MEMBERS(OdDbEllipse)
};
typedef OdSmartPtr<OdDbEllipse> OdDbEllipsePtr;

class OdDbPolyline : public OdDbCurve {
public:
  ODRX_DECLARE_MEMBERS(OdDbPolyline)
};
typedef OdSmartPtr<OdDbPolyline> OdDbPolylinePtr;

class OdDb2dPolyline : public OdDbCurve {
public:
  ODRX_DECLARE_MEMBERS(OdDb2dPolyline)
};
typedef OdSmartPtr<OdDb2dPolyline> OdDb2dPolylinePtr;

class OdDb3dPolyline : public OdDbCurve {
public:
  ODRX_DECLARE_MEMBERS(OdDb3dPolyline)
};
typedef OdSmartPtr<OdDb3dPolyline> OdDb3dPolylinePtr;

class OdDbSpline : public OdDbCurve {
public:
  ODRX_DECLARE_MEMBERS(OdDbSpline)
};
typedef OdSmartPtr<OdDbSpline> OdDbSplinePtr;

class OdDbHelix : public OdDbSpline {
public:
  ODRX_DECLARE_MEMBERS(OdDbHelix)
};
typedef OdSmartPtr<OdDbHelix> OdDbHelixPtr;

class OdDbLeader : public OdDbCurve {
public:
  ODRX_DECLARE_MEMBERS(OdDbLeader)
};
typedef OdSmartPtr<OdDbLeader> OdDbLeaderPtr;

class OdDbText : public OdDbEntity {
public:
  ODRX_DECLARE_MEMBERS(OdDbText)
};
typedef OdSmartPtr<OdDbText> OdDbTextPtr;

class OdDbAttributeDefinition : public OdDbText {
public:
  ODRX_DECLARE_MEMBERS(OdDbAttributeDefinition)
};
typedef OdSmartPtr<OdDbAttributeDefinition> OdDbAttributeDefinitionPtr;

class OdDbAttribute : public OdDbText {
public:
  ODRX_DECLARE_MEMBERS(OdDbAttribute)
};
typedef OdSmartPtr<OdDbAttribute> OdDbAttributePtr;

class OdDbMText : public OdDbEntity {
public:
  ODRX_DECLARE_MEMBERS(OdDbMText)
};
typedef OdSmartPtr<OdDbMText> OdDbMTextPtr;

class OdDbArcAlignedText : public OdDbEntity {
public:
  ODRX_DECLARE_MEMBERS(OdDbArcAlignedText)
};
typedef OdSmartPtr<OdDbArcAlignedText> OdDbArcAlignedTextPtr;

class OdDbDimension : public OdDbEntity {
public:
  ODRX_DECLARE_MEMBERS(OdDbDimension)
};
typedef OdSmartPtr<OdDbDimension> OdDbDimensionPtr;

class OdDbAlignedDimension : public OdDbDimension {
public:
  ODRX_DECLARE_MEMBERS(OdDbAlignedDimension)
};
typedef OdSmartPtr<OdDbAlignedDimension> OdDbAlignedDimensionPtr;

class OdDbRotatedDimension : public OdDbDimension {
public:
  ODRX_DECLARE_MEMBERS(OdDbRotatedDimension)
};
typedef OdSmartPtr<OdDbRotatedDimension> OdDbRotatedDimensionPtr;

class OdDb2LineAngularDimension : public OdDbDimension {
public:
  ODRX_DECLARE_MEMBERS(OdDb2LineAngularDimension)
};
typedef OdSmartPtr<OdDb2LineAngularDimension> OdDb2LineAngularDimensionPtr;

class OdDb3PointAngularDimension : public OdDbDimension {
public:
  ODRX_DECLARE_MEMBERS(OdDb3PointAngularDimension)
};
typedef OdSmartPtr<OdDb3PointAngularDimension> OdDb3PointAngularDimensionPtr;

class OdDbArcDimension : public OdDbDimension {
public:
  ODRX_DECLARE_MEMBERS(OdDbArcDimension)
};
typedef OdSmartPtr<OdDbArcDimension> OdDbArcDimensionPtr;

class OdDbDiametricDimension : public OdDbDimension {
public:
  ODRX_DECLARE_MEMBERS(OdDbDiametricDimension)
};
typedef OdSmartPtr<OdDbDiametricDimension> OdDbDiametricDimensionPtr;

class OdDbRadialDimension : public OdDbDimension {
public:
  ODRX_DECLARE_MEMBERS(OdDbRadialDimension)
};
typedef OdSmartPtr<OdDbRadialDimension> OdDbRadialDimensionPtr;

class OdDbRadialDimensionLarge : public OdDbDimension {
public:
  ODRX_DECLARE_MEMBERS(OdDbRadialDimensionLarge)
};
typedef OdSmartPtr<OdDbRadialDimensionLarge> OdDbRadialDimensionLargePtr;

class OdDbOrdinateDimension : public OdDbDimension {
public:
  ODRX_DECLARE_MEMBERS(OdDbOrdinateDimension)
};
typedef OdSmartPtr<OdDbOrdinateDimension> OdDbOrdinateDimensionPtr;

class OdDbBlockReference : public OdDbEntity {
public:
  ODRX_DECLARE_MEMBERS(OdDbBlockReference)
};
typedef OdSmartPtr<OdDbBlockReference> OdDbBlockReferencePtr;

class OdDbMInsertBlock : public OdDbBlockReference {
public:
  ODRX_DECLARE_MEMBERS(OdDbMInsertBlock)
};
typedef OdSmartPtr<OdDbMInsertBlock> OdDbMInsertBlockPtr;

class OdDbTable : public OdDbBlockReference {
public:
  ODRX_DECLARE_MEMBERS(OdDbTable)
};
typedef OdSmartPtr<OdDbTable> OdDbTablePtr;

class OdDbVertex : public OdDbEntity {
public:
  ODRX_DECLARE_MEMBERS(OdDbVertex)
};
typedef OdSmartPtr<OdDbVertex> OdDbVertexPtr;

class OdDb2dVertex : public OdDbVertex {
public:
  ODRX_DECLARE_MEMBERS(OdDb2dVertex)
};
typedef OdSmartPtr<OdDb2dVertex> OdDb2dVertexPtr;

class OdDb3dPolylineVertex : public OdDbVertex {
public:
  ODRX_DECLARE_MEMBERS(OdDb3dPolylineVertex)
};
typedef OdSmartPtr<OdDb3dPolylineVertex> OdDb3dPolylineVertexPtr;

class OdDbPolyFaceMeshVertex : public OdDbVertex {
public:
  ODRX_DECLARE_MEMBERS(OdDbPolyFaceMeshVertex)
};
typedef OdSmartPtr<OdDbPolyFaceMeshVertex> OdDbPolyFaceMeshVertexPtr;

class OdDbPolygonMeshVertex : public OdDbVertex {
public:
  ODRX_DECLARE_MEMBERS(OdDbPolygonMeshVertex)
};
typedef OdSmartPtr<OdDbPolygonMeshVertex> OdDbPolygonMeshVertexPtr;

class OdDbFaceRecord : public OdDbVertex {
public:
  ODRX_DECLARE_MEMBERS(OdDbFaceRecord)
};
typedef OdSmartPtr<OdDbFaceRecord> OdDbFaceRecordPtr;

class OdDbSequenceEnd : public OdDbEntity {
public:
  ODRX_DECLARE_MEMBERS(OdDbSequenceEnd)
};
typedef OdSmartPtr<OdDbSequenceEnd> OdDbSequenceEndPtr;

class OdDbRasterImage : public OdDbEntity {
public:
  ODRX_DECLARE_MEMBERS(OdDbRasterImage)
};
typedef OdSmartPtr<OdDbRasterImage> OdDbRasterImagePtr;

class OdDbWipeout : public OdDbRasterImage {
public:
  ODRX_DECLARE_MEMBERS(OdDbWipeout)
};
typedef OdSmartPtr<OdDbWipeout> OdDbWipeoutPtr;

class OdDbUnderlayReference : public OdDbEntity {
public:
  ODRX_DECLARE_MEMBERS(OdDbUnderlayReference)
};
typedef OdSmartPtr<OdDbUnderlayReference> OdDbUnderlayReferencePtr;

class OdDbDgnReference : public OdDbUnderlayReference {
public:
  ODRX_DECLARE_MEMBERS(OdDbDgnReference)
};
typedef OdSmartPtr<OdDbDgnReference> OdDbDgnReferencePtr;

class OdDbPdfReference : public OdDbUnderlayReference {
public:
  ODRX_DECLARE_MEMBERS(OdDbPdfReference)
};
typedef OdSmartPtr<OdDbPdfReference> OdDbPdfReferencePtr;

class OdDbSurface : public OdDbEntity {
public:
  ODRX_DECLARE_MEMBERS(OdDbSurface)
};
typedef OdSmartPtr<OdDbSurface> OdDbSurfacePtr;

class OdDbExtrudedSurface : public OdDbSurface {
public:
  ODRX_DECLARE_MEMBERS(OdDbExtrudedSurface)
};
typedef OdSmartPtr<OdDbExtrudedSurface> OdDbExtrudedSurfacePtr;

class OdDbLoftedSurface : public OdDbSurface {
public:
  ODRX_DECLARE_MEMBERS(OdDbLoftedSurface)
};
typedef OdSmartPtr<OdDbLoftedSurface> OdDbLoftedSurfacePtr;

class OdDbRevolvedSurface : public OdDbSurface {
public:
  ODRX_DECLARE_MEMBERS(OdDbRevolvedSurface)
};
typedef OdSmartPtr<OdDbRevolvedSurface> OdDbRevolvedSurfacePtr;

class OdDbSweptSurface : public OdDbSurface {
public:
  ODRX_DECLARE_MEMBERS(OdDbSweptSurface)
};
typedef OdSmartPtr<OdDbSweptSurface> OdDbSweptSurfacePtr;

class OdDbPlaneSurface : public OdDbSurface {
public:
  ODRX_DECLARE_MEMBERS(OdDbPlaneSurface)
};
typedef OdSmartPtr<OdDbPlaneSurface> OdDbPlaneSurfacePtr;

class OdDb3dSolid : public OdDbEntity {
public:
  ODRX_DECLARE_MEMBERS(OdDb3dSolid)
};
typedef OdSmartPtr<OdDb3dSolid> OdDb3dSolidPtr;

class OdDbBody : public OdDbEntity {
public:
  ODRX_DECLARE_MEMBERS(OdDbBody)
};
typedef OdSmartPtr<OdDbBody> OdDbBodyPtr;

class OdDbRegion : public OdDbEntity {
public:
  ODRX_DECLARE_MEMBERS(OdDbRegion)
};
typedef OdSmartPtr<OdDbRegion> OdDbRegionPtr;

class OdDbFace : public OdDbEntity {
public:
  ODRX_DECLARE_MEMBERS(OdDbFace)
};
typedef OdSmartPtr<OdDbFace> OdDbFacePtr;

class OdDbFcf : public OdDbEntity {
public:
  ODRX_DECLARE_MEMBERS(OdDbFcf)
};
typedef OdSmartPtr<OdDbFcf> OdDbFcfPtr;

class OdDbHatch : public OdDbEntity {
public:
  ODRX_DECLARE_MEMBERS(OdDbHatch)
};
typedef OdSmartPtr<OdDbHatch> OdDbHatchPtr;

class OdDbMline : public OdDbEntity {
public:
  ODRX_DECLARE_MEMBERS(OdDbMline)
};
typedef OdSmartPtr<OdDbMline> OdDbMlinePtr;

class OdDbOle2Frame : public OdDbEntity {
public:
  ODRX_DECLARE_MEMBERS(OdDbOle2Frame)
};
typedef OdSmartPtr<OdDbOle2Frame> OdDbOle2FramePtr;

class OdDbPolyFaceMesh : public OdDbEntity {
public:
  ODRX_DECLARE_MEMBERS(OdDbPolyFaceMesh)
};
typedef OdSmartPtr<OdDbPolyFaceMesh> OdDbPolyFaceMeshPtr;

class OdDbPolygonMesh : public OdDbEntity {
public:
  ODRX_DECLARE_MEMBERS(OdDbPolygonMesh)
};
typedef OdSmartPtr<OdDbPolygonMesh> OdDbPolygonMeshPtr;

class OdDbSubDMesh : public OdDbEntity {
public:
  ODRX_DECLARE_MEMBERS(OdDbSubDMesh)
};
typedef OdSmartPtr<OdDbSubDMesh> OdDbSubDMeshPtr;

class OdDbProxyEntity : public OdDbEntity {
public:
  ODRX_DECLARE_MEMBERS(OdDbProxyEntity)
};
typedef OdSmartPtr<OdDbProxyEntity> OdDbProxyEntityPtr;

class OdDbShape : public OdDbEntity {
public:
  ODRX_DECLARE_MEMBERS(OdDbShape)
};
typedef OdSmartPtr<OdDbShape> OdDbShapePtr;

class OdDbSolid : public OdDbEntity {
public:
  ODRX_DECLARE_MEMBERS(OdDbSolid)
};
typedef OdSmartPtr<OdDbSolid> OdDbSolidPtr;

class OdDbTrace : public OdDbEntity {
public:
  ODRX_DECLARE_MEMBERS(OdDbTrace)
};
typedef OdSmartPtr<OdDbTrace> OdDbTracePtr;

class OdDbViewport : public OdDbEntity {
public:
  ODRX_DECLARE_MEMBERS(OdDbViewport)
};
typedef OdSmartPtr<OdDbViewport> OdDbViewportPtr;

class OdDbLight : public OdDbEntity {
public:
  ODRX_DECLARE_MEMBERS(OdDbLight)
};
typedef OdSmartPtr<OdDbLight> OdDbLightPtr;

class OdDbTextStyleTableRecord : public OdDbSymbolTableRecord {
public:
  ODRX_DECLARE_MEMBERS(OdDbTextStyleTableRecord)
};
typedef OdSmartPtr<OdDbTextStyleTableRecord> OdDbTextStyleTableRecordPtr;

class OdDbDimStyleTableRecord : public OdDbSymbolTableRecord {
public:
  ODRX_DECLARE_MEMBERS(OdDbDimStyleTableRecord)
};
typedef OdSmartPtr<OdDbDimStyleTableRecord> OdDbDimStyleTableRecordPtr;

class OdDbAbstractViewTableRecord : public OdDbSymbolTableRecord {
public:
  ODRX_DECLARE_MEMBERS(OdDbAbstractViewTableRecord)
};
typedef OdSmartPtr<OdDbAbstractViewTableRecord> OdDbAbstractViewTableRecordPtr;

class OdDbViewTableRecord : public OdDbAbstractViewTableRecord {
public:
  ODRX_DECLARE_MEMBERS(OdDbViewTableRecord)
};
typedef OdSmartPtr<OdDbViewTableRecord> OdDbViewTableRecordPtr;

class OdDbViewportTableRecord : public OdDbAbstractViewTableRecord {
public:
  ODRX_DECLARE_MEMBERS(OdDbViewportTableRecord)
};
typedef OdSmartPtr<OdDbViewportTableRecord> OdDbViewportTableRecordPtr;

class OdDbGroup : public OdDbObject {
public:
  ODRX_DECLARE_MEMBERS(OdDbGroup)
};
typedef OdSmartPtr<OdDbGroup> OdDbGroupPtr;

class OdDbMlineStyle : public OdDbObject {
public:
  ODRX_DECLARE_MEMBERS(OdDbMlineStyle)
};
typedef OdSmartPtr<OdDbMlineStyle> OdDbMlineStylePtr;

class OdDbTableStyle : public OdDbObject {
public:
  ODRX_DECLARE_MEMBERS(OdDbTableStyle)
};
typedef OdSmartPtr<OdDbTableStyle> OdDbTableStylePtr;

KD_DECLARE_SYMBOL_TABLE(OdDbTextStyleTable, OdDbTextStyleTableRecord)
KD_DECLARE_SYMBOL_TABLE(OdDbDimStyleTable, OdDbDimStyleTableRecord)
KD_DECLARE_SYMBOL_TABLE(OdDbViewTable, OdDbViewTableRecord)
KD_DECLARE_SYMBOL_TABLE(OdDbViewportTable, OdDbViewportTableRecord)
