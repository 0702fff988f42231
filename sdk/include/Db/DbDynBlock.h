#pragma once
// Dynamic blocks. A block definition whose extension dictionary holds an
// evaluation graph ("ACAD_ENHANCEDBLOCK") is dynamic: the graph's nodes are
// its parameters, grips and actions. A reference shows one state of it
// through an anonymous block of its own (marked "AcDbBlockRepBTag"), and
// keeps its parameters' current values in its extension dictionary:
// "AcDbBlockRepresentation" / "AppDataCache" / "ACAD_ENHANCEDBLOCKDATA",
// one record per node, keyed by the node's number.
#include <vector>

#include "Db/DbBlockReference.h"
#include "Db/DbDictionary.h"
#include "Db/DbSymbolTable.h"

// A node of an evaluation graph: its number in the graph and its name.
class OdDbBlockElement : public OdDbObject {
public:
  ODRX_DECLARE_MEMBERS(OdDbBlockElement)
public:
  int nodeId() const { assertReadEnabled(); return m_nodeId; }
  void setNodeId(int id) { assertWriteEnabled(); m_nodeId = id; }
  OdString name() const { assertReadEnabled(); return m_name; }
  void setName(const OdString& name) { assertWriteEnabled(); m_name = name; }
  void dxfInFields(const OdDxfIn& in) override;
  void dxfOutFields(OdDxfOut& out) const override;

private:
  int m_nodeId = 0;
  OdString m_name;
};
typedef OdSmartPtr<OdDbBlockElement> OdDbBlockElementPtr;

// The graph of a dynamic block definition, with its nodes in order.
class OdDbEvalGraph : public OdDbObject {
public:
  ODRX_DECLARE_MEMBERS(OdDbEvalGraph)
public:
  const OdDbObjectIdArray& nodes() const { assertReadEnabled(); return m_nodes; }
  // Adds the element to the graph's database, owned by the graph, under the next node number.
  OdResult addNode(OdDbBlockElement* element);
  void dxfInFields(const OdDxfIn& in) override;
  void dxfOutFields(OdDxfOut& out) const override;

private:
  OdDbObjectIdArray m_nodes;
};
typedef OdSmartPtr<OdDbEvalGraph> OdDbEvalGraphPtr;

// Values a parameter allows: a list, or a range stepped by an increment.
struct OdDbBlockParamValueSet {
  int flags = 0;
  double minimum = 0.0, maximum = 0.0, increment = 0.0;
  std::vector<double> values;
  // The values a user may choose from; empty when any value goes.
  std::vector<double> choices() const;
  // Whether the value is allowed (within the range and, for a list or steps, one of them).
  bool allows(double value) const;
};

// One property a parameter shows in a reference's palette.
struct OdDbBlockParamProperty {
  OdString name, description;
  int unitsType = 0;   // 0 none, 1 angular, 2 distance, 3 area
  int valueType = 40;  // result-buffer type of the value: 1, 40 or 70
  bool readOnly = false;
};

// A reference's data for one parameter: the values after the record's
// header, in the order the drawing keeps them.
struct OdDbBlockParamState {
  std::vector<OdResBufPtr> items;
  // The nth item of a kind (points, 16-bit integers, strings); null when missing.
  OdResBuf* nth(OdResBuf::ValueKind kind, int n) const;
  OdGePoint3d point(int n, const OdGePoint3d& def = OdGePoint3d()) const;
  void setPoint(int n, const OdGePoint3d& p);
};

class OdDbBlockParameter : public OdDbBlockElement {
public:
  ODRX_DECLARE_MEMBERS(OdDbBlockParameter)
public:
  enum Kind { kOther, kLinear, kPolar, kXY, kRotation, kFlip, kPoint, kVisibility, kLookup, kAlignment, kBasePoint };
  virtual Kind kind() const { return kOther; }
  // Whether the block shows the parameter's properties.
  bool showProperties() const { assertReadEnabled(); return m_show; }
  void setShowProperties(bool show) { assertWriteEnabled(); m_show = show; }
  // The properties it shows (none for alignment and base point parameters).
  virtual std::vector<OdDbBlockParamProperty> properties() const { return {}; }
  // A new reference's data: the definition's own values.
  virtual OdDbBlockParamState defaultState() const { return OdDbBlockParamState(); }
  virtual OdResBufPtr value(const OdDbBlockParamState& state, int property) const;
  // eInvalidInput, with the state unchanged, for a value of the wrong type or one not allowed.
  virtual OdResult setValue(OdDbBlockParamState& state, int property, const OdResBuf& value) const;
  virtual std::vector<OdResBufPtr> allowedValues(int property) const;
  void dxfInFields(const OdDxfIn& in) override;
  void dxfOutFields(OdDxfOut& out) const override;

private:
  bool m_show = true, m_chain = false;
};
typedef OdSmartPtr<OdDbBlockParameter> OdDbBlockParameterPtr;

