#pragma once
// Meshes: polyface and polygon meshes with their vertex lists (a new list
// rebuilds the vertices) and a vertex at a time in the UCS; polygon meshes'
// closure, densities and surface kind; subdivision meshes' vertices.
#include "KdEntity.h"

KD_DECLARE_PROPERTY_PE(CKdPolyFaceMeshPE, CKdEntityPE)
KD_DECLARE_PROPERTY_PE(CKdPolygonMeshPE, CKdEntityPE)
KD_DECLARE_PROPERTY_PE(CKdSubDMeshPE, CKdEntityPE)
KD_DECLARE_INFO(CKdPolyFaceMeshInfo)
KD_DECLARE_INFO(CKdPolygonMeshInfo)
KD_DECLARE_INFO(CKdSubDMeshInfo)
