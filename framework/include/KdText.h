#pragma once
// Display texts: every one passes through the toolkit's translation under
// one of the module's contexts.
#include "CKdString.h"

namespace kd {
CKdString tr(const char* context, const char* source);
inline CKdString group(const char* source) { return tr("property_groups", source); }
inline CKdString propertyName(const char* source) { return tr("property_types", source); }
inline CKdString value(const char* source) { return tr("property_values", source); }
inline CKdString entityType(const char* source) { return tr("entity_types", source); }
inline CKdString infoItem(const char* source) { return tr("info_items", source); }
inline CKdString infoValue(const char* source) { return tr("info_values", source); }
// The text with its place markers "%1", "%2" replaced in order.
CKdString fill(const CKdString& pattern, const CKdString& first);
CKdString fill(const CKdString& pattern, const CKdString& first, const CKdString& second);
}  // namespace kd
