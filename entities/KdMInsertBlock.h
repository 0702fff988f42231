#pragma once
// Multiple inserts: a block reference repeated in a grid of columns and rows.
#include "KdEntity.h"

KD_DECLARE_PROPERTY_PE(CKdMInsertBlockPE, CKdEntityPE)
