#pragma once
// A class's own properties as a declarative table, and the one-time
// building of its description list from it.
#include <cstddef>
#include "CKdPropertyDescription.h"
#include "Rx/OdArray.h"

class OdRxClass;

namespace kd {

// One row of a class's table, in the order the palette shows it.
struct PropertyRow {
  const char* category;
  const char* name;
  int type;                     // variant type code, 0 when open
  const wchar_t* guid;          // custom editor constant, or null
  const char* icon;             // resource path, or null for none
  KdPropertyIsReadOnlyMethod readOnly;
  KdPropertyGetMethod get;
  KdPropertySetMethod set;      // null for a property that is never written
};

// Adds a description made for one object: category and name translated,
// dynamic, no description text; the container takes it over.
void addDynamic(CKdPropertiesContainer* container, const PropertyRow& row);

// Record extensions show their categories and names untranslated.
enum class Texts { Translated, Literal };

// The static description list of one extension class. It is built on the
// first request that gets a container and lives as long as the library.
class PropertyTable {
public:
  template <size_t N>
  PropertyTable(OdRxClass* (*sdkClass)(), const PropertyRow (&rows)[N], Texts texts = Texts::Translated)
      : m_sdkClass(sdkClass), m_rows(rows), m_count(N), m_texts(texts) {}
  // Rows built at run time (shared runs of rows put together).
  PropertyTable(OdRxClass* (*sdkClass)(), const PropertyRow* rows, size_t count, Texts texts = Texts::Translated)
      : m_sdkClass(sdkClass), m_rows(rows), m_count(count), m_texts(texts) {}
  // A class without own properties.
  explicit PropertyTable(OdRxClass* (*sdkClass)()) : m_sdkClass(sdkClass) {}
  PropertyTable(const PropertyTable&) = delete;
  PropertyTable& operator=(const PropertyTable&) = delete;
  ~PropertyTable();

  // The level's part of GetPropertyNames, after the parent has run: builds
  // the list once, then adds it when the filter class derives from the
  // table's SDK class.
  void addTo(CKdPropertiesContainer* container, const OdRxClass* filterClass) const;

  const OdArray<const CKdPropertyDescription*>& descriptions() const { return m_list; }
  bool isBuilt() const { return m_built; }

private:
  void build() const;
  OdRxClass* (*m_sdkClass)();
  const PropertyRow* m_rows = nullptr;
  size_t m_count = 0;
  Texts m_texts = Texts::Translated;
  mutable OdArray<const CKdPropertyDescription*> m_list;
  mutable bool m_built = false;
};

}  // namespace kd
