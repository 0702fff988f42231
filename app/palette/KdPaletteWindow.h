#pragma once
// The desktop host: a drawing's plan view and object lists to select from,
// the properties palette of the selection as the module gives it (edited in
// place, with undo), and the listing of the selection.
#include <QColor>
#include <QMainWindow>
#include <QString>
#include <functional>
#include <string>
#include <vector>

#include "Db/DbDatabase.h"
#include "KdValues.h"

class QCheckBox;
class QComboBox;
class QGraphicsScene;
class QGraphicsView;
class QPlainTextEdit;
class QTreeWidget;
class QTreeWidgetItem;
class CKdPropertyDescription;

namespace kdpalette {

class PaletteWindow : public QMainWindow {
  Q_OBJECT
public:
  PaletteWindow();
  ~PaletteWindow() override;

  // Opens a drawing (an empty path: the built-in sample). A file that does
  // not open is reported in a message box and the window stays as it was.
  bool openDrawing(const QString& path);
  bool save();
  bool saveAs(const QString& path);
  OdDbDatabase* database() const { return m_db.get(); }
  bool isModified() const { return m_modified; }

  // The selection, by handle; unknown handles are left out.
  void select(const std::vector<std::string>& handles);
  std::vector<std::string> selection() const { return m_selection; }

  // The palette as shown: "Category/Name" -> value text ("*VARIES*" when
  // the selection differs), and whether the row is read-only.
  struct ShownRow {
    QString category, name, categorySource, nameSource, value;
    QString icon;   // its path in the module's collection
    QColor swatch;  // a colour's, when all agree
    bool readOnly = false, varies = false;
  };
  std::vector<ShownRow> shownRows() const;
  QString listingText() const;

  // An edit as the palette makes it: the row (by its English name and,
  // when given, category) set from text or, for choice lists, a tag. The
  // module's refusal is shown in a message box. True when accepted.
  bool editRow(const QString& name, const QString& text, const QString& category = QString());
  bool chooseRow(const QString& name, long tag, const QString& category = QString());
  bool undo();
  bool redo();

  // Shows the catalogue in "en" or "de" without restarting.
  void setLanguage(const QString& language);
  // Where messages go: a message box unless replaced.
  std::function<void(const QString& title, const QString& text)> showMessage;

  QTreeWidget* objectList() const { return m_objects; }
  QGraphicsScene* planScene() const { return m_scene; }

protected:
  void closeEvent(class QCloseEvent* event) override;
  void keyPressEvent(class QKeyEvent* event) override;

private:
  void buildMenus();
  void fillLists();
  void fillPlan();
  void refresh();
  void fillPalette();
  void fillListing();
  void updateTitle();
  std::vector<OdDbObjectPtr> selectedObjects() const;
  void markSelected();
  void syncSelectionFromList();
  void syncSelectionFromPlan();
  void syncSelectionFromRecords();
  void startEdit(QTreeWidgetItem* item, int column);
  bool apply(const QString& name, const QString& category, const kdapp::EditValue& edit);
  void restore(const std::string& text);
  void addRecent(const QString& path);

  OdDbDatabasePtr m_db;
  QString m_path;
  bool m_modified = false;
  bool m_syncing = false;
  std::vector<std::string> m_selection;
  std::vector<std::string> m_undo, m_redo;  // the drawing before each edit, written out
  QStringList m_recent;

  QGraphicsScene* m_scene = nullptr;
  QGraphicsView* m_plan = nullptr;
  QComboBox* m_space = nullptr;
  QComboBox* m_filter = nullptr;
  QTreeWidget* m_objects = nullptr;
  QTreeWidget* m_records = nullptr;
  QTreeWidget* m_palette = nullptr;
  QPlainTextEdit* m_listing = nullptr;
  QCheckBox* m_ucs = nullptr;
  class QMenu* m_recentMenu = nullptr;
};

}  // namespace kdpalette
