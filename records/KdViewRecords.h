#pragma once
// Named views and groups as a manager shows them: read-only, untranslated.
#include "KdExtension.h"

KD_DECLARE_PROPERTY_PE(CKdViewTableRecordPE, CKdPropertyPEImpl)
KD_DECLARE_PROPERTY_PE(CKdGroupPE, CKdPropertyPEImpl)
