#pragma once
// Utility functions of the host.
#include "CKdString.h"
#include "Db/DbObjectId.h"
#include "Db/DbUnitsValue.h"

class OdDbObject;
class CKdPrintInfoContext;

// The host's description of the geometric constraints an object takes part in.
class CKdConstraintDescription {
public:
  virtual ~CKdConstraintDescription() = default;
  virtual void PrintConstraintInfo(const OdDbObject* object, CKdPrintInfoContext* context) = 0;
};
class CKdConstraintUtils {
public:
  virtual ~CKdConstraintUtils() = default;
  virtual CKdConstraintDescription* GetConstraintDescription() = 0;
};
// The constraint service of the host; null while no constraint solver is loaded.
CKdConstraintUtils* GetConstraintUtils();

class OdDbRadialDimension;
// Operations of the host on drawing objects that the drawing classes leave to it.
class CKdDbExtension {
public:
  virtual ~CKdDbExtension() = default;
  // Switches the extension arc of a radial dimension (open for writing) on or off.
  virtual bool SetRadialExtensionArc(OdDbRadialDimension* dimension, bool on);
};
CKdDbExtension* GetKdDbExtension();

class CKdUtils {
public:
  // Name of the extended-data application that keeps an object's hyperlink.
  static const wchar_t* HyperlinkApp() { return L"PE_URL"; }
  // True when the object has a hyperlink; url (and description, when asked) receive it.
  static bool IsHyperLink(const OdDbObject* object, CKdString& url, CKdString* description);
  // The name of a dimension style as lists show it: a style of one family of
  // dimensions ("ISO$2") by its parent's name and the family ("ISO: Angular").
  static CKdString DimStyleDisplayName(const CKdString& name);
  // Sets the hyperlink (an empty url removes it); the object must be open for writing.
  static bool SetHyperLink(const OdDbObject* object, const CKdString& url);
  // Metres in one of the units; 0 for unitless and for codes that name no unit.
  static double GetUnitScalingFactor(OdDb::UnitsValue units);
  // Millimetres in drawing units (an INSUNITS value); 0 for unitless and
  // for codes that name no unit. width tells which side of a picture is
  // converted; both sides convert alike.
  static double transformMMToUnit(double millimetres, OdInt16 units, bool width);
  // The units' name as the host shows it ("Millimeters"); empty for codes that name no unit.
  static CKdString GetStringForUnitScalingFactor(OdDb::UnitsValue units);
  // The dynamic block definition a block reference shows a state of (its
  // anonymous definition names it in the "AcDbBlockRepBTag" extended data);
  // null for a reference of a plain block.
  static OdDbObjectId GetDynBlockId(const OdDbObject* reference);
  // The name of the block definition; empty when it cannot be opened.
  static CKdString GetDynBlockName(OdDbObjectId block);
};

// The host's message boxes.
class CKdMessageBox {
public:
  // A warning with the host's warning title, through the system services' message box.
  static int warning(void* parent, const CKdString& text);
};

class OdDbDatabase;
// Layer states the host can go back to.
class CKdLayErpHandler {
public:
  // Keeps the on, frozen and locked state of every layer and the current layer.
  static void SaveCurrentLayerState(OdDbDatabase* db);
  // Puts back the last kept state; false when none is kept.
  static bool RestoreLastLayerState(OdDbDatabase* db);
  static int SavedStateCount();
};