// Parameters at one point (point, visibility, lookup, base point).
class OdDbBlock1PtParameter : public OdDbBlockParameter {
public:
  ODRX_DECLARE_MEMBERS(OdDbBlock1PtParameter)
public:
  OdGePoint3d location() const { assertReadEnabled(); return m_location; }
  void setLocation(const OdGePoint3d& p) { assertWriteEnabled(); m_location = p; }
  OdDbBlockParamState defaultState() const override;
  void dxfInFields(const OdDxfIn& in) override;
  void dxfOutFields(OdDxfOut& out) const override;

private:
  OdGePoint3d m_location;
};

// Parameters between two points (linear, polar, XY, rotation, flip, alignment).
class OdDbBlock2PtParameter : public OdDbBlockParameter {
public:
  ODRX_DECLARE_MEMBERS(OdDbBlock2PtParameter)
public:
  OdGePoint3d basePoint() const { assertReadEnabled(); return m_base; }
  OdGePoint3d endPoint() const { assertReadEnabled(); return m_end; }
  void setPoints(const OdGePoint3d& base, const OdGePoint3d& end) { assertWriteEnabled(); m_base = base; m_end = end; }
  OdDbBlockParamState defaultState() const override;
  void dxfInFields(const OdDxfIn& in) override;
  void dxfOutFields(OdDxfOut& out) const override;

private:
  OdGePoint3d m_base, m_end;
};

struct OdDbBlockVisibilityState {
  OdString name;
  OdDbObjectIdArray entities;  // the definition's entities shown in this state
  std::vector<int> nodes;      // graph nodes the state holds
};

// What a parameter kind gives its properties: names, descriptions and
// value sets, and the data of the kinds that carry more.
struct OdDbBlockParamData {
  OdString name[2], description[2];
  OdDbBlockParamValueSet values[2];
  OdGePoint3d baseAngle;   // rotation: the point the angle is measured from
  bool hasBaseAngle = false;
  OdDbObjectIdArray entities;  // visibility: the entities the states govern
  std::vector<OdDbBlockVisibilityState> states;
  int current = 0;     // visibility: the definition's own state
  int actionNode = 0;  // lookup: the node of the lookup table
};

#define KD_DYN_PARAMETER(ClassName, Parent, KindValue)                                          \
  class ClassName : public Parent {                                                              \
  public:                                                                                        \
    ODRX_DECLARE_MEMBERS(ClassName)                                                              \
  public:                                                                                        \
    Kind kind() const override { return KindValue; }                                             \
    std::vector<OdDbBlockParamProperty> properties() const override;                             \
    OdDbBlockParamState defaultState() const override;                                           \
    OdResBufPtr value(const OdDbBlockParamState& state, int property) const override;            \
    OdResult setValue(OdDbBlockParamState& state, int property, const OdResBuf& v) const override; \
    std::vector<OdResBufPtr> allowedValues(int property) const override;                         \
    void dxfInFields(const OdDxfIn& in) override;                                                \
    void dxfOutFields(OdDxfOut& out) const override;                                             \
    OdDbBlockParamData data;                                                                     \
  };                                                                                             \
  typedef OdSmartPtr<ClassName> ClassName##Ptr;
KD_DYN_PARAMETER(OdDbBlockLinearParameter, OdDbBlock2PtParameter, kLinear)
KD_DYN_PARAMETER(OdDbBlockPolarParameter, OdDbBlock2PtParameter, kPolar)
KD_DYN_PARAMETER(OdDbBlockXYParameter, OdDbBlock2PtParameter, kXY)
KD_DYN_PARAMETER(OdDbBlockRotationParameter, OdDbBlock2PtParameter, kRotation)
KD_DYN_PARAMETER(OdDbBlockFlipParameter, OdDbBlock2PtParameter, kFlip)
KD_DYN_PARAMETER(OdDbBlockPointParameter, OdDbBlock1PtParameter, kPoint)
KD_DYN_PARAMETER(OdDbBlockVisibilityParameter, OdDbBlock1PtParameter, kVisibility)
KD_DYN_PARAMETER(OdDbBlockLookupParameter, OdDbBlock1PtParameter, kLookup)
#undef KD_DYN_PARAMETER

class OdDbBlockAlignmentParameter : public OdDbBlock2PtParameter {
public:
  ODRX_DECLARE_MEMBERS(OdDbBlockAlignmentParameter)
  Kind kind() const override { return kAlignment; }
};
class OdDbBlockBasepointParameter : public OdDbBlock1PtParameter {
public:
  ODRX_DECLARE_MEMBERS(OdDbBlockBasepointParameter)
  Kind kind() const override { return kBasePoint; }
};

