#include "KdRegistrationTable.h"
#include "CKdPropertiesModule.h"
#include "Db/Db2dPolyline.h"
#include "Db/Db3dPolyline.h"
#include "Db/DbArc.h"
#include "Db/DbTable.h"
#include "Db/DbTableStyle.h"
#include "Db/DbGroup.h"
#include "Db/DbViewTableRecord.h"
#include "Db/DbTextStyleTableRecord.h"
#include "Db/DbDimStyleTableRecord.h"
#include "Db/DbSymbolTable.h"
#include "Db/DbHatch.h"
#include "Db/DbLeader.h"
#include "Db/DbLight.h"
#include "Db/DbOle2Frame.h"
#include "Db/DbRasterImage.h"
#include "Db/DbUnderlay.h"
#include "Db/DbViewport.h"
#include "Db/DbMesh.h"
#include "Db/DbModelerEntities.h"
#include "Db/DbAttribute.h"
#include "Db/DbBlockReference.h"
#include "Db/DbArcAlignedText.h"
#include "Db/DbCircle.h"
#include "Db/DbCorners.h"
#include "Db/DbShape.h"
#include "Db/DbSpline.h"
#include "Db/DbHelix.h"
#include "Db/DbDimension.h"
#include "Db/DbDimensionKinds.h"
#include "Db/DbEllipse.h"
#include "Db/DbEntity.h"
#include "Db/DbLine.h"
#include "Db/DbMText.h"
#include "Db/DbMline.h"
#include "Db/DbPoint.h"
#include "Db/DbPolyline.h"
#include "Db/DbRay.h"
#include "Db/DbText.h"
#include "Db/DbVertex.h"
#include "Db/DbXline.h"

// Member of the module object as a registration column.
#define KD_EXT(member) [](CKdPropertiesModule& m) -> OdRxObject* { return &m.member; }
#define KD_NONE nullptr

