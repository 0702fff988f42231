#include "KdVertex.h"

#include "Db/DbVertex.h"

KD_DEFINE_EMPTY_PROPERTY_PE(CKdVertexPE, CKdEntityPE, OdDbVertex, "Vertex")
