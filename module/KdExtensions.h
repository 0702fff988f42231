#pragma once
// Every extension class the module holds, in declaration order: property
// extensions, information extensions, then the group extension. Each line
// is (class, member of the module object).
#include "CKdPrintObjectInfoPE.h"
#include "Kd2dPolyline.h"
#include "Kd3dPolyline.h"
#include "KdArc.h"
#include "KdAttribute.h"
#include "KdBlockReference.h"
#include "KdMInsertBlock.h"
#include "KdArcAlignedText.h"
#include "KdCircle.h"
#include "KdCorners.h"
#include "KdShape.h"
#include "KdSpline.h"
#include "KdHelix.h"
#include "KdHatch.h"
#include "KdDimension.h"
#include "KdLinearDimension.h"
#include "KdOtherDimensions.h"
#include "KdEllipse.h"
#include "KdEntity.h"
#include "KdFcf.h"
#include "KdLeader.h"
#include "KdLight.h"
#include "KdTable.h"
#include "KdLine.h"
#include "KdOle2Frame.h"
#include "KdRasterImage.h"
#include "KdUnderlay.h"
#include "KdViewport.h"
#include "KdMesh.h"
#include "KdSurface.h"
#include "Kd3dSolid.h"
#include "KdLayer.h"
#include "KdTableStyle.h"
#include "KdViewportTableRecord.h"
#include "KdViewRecords.h"
#include "KdTextStyle.h"
#include "KdDimensionStyle.h"
#include "KdMText.h"
#include "KdMline.h"
#include "KdPoint.h"
#include "KdPolyline.h"
#include "KdRay.h"
#include "KdText.h"
#include "KdVertex.h"
#include "KdXline.h"

#define KD_PROPERTY_EXTENSIONS(X) \
  X(CKdExtrudedSurfacePE, m_extrudedSurfacePE) \
  X(CKdLoftedSurfacePE, m_loftedSurfacePE) \
  X(CKdRevolvedSurfacePE, m_revolvedSurfacePE) \
  X(CKdSweptSurfacePE, m_sweptSurfacePE) \
  X(CKdPlaneSurfacePE, m_planeSurfacePE) \
  X(CKdSurfacePE, m_surfacePE) \
  X(CKd3dSolidPE, m_3dSolidPE) \
  X(CKdBodyPE, m_bodyPE) \
  X(CKdRegionPE, m_regionPE) \
  X(CKdRasterImagePE, m_rasterImagePE) \
  X(CKdPdfReferencePE, m_pdfReferencePE) \
  X(CKdDgnReferencePE, m_dgnReferencePE) \
  X(CKdViewportPE, m_viewportPE) \
  X(CKdPolyFaceMeshPE, m_polyFaceMeshPE) \
  X(CKdPolygonMeshPE, m_polygonMeshPE) \
  X(CKdSubDMeshPE, m_subDMeshPE) \
  X(CKdTablePE, m_tablePE) \
  X(CKdLeaderPE, m_leaderPE) \
  X(CKdFcfPE, m_fcfPE) \
  X(CKdLightPE, m_lightPE) \
  X(CKdOle2FramePE, m_ole2FramePE) \
  X(CKdProxyEntityPE, m_proxyEntityPE) \
  X(CKdMInsertBlockPE, m_mInsertBlockPE) \
  X(CKdHatchPE, m_hatchPE) \
  X(CKdAttributeDefinitionPE, m_attributeDefinitionPE) \
  X(CKdAttributePE, m_attributePE) \
  X(CKdBlockReferencePE, m_blockReferencePE) \
  X(CKdHelixPE, m_helixPE) \
  X(CKdSplinePE_Prop, m_splinePE) \
  X(CKdFacePE, m_facePE) \
  X(CKdShapePE, m_shapePE) \
  X(CKdSolidPE, m_solidPE) \
  X(CKdTracePE, m_tracePE) \
  X(CKd2LineAngularDimensionPE, m_2LineAngularDimensionPE) \
  X(CKd3PointAngularDimensionPE, m_3PointAngularDimensionPE) \
  X(CKdArcDimensionPE, m_arcDimensionPE) \
  X(CKdDiametricDimensionPE, m_diametricDimensionPE) \
  X(CKdOrdinateDimensionPE, m_ordinateDimensionPE) \
  X(CKdRadialDimensionLargePE, m_radialDimensionLargePE) \
  X(CKdRadialDimensionPE, m_radialDimensionPE) \
  X(CKd2dPolylinePE, m_2dPolylinePE) \
  X(CKd3dPolylinePE, m_3dPolylinePE) \
  X(CKdAlignedDimensionPE, m_alignedDimensionPE) \
  X(CKdArcAlignedTextPE, m_arcAlignedTextPE) \
  X(CKdArcPE, m_arcPE)            \
  X(CKdCirclePE, m_circlePE)      \
  X(CKdDimensionPE, m_dimensionPE) \
  X(CKdEllipsePE, m_ellipsePE)    \
  X(CKdEntityPE, m_entityPE)      \
  X(CKdLinePE, m_linePE)          \
  X(CKdMlinePE, m_mlinePE)        \
  X(CKdMTextPE, m_mtextPE)        \
  X(CKdPointPE, m_pointPE)        \
  X(CKdPolylinePE, m_polylinePE)  \
  X(CKdRayPE, m_rayPE)            \
  X(CKdRotatedDimensionPE, m_rotatedDimensionPE) \
  X(CKdTextPE, m_textPE)          \
  X(CKdVertexPE, m_vertexPE)      \
  X(CKdXlinePE, m_xlinePE) \
  X(CKdViewportTableRecordPE, m_viewportTableRecordPE) \
  X(CKdViewTableRecordPE, m_viewTableRecordPE) \
  X(CKdTextStylePE, m_textStylePE) \
  X(CKdTableStylePE, m_tableStylePE) \
  X(CKdDimensionStylePE, m_dimensionStylePE) \
  X(CKdRichLineStylePE, m_richLineStylePE) \
  X(CKdLineStylePE, m_lineStylePE) \
  X(CKdLayerPE, m_layerPE)

