#pragma once
// Every extension class the module holds, in declaration order: property
// extensions, information extensions, then the group extension. Each line
// is (class, member of the module object).
#include "CKdPrintObjectInfoPE.h"

#define KD_PROPERTY_EXTENSIONS(X)

#define KD_INFO_EXTENSIONS(X) \
  X(CKdPrintObjectInfoPE, m_entityInfo)

#define KD_LAST_EXTENSIONS(X)