namespace kd {
namespace {
// Rows in table order: PE #, PE removal #, SDK class, property extension,
// Info #, information extension.
const Registration kTable[] = {
    {1, 1, &OdDb2LineAngularDimension::desc, KD_EXT(m_2LineAngularDimensionPE), 1, KD_EXT(m_2LineAngularDimensionInfo)},
    {2, 2, &OdDb2dPolyline::desc, KD_EXT(m_2dPolylinePE), 2, KD_EXT(m_2dPolylineInfo)},
    {3, 3, &OdDb3dPolyline::desc, KD_EXT(m_3dPolylinePE), 3, KD_EXT(m_3dPolylineInfo)},
    {4, 4, &OdDb3dSolid::desc, KD_EXT(m_3dSolidPE), 4, KD_EXT(m_3dSolidInfo)},
    {5, 5, &OdDb3PointAngularDimension::desc, KD_EXT(m_3PointAngularDimensionPE), 5, KD_EXT(m_3PointAngularDimensionInfo)},
    {6, 6, &OdDbAlignedDimension::desc, KD_EXT(m_alignedDimensionPE), 6, KD_EXT(m_alignedDimensionInfo)},
    {7, 7, &OdDbArcAlignedText::desc, KD_EXT(m_arcAlignedTextPE), 0, KD_NONE},
    {8, 8, &OdDbArcDimension::desc, KD_EXT(m_arcDimensionPE), 7, KD_EXT(m_arcDimensionInfo)},
    {9, 9, &OdDbArc::desc, KD_EXT(m_arcPE), 8, KD_EXT(m_arcInfo)},
    {10, 10, &OdDbAttributeDefinition::desc, KD_EXT(m_attributeDefinitionPE), 9, KD_EXT(m_attributeDefinitionInfo)},
    {11, 11, &OdDbAttribute::desc, KD_EXT(m_attributePE), 10, KD_EXT(m_blockAttributeInfo)},
    {12, 12, &OdDbBlockReference::desc, KD_EXT(m_blockReferencePE), 11, KD_EXT(m_blockReferenceInfo)},
    {13, 13, &OdDbBody::desc, KD_EXT(m_bodyPE), 12, KD_EXT(m_bodyInfo)},
    {14, 14, &OdDbCircle::desc, KD_EXT(m_circlePE), 13, KD_EXT(m_circleInfo)},
    {15, 15, &OdDbDiametricDimension::desc, KD_EXT(m_diametricDimensionPE), 14, KD_EXT(m_diametricDimensionInfo)},
    {16, 16, &OdDbDimension::desc, KD_EXT(m_dimensionPE), 0, KD_NONE},
    {17, 17, &OdDbEllipse::desc, KD_EXT(m_ellipsePE), 15, KD_EXT(m_ellipseInfo)},
    {18, 18, &OdDbEntity::desc, KD_EXT(m_entityPE), 16, KD_EXT(m_entityInfo)},
    {19, 19, &OdDbExtrudedSurface::desc, KD_EXT(m_extrudedSurfacePE), 17, KD_EXT(m_extrudedSurfaceInfo)},
    {20, 20, &OdDbViewportTableRecord::desc, KD_EXT(m_viewportTableRecordPE), 0, KD_NONE},
    {21, 21, &OdDbViewTableRecord::desc, KD_EXT(m_viewTableRecordPE), 0, KD_NONE},
    {22, 22, &OdDbFace::desc, KD_EXT(m_facePE), 18, KD_EXT(m_faceInfo)},
    {23, 23, &OdDbFcf::desc, KD_EXT(m_fcfPE), 19, KD_EXT(m_fcfInfo)},
    {24, 24, &OdDbHatch::desc, KD_EXT(m_hatchPE), 20, KD_EXT(m_hatchInfo)},
    {25, 25, &OdDbLeader::desc, KD_EXT(m_leaderPE), 21, KD_EXT(m_leaderInfo)},
    {26, 26, &OdDbLine::desc, KD_EXT(m_linePE), 22, KD_EXT(m_lineInfo)},
    {27, 27, &OdDbMInsertBlock::desc, KD_EXT(m_mInsertBlockPE), 0, KD_NONE},
    {28, 28, &OdDbMline::desc, KD_EXT(m_mlinePE), 23, KD_EXT(m_mlineInfo)},
    {29, 29, &OdDbMText::desc, KD_EXT(m_mtextPE), 24, KD_EXT(m_mtextInfo)},
    {30, 30, &OdDbOle2Frame::desc, KD_EXT(m_ole2FramePE), 25, KD_EXT(m_ole2FrameInfo)},
    {31, 31, &OdDbOrdinateDimension::desc, KD_EXT(m_ordinateDimensionPE), 26, KD_EXT(m_ordinateDimensionInfo)},
    {32, 32, &OdDbSurface::desc, KD_EXT(m_surfacePE), 27, KD_EXT(m_surfaceInfo)},
    {33, 33, &OdDbPlaneSurface::desc, KD_EXT(m_planeSurfacePE), 28, KD_EXT(m_planeSurfaceInfo)},
    {34, 34, &OdDbLoftedSurface::desc, KD_EXT(m_loftedSurfacePE), 29, KD_EXT(m_loftedSurfaceInfo)},
    {35, 35, &OdDbPoint::desc, KD_EXT(m_pointPE), 30, KD_EXT(m_pointInfo)},
    {36, 36, &OdDbPolyFaceMesh::desc, KD_EXT(m_polyFaceMeshPE), 31, KD_EXT(m_polyFaceMeshInfo)},
    {37, 37, &OdDbPolygonMesh::desc, KD_EXT(m_polygonMeshPE), 32, KD_EXT(m_polygonMeshInfo)},
    {38, 38, &OdDbSubDMesh::desc, KD_EXT(m_subDMeshPE), 33, KD_EXT(m_subDMeshInfo)},
    {39, 39, &OdDbPolyline::desc, KD_EXT(m_polylinePE), 34, KD_EXT(m_polylineInfo)},
    {40, 40, &OdDbProxyEntity::desc, KD_EXT(m_proxyEntityPE), 35, KD_EXT(m_proxyEntityInfo)},
    {41, 41, &OdDbRadialDimensionLarge::desc, KD_EXT(m_radialDimensionLargePE), 36, KD_EXT(m_radialDimensionLargeInfo)},
    {42, 42, &OdDbRadialDimension::desc, KD_EXT(m_radialDimensionPE), 37, KD_EXT(m_radialDimensionInfo)},
    {43, 43, &OdDbRasterImage::desc, KD_EXT(m_rasterImagePE), 0, KD_NONE},
    {44, 44, &OdDbPdfReference::desc, KD_EXT(m_pdfReferencePE), 38, KD_EXT(m_pdfReferenceInfo)},
    {45, 45, &OdDbRay::desc, KD_EXT(m_rayPE), 39, KD_EXT(m_rayInfo)},
    {46, 46, &OdDbRegion::desc, KD_EXT(m_regionPE), 40, KD_EXT(m_regionInfo)},
    {47, 47, &OdDbRotatedDimension::desc, KD_EXT(m_rotatedDimensionPE), 41, KD_EXT(m_rotatedDimensionInfo)},
    {48, 48, &OdDbShape::desc, KD_EXT(m_shapePE), 42, KD_EXT(m_shapeInfo)},
    {49, 49, &OdDbSolid::desc, KD_EXT(m_solidPE), 43, KD_EXT(m_solidInfo)},
    {50, 50, &OdDbSpline::desc, KD_EXT(m_splinePE), 44, KD_EXT(m_splineInfo)},
    {51, 51, &OdDbTable::desc, KD_EXT(m_tablePE), 45, KD_EXT(m_tableInfo)},
    {52, 52, &OdDbText::desc, KD_EXT(m_textPE), 46, KD_EXT(m_textInfo)},
    {53, 53, &OdDbTrace::desc, KD_EXT(m_tracePE), 47, KD_EXT(m_traceInfo)},
    {54, 54, &OdDbVertex::desc, KD_EXT(m_vertexPE), 48, KD_EXT(m_vertexInfo)},
    {55, 55, &OdDbViewport::desc, KD_EXT(m_viewportPE), 49, KD_EXT(m_viewportInfo)},
    {56, 56, &OdDbXline::desc, KD_EXT(m_xlinePE), 50, KD_EXT(m_xlineInfo)},
    {57, 57, &OdDbHelix::desc, KD_EXT(m_helixPE), 51, KD_EXT(m_helixInfo)},
    {58, 58, &OdDbRevolvedSurface::desc, KD_EXT(m_revolvedSurfacePE), 52, KD_EXT(m_revolvedSurfaceInfo)},
    {59, 59, &OdDbSweptSurface::desc, KD_EXT(m_sweptSurfacePE), 53, KD_EXT(m_sweptSurfaceInfo)},
    {60, 60, &OdDbLight::desc, KD_EXT(m_lightPE), 54, KD_EXT(m_lightInfo)},
    {61, 67, &OdDbDgnReference::desc, KD_EXT(m_dgnReferencePE), 56, KD_EXT(m_dgnReferenceInfo)},
    {62, 61, &OdDbTextStyleTableRecord::desc, KD_EXT(m_textStylePE), 0, KD_NONE},
    {63, 62, &OdDbTableStyle::desc, KD_EXT(m_tableStylePE), 0, KD_NONE},
    {64, 63, &OdDbDimStyleTableRecord::desc, KD_EXT(m_dimensionStylePE), 0, KD_NONE},
    {65, 64, &OdDbMlineStyle::desc, KD_EXT(m_richLineStylePE), 0, KD_NONE},
    {66, 65, &OdDbLinetypeTableRecord::desc, KD_EXT(m_lineStylePE), 0, KD_NONE},
    {67, 66, &OdDbLayerTableRecord::desc, KD_EXT(m_layerPE), 0, KD_NONE},
    {0, 68, &OdDbGroup::desc, KD_EXT(m_groupPE), 55, KD_NONE},
};
}  // namespace

const Registration* registrations(size_t& count) {
  count = sizeof(kTable) / sizeof(kTable[0]);
  return kTable;
}

}  // namespace kd
