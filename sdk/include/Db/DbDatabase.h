#pragma once
// A drawing: the objects with their handles, the tables and dictionaries
// that own them, and the drawing's settings (header variables).
#include <deque>
#include <map>
#include <memory>
#include <string>
#include <vector>
#include "Db/DbObjectId.h"
#include "Cm/CmColor.h"
#include "Db/DbEntity.h"
#include "Ge/GePoint3d.h"
#include "Ge/GeVector3d.h"

class OdDxfDocument;

// What an object id points at; owned by its database.
class OdDbStub {
public:
  OdDbHandle handle;
  OdDbDatabase* database = nullptr;
  OdDbObject* object = nullptr;  // one reference held
  // An object read from a file whose fields are read when it is first
  // opened: its class, its owner and where its record stands in the file.
  OdRxClass* deferredClass = nullptr;
  OdDbStub* deferredOwner = nullptr;
  uint32_t deferredTag = 0;
  // The save that last wrote the object (each save has a number of its own).
  uint32_t writtenBy = 0;
};

// Drawing settings the database keeps for its users.
struct OdDbHeaderVars {
  bool pstylemode = true;  // true: print styles depend on colour; false: named print styles
  OdInt16 lunits = 2;      // linear unit format: 1 scientific .. 5 fractional
  OdInt16 luprec = 4;
  OdInt16 aunits = 0;
  OdInt16 auprec = 0;
  OdInt16 insunits = 0;    // insertion units, 0 = unitless
  OdInt16 splinesegs = 8;
  OdInt16 measurement = 0;
  OdString acadver = L"AC1027";
  OdDbObjectId clayer;
  OdCmColor cecolor;
  OdDbObjectId celtype;
  double celtscale = 1.0;
  double ltscale = 1.0;
  OdDb::LineWeight celweight = OdDb::kLnWtByLayer;
  OdCmTransparency cetransparency;
  OdString cepsname = L"ByLayer";
  OdDbObjectId textstyle;
  OdDbObjectId dimstyle;
  OdGePoint3d ucsorg;
  OdGeVector3d ucsxdir = OdGeVector3d(1, 0, 0);
  OdGeVector3d ucsydir = OdGeVector3d(0, 1, 0);
  OdString ucsname;
  bool tilemode = true;   // model space is the current layout
  OdInt16 cvport = 2;     // number of the current viewport
  bool hasExtents = false;  // the file gave the model's extents
  OdGePoint3d extmin, extmax;
};

class OdDbDatabase : public OdRxObject {
public:
  ODRX_DECLARE_MEMBERS(OdDbDatabase)
public:
  // A new drawing; with defaults it holds the tables, layer "0", the line
  // types ByLayer, ByBlock and Continuous, the application of the drawing
  // program, model and paper space and the named-objects dictionary.
  explicit OdDbDatabase(bool createDefaults = true);
  ~OdDbDatabase() override;
  void addRef() override { ++m_nRefs; }
  void release() override;
  long numRefs() const override { return m_nRefs; }

  // Adds an object, giving it the next handle (or the one given, when free);
  // the database keeps one reference. The object is left open for writing.
  OdDbObjectId addOdDbObject(OdDbObject* object, OdDbObjectId ownerId = OdDbObjectId(), OdDbHandle handle = OdDbHandle());
  // Room for about so many objects, for readers that know how many come.
  void reserveObjects(size_t count) { m_byHandle.reserve(count); }
  // While a file is read: objects without a handle of their own (none, or
  // one already taken) get theirs when numbering resumes, above every
  // handle the file gave.
  void numberNewObjectsLater(bool later);
  // The handle an object added since then should have, unless another takes it.
  void preferHandle(OdDbObjectId id, OdDbHandle handle);
  // An object of a file, made when it is first opened (large drawings open
  // fast; most of their objects are never looked at). Null when the handle
  // is null or taken (nothing is added then).
  OdDbObjectId addDeferredObject(OdRxClass* cls, uint32_t tag, OdDbHandle handle, OdDbObjectId ownerId);
  void setDeferredOwner(OdDbObjectId id, OdDbObjectId ownerId) { id.stub()->deferredOwner = ownerId.stub(); }
  // Makes a deferred object (no-op for others); the file's reading does the work.
  void makeDeferred(OdDbStub* stub);
  // Makes every deferred object: before a change that could make them read
  // otherwise (a record renamed, added or erased) and before the file goes.
  void makeAllDeferred();
  size_t deferredCount() const { return m_deferred; }
  // Once reading is done, changes to records make the deferred objects first.
  void armDeferred() { m_deferredArmed = true; }
  bool deferredArmed() const { return m_deferredArmed && m_deferred != 0; }
  // Before the object changes or joins the database: the deferred objects
  // are made first when it is a table or record whose names they look up
  // (layers, line types, styles, applications...; blocks they do not).
  void beforeRecordChange(const OdDbObject* object);
  // Id of a handle, or null.
  OdDbObjectId getOdDbObjectId(OdDbHandle handle) const;
  OdDbHandle handseed() const { return m_nextHandle; }
  void setHandseed(OdDbHandle h) { if (OdUInt64(h) > OdUInt64(m_nextHandle)) m_nextHandle = h; }
  // Every object id, in handle order.
  OdDbObjectIdArray objectIds() const;

