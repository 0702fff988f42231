#pragma once
// The command-line host's own parts, shared by its commands: options, the
// open drawing, palettes of one object or of a selection, edits, and the
// text and JSON forms of what it shows.
#include <memory>
#include <nlohmann/json.hpp>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "CKdPropertiesContainerImpl.h"
#include "CKdPropertyBase.h"
#include "Db/DbDatabase.h"
#include "Dxf/DxfFile.h"
#include "KdValues.h"

namespace kdcli {

using nlohmann::json;

enum Exit { kOk = 0, kRefused = 1, kUsage = 2, kFileError = 3, kModuleError = 4 };

// A command line, request or value that cannot be used; the message says why.
struct UsageError : std::runtime_error {
  using std::runtime_error::runtime_error;
};

extern const char* const kUsageText;

struct Options {
  std::string command;
  std::string drawing;
  std::vector<std::string> handles;
  bool ucs = false, json = false, inPlace = false, rewrite = false, all = false;
  std::optional<long> index;
  std::string name, category, output;
  kdapp::EditValue edit;
  bool haveValue = false;
  std::optional<OdGePoint3d> ucsOrigin, ucsX, ucsY;
  std::string language;  // --lang; empty: the locale's
  OdDxfFormat format = OdDxfFormat::kAsRead;  // --binary, --ascii
  bool recover = false;                       // --recover: repair what can be repaired, and say so
};

Options parse(int argc, char** argv);
// The options a batch request gives as JSON keys (the command line's names).
Options fromRequest(const json& request);

// Reads a drawing file; recovering, the repairs made go to repairs.
OdDbDatabasePtr readDrawing(const std::string& path, bool recover, std::vector<OdDxfRepair>* repairs);
// The drawing of the options (the built-in sample when none), made the active
// document, with the UCS the options set.
// Recovering, the repairs go to repairs when given, else to standard error.
OdDbDatabasePtr openDrawing(const std::string& path, const Options& o, std::vector<OdDxfRepair>* repairs = nullptr);
// Makes the UCS the options give (if any) the drawing's current one.
void applyUcs(OdDbDatabase* db, const Options& o);
OdDbObjectId objectByHandle(OdDbDatabase* db, const std::string& handle);  // throws UsageError
std::vector<OdDbObjectId> objectsByHandles(OdDbDatabase* db, const std::vector<std::string>& handles);
// Entities of model space, paper space and block definitions, in drawing order.
std::vector<OdDbObjectId> allEntities(OdDbDatabase* db);
std::string className(const OdDbObject* object);
CKdVariant contextOf(const Options& o);

// What the palette shows for one object or a selection: the properties that
// every object has (matched by category and name), each with its value
// when all agree and marked as varying otherwise.
class Palette {
public:
  struct Row {
    std::vector<const CKdPropertyDescription*> perObject;  // one description for each object
    CKdVariant value;  // the first object's value; a choice list marked HasVaries when they differ
    bool varies = false;
    bool readOnly = false;
    const CKdPropertyDescription& description() const { return *perObject.front(); }
  };
  // The objects stay open as given; the filter class is their nearest common class.
  Palette(const std::vector<OdDbObjectPtr>& objects, const CKdVariant& context);
  const std::vector<Row>& rows() const { return m_rows; }
  const std::vector<OdDbObjectPtr>& objects() const { return m_objects; }
  const OdRxClass* commonClass() const { return m_common; }
  std::string displayName() const;  // the extension's display name when one class, else "*VARIES*"
  bool hasExtension() const { return !m_extensions.empty() && !m_extensions.front().isNull(); }
  // The row of the name (and category when given), or null.
  const Row* find(const std::string& name, const std::string& category) const;
  // Every row's value, varying mark and read-only state read anew (after an edit).
  void refresh(const CKdVariant& context);

private:
  void readValues(Row& row, const CKdVariant& context) const;
  std::vector<OdDbObjectPtr> m_objects;
  std::vector<CKdPropertyBasePtr> m_extensions;
  std::vector<std::unique_ptr<CKdPropertiesContainer>> m_containers;
  std::vector<Row> m_rows;
  const OdRxClass* m_common = nullptr;
};

// The outcome of an edit applied to each object of a selection.
struct EditOutcome {
  std::vector<std::pair<std::string, int>> results;  // handle, setter's answer
  bool anyAccepted() const;
  bool allAccepted() const;
};
// Calls the setter of the row on each object (opened for writing for the
// call). Throws UsageError when an object lacks the property or the value
// cannot be read.
EditOutcome applyEdit(OdDbDatabase* db, const std::vector<std::string>& handles, const Options& o);

// JSON forms.
json paletteJson(const Palette& palette);
json listingJson(const OdDbObject* object, bool inUcs);
json messagesJson();
json commandLineJson();
json editJson(const EditOutcome& outcome, bool saved);
// JSON text; text that is not UTF-8 is replaced, never refused.
std::string dump(const json& value, int indent);

// Text forms.
void printPalette(const Palette& palette);
void printListing(const OdDbObject* object, bool inUcs);
void printMessages();

// The commands: each answers its exit status.
int cmdDemo(const Options& o);
int cmdSample(const Options& o);
int cmdList(const Options& o);
int cmdProps(const Options& o);
int cmdSet(const Options& o);
int cmdClasses(const Options& o);
int cmdSave(const Options& o);
int cmdRecover(const Options& o);
int cmdBatch(const Options& o);
int cmdClassTree(const Options& o);
// Writes the drawing as "save" does; rewrite counts every object as changed.
void saveDrawing(OdDbDatabase* db, const std::string& path, bool rewrite, OdDxfFormat format = OdDxfFormat::kAsRead);

}  // namespace kdcli