#define KD_INFO_EXTENSIONS(X)              \
  X(CKdSurfaceInfo, m_surfaceInfo) \
  X(CKdExtrudedSurfaceInfo, m_extrudedSurfaceInfo) \
  X(CKdLoftedSurfaceInfo, m_loftedSurfaceInfo) \
  X(CKdRevolvedSurfaceInfo, m_revolvedSurfaceInfo) \
  X(CKdSweptSurfaceInfo, m_sweptSurfaceInfo) \
  X(CKdPlaneSurfaceInfo, m_planeSurfaceInfo) \
  X(CKd3dSolidInfo, m_3dSolidInfo) \
  X(CKdBodyInfo, m_bodyInfo) \
  X(CKdRegionInfo, m_regionInfo) \
  X(CKdPdfReferenceInfo, m_pdfReferenceInfo) \
  X(CKdDgnReferenceInfo, m_dgnReferenceInfo) \
  X(CKdViewportInfo, m_viewportInfo) \
  X(CKdPolyFaceMeshInfo, m_polyFaceMeshInfo) \
  X(CKdPolygonMeshInfo, m_polygonMeshInfo) \
  X(CKdSubDMeshInfo, m_subDMeshInfo) \
  X(CKdTableInfo, m_tableInfo) \
  X(CKdLeaderInfo, m_leaderInfo) \
  X(CKdFcfInfo, m_fcfInfo) \
  X(CKdLightInfo, m_lightInfo) \
  X(CKdOle2FrameInfo, m_ole2FrameInfo) \
  X(CKdProxyEntityInfo, m_proxyEntityInfo) \
  X(CKdHatchInfo, m_hatchInfo) \
  X(CKdAttributeDefinitionInfo, m_attributeDefinitionInfo) \
  X(CKdBlockAttributeInfo, m_blockAttributeInfo) \
  X(CKdBlockReferenceInfo, m_blockReferenceInfo) \
  X(CKdHelixInfo, m_helixInfo) \
  X(CKdSplineInfo, m_splineInfo) \
  X(CKdFaceInfo, m_faceInfo) \
  X(CKdShapeInfo, m_shapeInfo) \
  X(CKdSolidInfo, m_solidInfo) \
  X(CKdTraceInfo, m_traceInfo) \
  X(CKd2LineAngularDimensionInfo, m_2LineAngularDimensionInfo) \
  X(CKd3PointAngularDimensionInfo, m_3PointAngularDimensionInfo) \
  X(CKdArcDimensionInfo, m_arcDimensionInfo) \
  X(CKdDiametricDimensionInfo, m_diametricDimensionInfo) \
  X(CKdOrdinateDimensionInfo, m_ordinateDimensionInfo) \
  X(CKdRadialDimensionLargeInfo, m_radialDimensionLargeInfo) \
  X(CKdRadialDimensionInfo, m_radialDimensionInfo) \
  X(CKd2dPolylineInfo, m_2dPolylineInfo)   \
  X(CKd3dPolylineInfo, m_3dPolylineInfo)   \
  X(CKdAlignedDimensionInfo, m_alignedDimensionInfo) \
  X(CKdArcInfo, m_arcInfo)                 \
  X(CKdCircleInfo, m_circleInfo)           \
  X(CKdEllipseInfo, m_ellipseInfo)         \
  X(CKdPrintObjectInfoPE, m_entityInfo)    \
  X(CKdLineInfo, m_lineInfo)               \
  X(CKdMlineInfo, m_mlineInfo)             \
  X(CKdMTextInfo, m_mtextInfo)             \
  X(CKdPointInfo, m_pointInfo)             \
  X(CKdPolylineInfo, m_polylineInfo)       \
  X(CKdRotatedDimensionInfo, m_rotatedDimensionInfo) \
  X(CKdRayInfo, m_rayInfo)                 \
  X(CKdTextInfo, m_textInfo)               \
  X(CKdVertexInfo, m_vertexInfo)           \
  X(CKdXlineInfo, m_xlineInfo)

#define KD_LAST_EXTENSIONS(X) X(CKdGroupPE, m_groupPE)