  OdDbObjectId getBlockTableId() const { return m_blockTable; }
  OdDbObjectId getLayerTableId() const { return m_layerTable; }
  OdDbObjectId getLinetypeTableId() const { return m_linetypeTable; }
  OdDbObjectId getTextStyleTableId() const { return m_textStyleTable; }
  OdDbObjectId getDimStyleTableId() const { return m_dimStyleTable; }
  OdDbObjectId getRegAppTableId() const { return m_regAppTable; }
  OdDbObjectId getUCSTableId() const { return m_ucsTable; }
  OdDbObjectId getViewTableId() const { return m_viewTable; }
  OdDbObjectId getViewportTableId() const { return m_viewportTable; }
  OdDbObjectId getNamedObjectsDictionaryId() const { return m_namedObjects; }
  OdDbObjectId getModelSpaceId() const { return m_modelSpace; }
  OdDbObjectId getPaperSpaceId() const { return m_paperSpace; }
  OdDbObjectId getLayerZeroId() const { return m_layerZero; }
  OdDbObjectId getLinetypeByLayerId() const { return m_ltByLayer; }
  OdDbObjectId getLinetypeByBlockId() const { return m_ltByBlock; }
  OdDbObjectId getLinetypeContinuousId() const { return m_ltContinuous; }
  // Used by file reading, which creates the well-known objects itself.
  void setWellKnownIds(OdDbObjectId blockTable, OdDbObjectId layerTable, OdDbObjectId linetypeTable,
                       OdDbObjectId textStyleTable, OdDbObjectId dimStyleTable, OdDbObjectId regAppTable,
                       OdDbObjectId ucsTable, OdDbObjectId viewTable, OdDbObjectId viewportTable,
                       OdDbObjectId namedObjects);
  // Finds model space, paper space, layer 0 and the special line types by
  // name; the spaces can be given (a file may name its model space otherwise).
  void resolveWellKnownRecords(OdDbObjectId modelSpace = OdDbObjectId(), OdDbObjectId paperSpace = OdDbObjectId());

  // Registers an application name for extended data; true when it exists afterwards.
  bool newRegApp(const OdString& appName);
  bool hasRegApp(const OdString& appName) const;

  OdDbHeaderVars& header() { return m_header; }
  const OdDbHeaderVars& header() const { return m_header; }