// An action of the graph and the definition's entities it acts on.
class OdDbBlockAction : public OdDbBlockElement {
public:
  ODRX_DECLARE_MEMBERS(OdDbBlockAction)
public:
  const OdDbObjectIdArray& selection() const { assertReadEnabled(); return m_selection; }
  void setSelection(const OdDbObjectIdArray& ids) { assertWriteEnabled(); m_selection = ids; }
  void dxfInFields(const OdDxfIn& in) override;
  void dxfOutFields(OdDxfOut& out) const override;

private:
  OdDbObjectIdArray m_selection;
};
typedef OdSmartPtr<OdDbBlockAction> OdDbBlockActionPtr;

// A flip action: the node of the flip parameter it follows.
class OdDbBlockFlipAction : public OdDbBlockAction {
public:
  ODRX_DECLARE_MEMBERS(OdDbBlockFlipAction)
public:
  int parameterNode() const { assertReadEnabled(); return m_parameter; }
  void setParameterNode(int node) { assertWriteEnabled(); m_parameter = node; }
  void dxfInFields(const OdDxfIn& in) override;
  void dxfOutFields(OdDxfOut& out) const override;

private:
  int m_parameter = 0;
};
typedef OdSmartPtr<OdDbBlockFlipAction> OdDbBlockFlipActionPtr;

// A lookup table: rows of texts, one column per lookup property.
class OdDbBlockLookupAction : public OdDbBlockAction {
public:
  ODRX_DECLARE_MEMBERS(OdDbBlockLookupAction)
public:
  std::vector<OdString> columns;  // the property each column holds
  std::vector<bool> reversible;   // whether a value chosen in the column finds its row
  std::vector<std::vector<OdString>> rows;
  void dxfInFields(const OdDxfIn& in) override;
  void dxfOutFields(OdDxfOut& out) const override;
};
typedef OdSmartPtr<OdDbBlockLookupAction> OdDbBlockLookupActionPtr;

// A reference's link to the dynamic block it shows ("AcDbRepData").
class OdDbBlockRepresentationData : public OdDbObject {
public:
  ODRX_DECLARE_MEMBERS(OdDbBlockRepresentationData)
public:
  OdDbObjectId definitionId() const { assertReadEnabled(); return m_block; }
  void setDefinitionId(OdDbObjectId id) { assertWriteEnabled(); m_block = id; }
  void dxfInFields(const OdDxfIn& in) override;
  void dxfOutFields(OdDxfOut& out) const override;

private:
  int m_version = 1;
  OdDbObjectId m_block;
};

// One property of one reference, held for as long as a palette shows it.
class OdDbDynBlockReferenceProperty : public OdRxObject {
public:
  OdDbDynBlockReferenceProperty(OdDbObjectId reference, OdDbObjectId parameter, int index)
      : m_reference(reference), m_parameter(parameter), m_index(index) {}
  void addRef() override { ++m_refs; }
  void release() override;
  long numRefs() const override { return m_refs; }

  OdString propertyName() const;
  OdString description() const;
  bool show() const;
  bool readOnly() const;
  int unitsType() const;
  // The reference's current value; null when the parameter cannot be read.
  OdResBufPtr value() const;
  void getAllowedValues(std::vector<OdResBufPtr>& values) const;
  // Stores the value in the reference's data and updates its geometry.
  OdResult setValue(const OdResBuf& value);
  OdDbObjectId parameterId() const { return m_parameter; }
  OdDbObjectId referenceId() const { return m_reference; }

private:
  OdDbObjectId m_reference, m_parameter;
  int m_index;
  long m_refs = 0;
};
typedef OdSmartPtr<OdDbDynBlockReferenceProperty> OdDbDynBlockReferencePropertyPtr;

class OdDbDynBlockReference {
public:
  explicit OdDbDynBlockReference(OdDbObjectId reference) : m_reference(reference) {}
  // The dynamic block the reference shows: its own block when that is
  // dynamic, or the one its anonymous block names. Null for other references.
  OdDbObjectId dynamicBlockTableRecord() const;
  bool isDynamicBlock() const { return !dynamicBlockTableRecord().isNull(); }
  // Every property of every parameter, in graph order (hidden ones included).
  std::vector<OdDbDynBlockReferencePropertyPtr> getBlockProperties() const;

private:
  OdDbObjectId m_reference;
};

// The dynamic block a block record stands for: itself when it holds a
// graph, the block its representation mark names, or null.
OdDbObjectId odDbDynamicBlockOf(OdDbObjectId blockRecord);
// The graph of a dynamic block definition; null when it has none.
OdDbEvalGraphPtr odDbEvalGraphOf(OdDbObjectId blockRecord);
// Makes a block definition dynamic: an empty graph in its extension
// dictionary, to which parameters and actions are added as nodes.
OdDbEvalGraphPtr odDbCreateEvalGraph(OdDbBlockTableRecord& block);