  // The classes a drawing file declares (CLASSES), in order: proxies name
  // theirs by position (500 for the first).
  struct DxfClass {
    OdString dxfName, className, appName;
    int proxyFlags = 0;
    bool entity = false;
  };
  const std::vector<DxfClass>& dxfClasses() const { return m_dxfClasses; }
  void setDxfClasses(const std::vector<DxfClass>& classes) { m_dxfClasses = classes; }
  bool getPSTYLEMODE() const { return m_header.pstylemode; }
  void setPSTYLEMODE(bool colorDependent) { m_header.pstylemode = colorDependent; }
  OdInt16 getLUNITS() const { return m_header.lunits; }
  OdInt16 getLUPREC() const { return m_header.luprec; }
  OdInt16 getINSUNITS() const { return m_header.insunits; }
  OdInt16 getSPLINESEGS() const { return m_header.splinesegs; }
  OdDbObjectId getCLAYER() const { return m_header.clayer; }
  OdCmColor getCECOLOR() const { return m_header.cecolor; }
  OdDbObjectId getCELTYPE() const { return m_header.celtype; }
  double getCELTSCALE() const { return m_header.celtscale; }
  OdDb::LineWeight getCELWEIGHT() const { return m_header.celweight; }
  OdCmTransparency getCETRANSPARENCY() const { return m_header.cetransparency; }
  OdGePoint3d getUCSORG() const { return m_header.ucsorg; }
  OdGeVector3d getUCSXDIR() const { return m_header.ucsxdir; }
  OdGeVector3d getUCSYDIR() const { return m_header.ucsydir; }
  // The file the drawing was read from; empty for a new drawing. Files it
  // names by relative paths (images, underlays) are looked for beside it.
  const std::string& getFilename() const { return m_filename; }
  void setFilename(const std::string& path) { m_filename = path; }
  // What the drawing's file held beyond the modelled objects; null for a new drawing.
  OdDxfDocument* dxfDocument() const { return m_dxf.get(); }
  void setDxfDocument(std::shared_ptr<OdDxfDocument> document) {
    if (m_deferred && m_dxf && m_dxf != document) makeAllDeferred();
    m_dxf = std::move(document);
  }

  // The layout the user works in: the model's while TILEMODE is on,
  // otherwise the layout of the paper space block.
  OdDbObjectId currentLayoutId();
  // Sets the current UCS; the axes are normalised, Y is made perpendicular to X.
  OdResult setCurrentUCS(const OdGePoint3d& origin, const OdGeVector3d& xAxis, const OdGeVector3d& yAxis);

private:
  OdDbObjectId addDefaultRecord(OdDbObjectId tableId, class OdDbSymbolTableRecord* record, const wchar_t* name);
  long m_nRefs = 1;
  OdDbHandle m_nextHandle = 1;
  // Stubs in blocks of many, so that their addresses stay put; handle order
  // is kept by the index below.
  class Stubs {
  public:
    OdDbStub& add() {
      if (m_blocks.empty() || m_last == kBlock) {
        m_blocks.emplace_back(new OdDbStub[kBlock]);
        m_last = 0;
      }
      return m_blocks.back()[m_last++];
    }
    template <class Visit>
    void each(Visit visit) {
      for (size_t b = 0; b < m_blocks.size(); ++b)
        for (size_t i = 0, n = b + 1 == m_blocks.size() ? m_last : kBlock; i < n; ++i) visit(m_blocks[b][i]);
    }

  private:
    static constexpr size_t kBlock = 4096;
    std::vector<std::unique_ptr<OdDbStub[]>> m_blocks;
    size_t m_last = 0;
  } m_stubs;
  mutable std::vector<std::pair<OdUInt64, OdDbStub*>> m_byHandle;
  mutable std::vector<std::pair<OdUInt64, OdDbStub*>> m_late;  // see index()
  OdDbObjectId lateLookup(OdUInt64 handle) const;
  void mergeLate() const;
  std::vector<OdDbStub*> m_unnumbered;
  std::map<OdDbStub*, OdDbHandle> m_preferred;
  bool m_numberLater = false;
  size_t m_deferred = 0;
  bool m_deferredArmed = false;
  OdDbStub* newStub(OdDbHandle handle);
  // Where a handle goes in the index by handle, and whether an object has it.
  size_t handlePlace(OdUInt64 handle, bool& taken) const;
  void index(size_t pos, OdDbStub* stub);
  mutable size_t m_placeHint = 0;
  mutable OdDbStub* m_lastLookup = nullptr;  // the stub the last lookup by handle found
  OdDbHeaderVars m_header;
  std::vector<DxfClass> m_dxfClasses;
  std::shared_ptr<OdDxfDocument> m_dxf;
  std::string m_filename;
  OdDbObjectId m_blockTable, m_layerTable, m_linetypeTable, m_textStyleTable, m_dimStyleTable, m_regAppTable,
      m_ucsTable, m_viewTable, m_viewportTable, m_namedObjects, m_modelSpace, m_paperSpace, m_layerZero,
      m_ltByLayer, m_ltByBlock, m_ltContinuous;
};
typedef OdSmartPtr<OdDbDatabase> OdDbDatabasePtr;


