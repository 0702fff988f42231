#include "KdPaletteWindow.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QColorDialog>
#include <QComboBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QGraphicsItem>
#include <QGraphicsScene>
#include <QGraphicsView>
#include <QHeaderView>
#include <QInputDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPainterPath>
#include <QPainterPathStroker>
#include <QPlainTextEdit>
#include <QSettings>
#include <QSplitter>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <QWheelEvent>
#include <cmath>
#include <map>

#include "CKdDocument.h"
#include "CKdPrintObjectInfoPE.h"
#include "CKdPrintRecorder.h"
#include "CKdPropertyBase.h"
#include "CKdPropertyDescription.h"
#include "CKdSystemServices.h"
#include "CKdValueFormat.h"
#include "Db/DbDictionary.h"
#include "Db/DbPoint.h"
#include "Db/DbPolyline.h"
#include "Db/DbSymbolTable.h"
#include "Db/DbText.h"
#include "Dxf/DxfFile.h"
#include "Ge/GeExtents3d.h"
#include "KdLanguage.h"
#include "Rx/OdError.h"
#include "Rx/RxClass.h"
#include "cli/KdCli.h"

namespace kdpalette {
namespace {
const int kHandleRole = Qt::UserRole + 1;
const int kSourceRole = Qt::UserRole + 2;  // a row's English name and category

QString qs(const std::string& s) { return QString::fromStdString(s); }
QString qs(const CKdString& s) { return s.toQString(); }

// A plan view that zooms with the wheel and fits the drawing when resized.
class PlanView : public QGraphicsView {
public:
  using QGraphicsView::QGraphicsView;
  void fit() {
    if (scene() && !scene()->items().isEmpty())
      fitInView(scene()->itemsBoundingRect().adjusted(-1, -1, 1, 1), Qt::KeepAspectRatio);
  }

protected:
  void resizeEvent(QResizeEvent* e) override {
    QGraphicsView::resizeEvent(e);
    fit();
  }
  void wheelEvent(QWheelEvent* e) override {
    const double f = e->angleDelta().y() > 0 ? 1.25 : 0.8;
    setTransformationAnchor(QGraphicsView::AnchorUnderMouse);
    scale(f, f);
  }
};

// The value as a CAD user reads it: choices by their label, records by
// name, colours by name, lengths in the drawing's units.
QString shownValue(const CKdVariant& v, const CKdPropertyDescription& d, const OdDbDatabase* db) {
  switch (v.GetType()) {
    case CKdVariant::kEmpty: return QString();
    case CKdVariant::kString: return qs(v.GetString());
    case CKdVariant::kInt32:
      if (d.GetType().GetCustomTypeGuid() == CKdString(CKdPropertyType::kLineweightGUID)) {
        switch (v.GetInt32()) {
          case -1: return QCoreApplication::translate("info_values", "ByLayer");
          case -2: return QCoreApplication::translate("info_values", "ByBlock");
          case -3: return QCoreApplication::translate("info_values", "Default");
          default: return QString::number(v.GetInt32() / 100.0, 'f', 2) + " mm";
        }
      }
      return QString::number(v.GetInt32());
    case CKdVariant::kDouble: {
      const bool angle = d.GetType().GetCustomTypeGuid() == CKdString(CKdPropertyType::kAngleGUID) ||
                         d.GetType().GetCustomTypeGuid() == CKdString(CKdPropertyType::kOrientGUID);
      if (angle) return QString::number(v.GetDouble() * 180.0 / M_PI, 'g', 10) + QStringLiteral("°");
      // Lengths and coordinates in the drawing's unit format.
      if (v.IsDistance() && db) return kdunits::formatLength(v.GetDouble(), db->getLUNITS(), db->getLUPREC()).toQString();
      return QString::number(v.GetDouble(), 'g', 12);
    }
    case CKdVariant::kId: {
      OdDbSymbolTableRecordPtr r = OdDbSymbolTableRecord::cast(v.GetId().openObject());
      if (!r.isNull()) return qs(CKdString(r->getName()));
      break;
    }
    case CKdVariant::kColor: return qs(CKdString(v.GetColor().colorNameForDisplay()));
    case CKdVariant::kCollection: {
      const CKdVariantCollection& c = v.GetCollection();
      const int s = c.GetSelectedIndex();
      return s >= 0 && s < c.GetCount() ? shownValue(c.GetAt(s).GetValue(), d, db) : QString();
    }
    default:
      break;
  }
  // The rest (points, transparencies, unnamed ids) as the command line shows them, unquoted.
  std::string t = kdapp::toText(v, db);
  if (t.size() > 1 && t.front() == '"' && t.back() == '"') t = t.substr(1, t.size() - 2);
  return qs(t);
}
// The listing the module gives for the object's class, into the recorder.
void printListing(const OdDbObject* object, CKdPrintRecorder& recorder) {
  CKdPrintObjectInfoPEPtr info = CKdPrintObjectInfoPE::cast(object->isA()->getX(CKdPrintObjectInfoPE::desc()).get());
  if (!info.isNull()) info->PrintObjectInfo(object, &recorder);
}
}  // namespace

PaletteWindow::PaletteWindow() {
  showMessage = [this](const QString& title, const QString& text) { QMessageBox::warning(this, title, text); };
  m_scene = new QGraphicsScene(this);
  m_plan = new PlanView(m_scene);
  m_plan->setDragMode(QGraphicsView::RubberBandDrag);
  m_plan->setRenderHint(QPainter::Antialiasing);
  m_plan->setBackgroundBrush(QColor(33, 40, 48));
  m_space = new QComboBox;
  m_filter = new QComboBox;
  m_objects = new QTreeWidget;
  m_objects->setHeaderLabels({tr("Type"), tr("Handle"), tr("Layer")});
  m_objects->setSelectionMode(QAbstractItemView::ExtendedSelection);
  m_objects->setRootIsDecorated(false);
  m_records = new QTreeWidget;
  m_records->setHeaderLabels({tr("Record"), tr("Handle")});
  m_palette = new QTreeWidget;
  m_palette->setHeaderLabels({tr("Property"), tr("Value")});
  m_palette->header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
  m_palette->setAlternatingRowColors(true);
  m_listing = new QPlainTextEdit;
  m_listing->setReadOnly(true);
  m_listing->setLineWrapMode(QPlainTextEdit::NoWrap);
  m_listing->setFont(QFont("monospace"));
  m_ucs = new QCheckBox(tr("UCS coordinates"));

  QWidget* planPane = new QWidget;
  auto* planLayout = new QVBoxLayout(planPane);
  planLayout->setContentsMargins(0, 0, 0, 0);
  planLayout->addWidget(m_space);
  planLayout->addWidget(m_plan);
  QWidget* listPane = new QWidget;
  auto* listLayout = new QVBoxLayout(listPane);
  listLayout->setContentsMargins(0, 0, 0, 0);
  listLayout->addWidget(m_filter);
  listLayout->addWidget(m_objects, 3);
  listLayout->addWidget(new QLabel(tr("Records")));
  listLayout->addWidget(m_records, 2);
  QWidget* listingPane = new QWidget;
  auto* listingLayout = new QVBoxLayout(listingPane);
  listingLayout->setContentsMargins(0, 0, 0, 0);
  listingLayout->addWidget(m_ucs);
  listingLayout->addWidget(m_listing);
  auto* right = new QSplitter(Qt::Vertical);
  right->addWidget(m_palette);
  right->addWidget(listingPane);
  right->setStretchFactor(0, 3);
  right->setStretchFactor(1, 2);
  auto* main = new QSplitter(Qt::Horizontal);
  main->addWidget(planPane);
  main->addWidget(listPane);
  main->addWidget(right);
  main->setStretchFactor(0, 5);
  main->setStretchFactor(1, 2);
  main->setStretchFactor(2, 3);
  main->setSizes({520, 300, 460});
  setCentralWidget(main);
  buildMenus();

  connect(m_objects, &QTreeWidget::itemSelectionChanged, this, [this] { syncSelectionFromList(); });
  connect(m_records, &QTreeWidget::itemSelectionChanged, this, [this] { syncSelectionFromRecords(); });
  connect(m_scene, &QGraphicsScene::selectionChanged, this, [this] { syncSelectionFromPlan(); });
  connect(m_filter, QOverload<int>::of(&QComboBox::currentIndexChanged), this, [this] {
    const QString type = m_filter->currentData().toString();
    for (int i = 0; i < m_objects->topLevelItemCount(); ++i) {
      QTreeWidgetItem* item = m_objects->topLevelItem(i);
      item->setHidden(!type.isEmpty() && item->text(0) != type);
    }
  });
  connect(m_space, QOverload<int>::of(&QComboBox::currentIndexChanged), this, [this] { fillPlan(); });
  connect(m_ucs, &QCheckBox::toggled, this, [this] { fillListing(); });
  connect(m_palette, &QTreeWidget::itemDoubleClicked, this, [this](QTreeWidgetItem* item, int column) { startEdit(item, column); });
  resize(1280, 800);
  updateTitle();
}

PaletteWindow::~PaletteWindow() {
  // The scene's items and the palette refer to the drawing: gone first; the
  // host's active document must not outlive the drawing.
  m_scene->clear();
  m_palette->clear();
  if (ACTIVE_DOCUMENT() && ACTIVE_DOCUMENT()->GetDatabase() == m_db.get()) SetActiveKdDocument(nullptr);
}

void PaletteWindow::buildMenus() {
  QMenu* file = menuBar()->addMenu(tr("&File"));
  file->addAction(tr("&Open..."), this, [this] {
    const QString path = QFileDialog::getOpenFileName(this, tr("Open drawing"), QString(), tr("Drawings (*.dxf)"));
    if (!path.isEmpty()) openDrawing(path);
  }, QKeySequence::Open);
  m_recentMenu = file->addMenu(tr("Open &recent"));
  file->addAction(tr("Sample drawing"), this, [this] { openDrawing(QString()); });
  file->addAction(tr("&Save"), this, [this] { save(); }, QKeySequence::Save);
  file->addAction(tr("Save &as..."), this, [this] {
    const QString path = QFileDialog::getSaveFileName(this, tr("Save drawing"), m_path, tr("Drawings (*.dxf)"));
    if (!path.isEmpty()) saveAs(path);
  }, QKeySequence::SaveAs);
  file->addSeparator();
  file->addAction(tr("&Quit"), this, [this] { close(); }, QKeySequence::Quit);
  QMenu* edit = menuBar()->addMenu(tr("&Edit"));
  edit->addAction(tr("&Undo"), this, [this] { undo(); }, QKeySequence::Undo);
  edit->addAction(tr("&Redo"), this, [this] { redo(); }, QKeySequence(Qt::CTRL + Qt::Key_Y));
  QMenu* language = menuBar()->addMenu(tr("&Language"));
  language->addAction("English", this, [this] { setLanguage("en"); });
  language->addAction("Deutsch", this, [this] { setLanguage("de"); });
  m_recent = QSettings("KdProperties", "kdpalette").value("recent").toStringList();
  addRecent(QString());
}

void PaletteWindow::addRecent(const QString& path) {
  if (!path.isEmpty()) {
    m_recent.removeAll(path);
    m_recent.prepend(path);
    while (m_recent.size() > 8) m_recent.removeLast();
    QSettings("KdProperties", "kdpalette").setValue("recent", m_recent);
  }
  m_recentMenu->clear();
  for (const QString& p : m_recent) m_recentMenu->addAction(p, this, [this, p] { openDrawing(p); });
}

bool PaletteWindow::openDrawing(const QString& path) {
  OdDbDatabasePtr db;
  try {
    kdcli::Options o;
    db = kdcli::openDrawing(path.toStdString(), o);
  } catch (const std::exception& e) {
    showMessage(tr("Cannot open the drawing"), QString::fromUtf8(e.what()));
    if (m_db) SetActiveKdDocument(m_db.get());
    return false;
  }
  m_scene->clear();
  m_palette->clear();
  m_selection.clear();
  SetActiveKdDocument(db.get());
  m_db = db;
  m_path = path;
  m_modified = false;
  m_undo.clear();
  m_redo.clear();
  if (!path.isEmpty()) addRecent(path);
  fillLists();
  fillPlan();
  refresh();
  updateTitle();
  return true;
}

bool PaletteWindow::save() {
  if (m_path.isEmpty()) {
    const QString path = QFileDialog::getSaveFileName(this, tr("Save drawing"), QString(), tr("Drawings (*.dxf)"));
    return !path.isEmpty() && saveAs(path);
  }
  return saveAs(m_path);
}

bool PaletteWindow::saveAs(const QString& path) {
  if (!m_db) return false;
  try {
    odDxfWriteFile(m_db.get(), path.toStdString());  // to a temporary file, renamed when complete
  } catch (const std::exception& e) {
    showMessage(tr("Cannot save the drawing"), QString::fromUtf8(e.what()));
    return false;
  }
  m_path = path;
  m_modified = false;
  addRecent(path);
  updateTitle();
  return true;
}

void PaletteWindow::updateTitle() {
  const QString name = m_path.isEmpty() ? tr("Sample drawing") : QFileInfo(m_path).fileName();
  setWindowTitle(name + (m_modified ? " *" : "") + " - kdpalette");
}

void PaletteWindow::closeEvent(QCloseEvent* event) {
  if (m_modified) {
    const auto answer = QMessageBox::question(this, tr("Unsaved changes"), tr("Save the changes before closing?"),
                                              QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel);
    if (answer == QMessageBox::Cancel || (answer == QMessageBox::Save && !save())) {
      event->ignore();
      return;
    }
  }
  event->accept();
}

void PaletteWindow::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape) select({});
  else QMainWindow::keyPressEvent(event);
}

// ---------------------------------------------------------------- lists

void PaletteWindow::fillLists() {
  m_syncing = true;
  m_objects->clear();
  m_records->clear();
  std::map<QString, int> counts;
  for (const OdDbObjectId& id : kdcli::allEntities(m_db.get())) {
    OdDbEntityPtr e = OdDbEntity::cast(id.openObject());
    if (e.isNull()) continue;
    // The type as the palette names it ("Line"), else as files do.
    CKdPropertyBasePtr pe = CKdPropertyBase::cast(e->isA()->getX(CKdPropertyBase::desc()).get());
    const QString type = pe.isNull() ? qs(CKdString(e->isA()->dxfName())) : qs(pe->GetDisplayName(e));
    auto* item = new QTreeWidgetItem(m_objects, {type, qs(CKdString(e->handle().ascii())), qs(CKdString(e->layer()))});
    item->setData(0, kHandleRole, qs(CKdString(e->handle().ascii())));
    ++counts[type];
  }
  m_filter->clear();
  m_filter->addItem(tr("All (%1)").arg(m_objects->topLevelItemCount()), QString());
  for (const auto& c : counts) m_filter->addItem(QString("%1 (%2)").arg(c.first).arg(c.second), c.first);
  // Records: every one whose class has a palette, under its table.
  const std::pair<const char*, OdDbObjectId> tables[] = {
      {"Layer", m_db->getLayerTableId()},         {"Line style", m_db->getLinetypeTableId()},
      {"Text style", m_db->getTextStyleTableId()}, {"Dimension style", m_db->getDimStyleTableId()},
      {"View", m_db->getViewTableId()},           {"Viewport settings", m_db->getViewportTableId()}};
  for (const auto& t : tables) {
    OdDbSymbolTablePtr table = OdDbSymbolTable::cast(t.second.openObject());
    if (table.isNull()) continue;
    auto* group = new QTreeWidgetItem(m_records, {tr(t.first)});
    for (const OdDbObjectId& id : table->recordIds()) {
      OdDbSymbolTableRecordPtr r = OdDbSymbolTableRecord::cast(id.openObject());
      if (r.isNull()) continue;
      auto* item = new QTreeWidgetItem(group, {qs(CKdString(r->getName())), qs(CKdString(r->handle().ascii()))});
      item->setData(0, kHandleRole, qs(CKdString(r->handle().ascii())));
    }
  }
  // Records kept in named dictionaries: multiline styles, table styles, groups.
  const std::pair<const char*, const wchar_t*> dictionaries[] = {
      {"Multiline style", L"ACAD_MLINESTYLE"}, {"Table style", L"ACAD_TABLESTYLE"}, {"Group", L"ACAD_GROUP"}};
  for (const auto& d : dictionaries) {
    OdDbDictionaryPtr dict = OdDbDictionary::cast(odDbNamedObjectId(m_db.get(), d.second).openObject());
    if (dict.isNull()) continue;
    auto* group = new QTreeWidgetItem(m_records, {tr(d.first)});
    for (unsigned i = 0; i < dict->numEntries(); ++i) {
      const OdDbObjectId id = dict->ids()[i];
      if (id.isNull() || id.isErased()) continue;
      auto* item = new QTreeWidgetItem(group, {qs(CKdString(dict->keys()[i])), qs(CKdString(id.getHandle().ascii()))});
      item->setData(0, kHandleRole, qs(CKdString(id.getHandle().ascii())));
    }
  }
  // The spaces: the model, then each layout's block.
  m_space->clear();
  m_space->addItem(tr("Model"), qs(CKdString(m_db->getModelSpaceId().getHandle().ascii())));
  OdDbSymbolTablePtr blocks = OdDbSymbolTable::cast(m_db->getBlockTableId().openObject());
  const OdDbObjectIdArray blockIds = blocks.isNull() ? OdDbObjectIdArray() : blocks->recordIds();
  for (const OdDbObjectId& id : blockIds) {
    OdDbBlockTableRecordPtr b = OdDbBlockTableRecord::cast(id.openObject());
    if (b.isNull() || id == m_db->getModelSpaceId() || (!b->isLayout() && id != m_db->getPaperSpaceId())) continue;
    m_space->addItem(tr("Layout %1").arg(qs(CKdString(b->getName()))), qs(CKdString(id.getHandle().ascii())));
  }
  m_syncing = false;
}

// The plan: each entity of the space drawn from its own geometry (curves
// along their parameter, texts as their box, the rest as their extents).
void PaletteWindow::fillPlan() {
  m_syncing = true;
  m_scene->clear();
  if (!m_db) return;
  const OdDbHandle spaceHandle(OdString::fromUtf8(m_space->currentData().toString().toStdString()));
  OdDbBlockTableRecordPtr space = OdDbBlockTableRecord::cast(m_db->getOdDbObjectId(spaceHandle).openObject());
  if (space.isNull()) {
    m_syncing = false;
    return;
  }
  QPen pen(QColor(230, 230, 230));
  pen.setCosmetic(true);
  for (const OdDbObjectId& id : space->entityIds()) {
    OdDbEntityPtr e = OdDbEntity::cast(id.openObject());
    if (e.isNull()) continue;
    QPainterPath path;
    OdDbPolylinePtr wide = OdDbPolyline::cast(e);
    if (wide && wide->numVerts() > 1) {
      // A polyline with widths: each segment as the outline of its band.
      const unsigned n = wide->isClosed() ? wide->numVerts() : wide->numVerts() - 1;
      for (unsigned i = 0; i < n; ++i) {
        double sw = 0, ew = 0;
        wide->getWidthsAt(i, sw, ew);
        const double w = wide->getConstantWidth() > 0 ? wide->getConstantWidth() : (sw + ew) / 2;
        QPainterPath segment;
        OdGePoint3d p;
        for (int k = 0; k <= 16; ++k)
          if (wide->getPointAtParam(i + k / 16.0, p) == eOk) {
            if (segment.elementCount() == 0) segment.moveTo(p.x, -p.y);
            else segment.lineTo(p.x, -p.y);
          }
        if (w > 0) {
          QPainterPathStroker stroker;
          stroker.setWidth(w);
          stroker.setCapStyle(Qt::FlatCap);
          path.addPath(stroker.createStroke(segment));
        } else {
          path.addPath(segment);
        }
      }
    } else if (OdDbCurvePtr c = OdDbCurve::cast(e)) {
      double t0 = 0, t1 = 0;
      OdGePoint3d p;
      if (c->getStartParam(t0) == eOk && c->getEndParam(t1) == eOk && std::isfinite(t0) && std::isfinite(t1) &&
          std::fabs(t1 - t0) < 1e6) {
        const int n = std::max(48, int(std::ceil(std::fabs(t1 - t0))) * 8);
        for (int k = 0; k <= n; ++k)
          if (c->getPointAtParam(t0 + (t1 - t0) * k / n, p) == eOk) {
            if (path.elementCount() == 0) path.moveTo(p.x, -p.y);
            else path.lineTo(p.x, -p.y);
          }
      }
    }
    if (path.elementCount() == 0) {
      if (OdDbPointPtr point = OdDbPoint::cast(e)) {
        // A point: a small cross that keeps its size whatever the zoom.
        const OdGePoint3d p = point->position();
        auto* cross = new QGraphicsPathItem;
        QPainterPath mark;
        mark.moveTo(-4, 0);
        mark.lineTo(4, 0);
        mark.moveTo(0, -4);
        mark.lineTo(0, 4);
        cross->setPath(mark);
        cross->setPen(pen);
        cross->setPos(p.x, -p.y);
        cross->setFlag(QGraphicsItem::ItemIgnoresTransformations);
        cross->setFlag(QGraphicsItem::ItemIsSelectable);
        cross->setData(0, qs(CKdString(e->handle().ascii())));
        m_scene->addItem(cross);
        continue;
      }
      if (OdDbTextPtr t = OdDbText::cast(e)) {
        // The text's outlines in the window's sans font, at the text's height, width factor and angle.
        QFont font("Sans");
        font.setPixelSize(100);
        QPainterPath glyphs;
        glyphs.addText(0, 0, font, qs(CKdString(t->textString())));
        const double s = t->height() / (0.72 * 100);
        const OdGePoint3d p = t->position();
        QTransform turn;
        turn.translate(p.x, -p.y);
        turn.rotateRadians(-t->rotation());
        turn.scale(s * t->widthFactor(), s);
        path = turn.map(glyphs);
      } else {
        OdGeExtents3d box;
        if (e->getGeomExtents(box) == eOk) {
          path.addRect(QRectF(QPointF(box.minPoint().x, -box.maxPoint().y), QPointF(box.maxPoint().x, -box.minPoint().y)));
        } else {
          // Otherwise the box of the points its listing names (defining points, insertion, location).
          CKdPrintRecorder recorder(m_db.get());
          printListing(e, recorder);
          QPolygonF points;
          for (const CKdPrintRecord& r : recorder.Records())
            if ((r.operation == CKdPrintRecord::kPoint || r.operation == CKdPrintRecord::kPoint2d) && r.point.isFinite() &&
                std::fabs(r.point.x) < 1e15 && std::fabs(r.point.y) < 1e15)
              points << QPointF(r.point.x, -r.point.y);
          if (points.size() > 1) {
            const QRectF box = points.boundingRect();
            path.addRect(box.width() > 0 || box.height() > 0 ? box : box.adjusted(-0.5, -0.5, 0.5, 0.5));
          } else if (points.size() == 1) {
            path.addRect(QRectF(points.front() - QPointF(0.5, 0.5), QSizeF(1, 1)));
          }
        }
      }
    }
    if (path.elementCount() == 0) continue;
    QGraphicsPathItem* item = m_scene->addPath(path, pen);
    item->setFlag(QGraphicsItem::ItemIsSelectable);
    item->setData(0, qs(CKdString(e->handle().ascii())));
    item->setSelected(std::find(m_selection.begin(), m_selection.end(), e->handle().ascii().toUtf8()) != m_selection.end());
  }
  static_cast<PlanView*>(m_plan)->fit();
  m_syncing = false;
  markSelected();
}

void PaletteWindow::select(const std::vector<std::string>& handles) {
  m_selection.clear();
  for (const std::string& h : handles) {
    const OdDbObjectId id = m_db ? m_db->getOdDbObjectId(OdDbHandle(OdString::fromUtf8(h))) : OdDbObjectId();
    if (!id.isNull() && !id.isErased()) m_selection.push_back(id.getHandle().ascii().toUtf8());
  }
  m_syncing = true;
  for (int i = 0; i < m_objects->topLevelItemCount(); ++i) {
    QTreeWidgetItem* item = m_objects->topLevelItem(i);
    const std::string h = item->data(0, kHandleRole).toString().toStdString();
    item->setSelected(std::find(m_selection.begin(), m_selection.end(), h) != m_selection.end());
  }
  for (QGraphicsItem* item : m_scene->items()) {
    const std::string h = item->data(0).toString().toStdString();
    item->setSelected(std::find(m_selection.begin(), m_selection.end(), h) != m_selection.end());
  }
  m_syncing = false;
  markSelected();
  refresh();
}

// Selected objects drawn in the highlight colour.
void PaletteWindow::markSelected() {
  for (QGraphicsItem* item : m_scene->items())
    if (auto* path = dynamic_cast<QGraphicsPathItem*>(item)) {
      QPen pen = path->pen();
      pen.setColor(item->isSelected() ? QColor(80, 170, 255) : QColor(230, 230, 230));
      pen.setWidthF(item->isSelected() ? 2.0 : 1.0);
      path->setPen(pen);
    }
}

void PaletteWindow::syncSelectionFromList() {
  if (m_syncing) return;
  std::vector<std::string> handles;
  for (QTreeWidgetItem* item : m_objects->selectedItems()) handles.push_back(item->data(0, kHandleRole).toString().toStdString());
  select(handles);
}

void PaletteWindow::syncSelectionFromPlan() {
  if (m_syncing) return;
  std::vector<std::string> handles;
  for (QGraphicsItem* item : m_scene->selectedItems()) handles.push_back(item->data(0).toString().toStdString());
  select(handles);
}

void PaletteWindow::syncSelectionFromRecords() {
  if (m_syncing) return;
  const QList<QTreeWidgetItem*> items = m_records->selectedItems();
  if (items.isEmpty() || items.front()->data(0, kHandleRole).isNull()) return;
  select({items.front()->data(0, kHandleRole).toString().toStdString()});
}

// -------------------------------------------------------------- palette

void PaletteWindow::refresh() {
  fillPalette();
  fillListing();
}

std::vector<OdDbObjectPtr> PaletteWindow::selectedObjects() const {
  std::vector<OdDbObjectPtr> objects;
  for (const std::string& h : m_selection) {
    OdDbObjectPtr o = m_db->getOdDbObjectId(OdDbHandle(OdString::fromUtf8(h))).openObject();
    if (!o.isNull()) objects.push_back(o);
  }
  return objects;
}

std::vector<PaletteWindow::ShownRow> PaletteWindow::shownRows() const {
  std::vector<ShownRow> rows;
  if (!m_db || m_selection.empty()) return rows;
  const kdcli::Palette palette(selectedObjects(), CKdVariant());
  for (const kdcli::Palette::Row& r : palette.rows()) {
    const CKdPropertyDescription& d = r.description();
    ShownRow row;
    row.categorySource = kdapp::sourceText("property_groups", qs(d.GetCategory()));
    row.nameSource = kdapp::sourceText("property_types", qs(d.GetName()));
    // Static names were translated once; the current language shows them anew.
    row.category = QCoreApplication::translate("property_groups", row.categorySource.toUtf8().constData());
    row.name = QCoreApplication::translate("property_types", row.nameSource.toUtf8().constData());
    row.readOnly = r.readOnly;
    row.varies = r.varies;
    row.value = r.varies ? QStringLiteral("*VARIES*") : shownValue(r.value, d, m_db.get());
    row.icon = qs(d.GetIcon().path());
    if (r.value.GetType() == CKdVariant::kColor && !r.varies) {
      const OdCmColor c = r.value.GetColor();
      row.swatch = QColor(int(c.red()), int(c.green()), int(c.blue()));
    }
    rows.push_back(row);
  }
  return rows;
}

void PaletteWindow::fillPalette() {
  m_palette->clear();
  // Categories in the order their first rows come.
  std::map<QString, QTreeWidgetItem*> categories;
  for (const ShownRow& row : shownRows()) {
    QTreeWidgetItem*& group = categories[row.category];
    if (!group) {
      group = new QTreeWidgetItem(m_palette, {row.category});
      group->setFirstColumnSpanned(true);
      QFont bold = group->font(0);
      bold.setBold(true);
      group->setFont(0, bold);
      group->setExpanded(true);
    }
    auto* item = new QTreeWidgetItem(group, {row.name, row.value});
    item->setData(0, kSourceRole, QStringList{row.nameSource, row.categorySource});
    item->setIcon(0, QIcon(row.icon));  // from the module's collection
    if (row.swatch.isValid()) {
      QPixmap swatch(12, 12);
      swatch.fill(row.swatch);
      item->setIcon(1, QIcon(swatch));
    }
    if (row.readOnly) {
      item->setForeground(0, QColor(140, 140, 140));
      item->setForeground(1, QColor(140, 140, 140));
    }
  }
}

QString PaletteWindow::listingText() const {
  QString out;
  for (const OdDbObjectPtr& o : selectedObjects()) {
    CKdPrintRecorder recorder(m_db.get());
    recorder.SetPrintInUCS(m_ucs->isChecked());
    printListing(o, recorder);
    out += recorder.Text().toQString() + "\n";
  }
  return out;
}

void PaletteWindow::fillListing() { m_listing->setPlainText(m_db ? listingText() : QString()); }

// ------------------------------------------------------------- editing

void PaletteWindow::startEdit(QTreeWidgetItem* item, int) {
  if (!item || !item->parent() || item->foreground(1).color() == QColor(140, 140, 140)) return;
  const QStringList source = item->data(0, kSourceRole).toStringList();
  const QString name = source.value(0), category = source.value(1);
  // The current value decides the editor: a list of choices, a colour, or text.
  const kdcli::Palette palette(selectedObjects(), CKdVariant());
  const kdcli::Palette::Row* row = palette.find(name.toStdString(), category.toStdString());
  if (!row) return;
  const CKdVariant value = row->value;
  if (value.GetType() == CKdVariant::kCollection) {
    auto* box = new QComboBox;
    const CKdVariantCollection& c = value.GetCollection();
    for (int i = 0; i < c.GetCount(); ++i) {
      const CKdVariant tag = c.GetAt(i).GetTag();
      box->addItem(shownValue(c.GetAt(i).GetValue(), row->description(), m_db.get()),
                   tag.GetType() == CKdVariant::kId ? QVariant(qs(CKdString(tag.GetId().getHandle().ascii())))
                                                    : QVariant(qlonglong(tag.GetInt32())));
    }
    box->setCurrentIndex(c.GetSelectedIndex());
    m_palette->setItemWidget(item, 1, box);
    connect(box, QOverload<int>::of(&QComboBox::activated), this, [this, box, name, category](int) {
      const QVariant tag = box->currentData();
      kdapp::EditValue edit;
      edit.kind = tag.type() == QVariant::String ? kdapp::EditValue::kChoiceHandle : kdapp::EditValue::kChoice;
      edit.text = tag.toString().toStdString();
      apply(name, category, edit);
    });
    return;
  }
  if (value.GetType() == CKdVariant::kColor) {
    QMenu menu;
    const std::pair<QString, QString> fixed[] = {{tr("ByLayer"), "bylayer"}, {tr("ByBlock"), "byblock"}};
    for (const auto& f : fixed) menu.addAction(f.first)->setData(f.second);
    for (int i = 1; i <= 9; ++i) menu.addAction(tr("Index %1").arg(i))->setData(QString::number(i));
    menu.addAction(tr("Other index..."))->setData("index");
    menu.addAction(tr("True colour..."))->setData("rgb");
    QAction* chosen = menu.exec(QCursor::pos());
    if (!chosen) return;
    QString text = chosen->data().toString();
    if (text == "index") {
      bool ok = false;
      const int index = QInputDialog::getInt(this, tr("Index colour"), tr("Index (1 to 255)"), 10, 1, 255, 1, &ok);
      if (!ok) return;
      text = QString::number(index);
    }
    if (text == "rgb") {
      const QColor c = QColorDialog::getColor(Qt::white, this);
      if (!c.isValid()) return;
      text = QString("rgb:%1,%2,%3").arg(c.red()).arg(c.green()).arg(c.blue());
    }
    editRow(name, text, category);
    return;
  }
  auto* line = new QLineEdit(item->text(1));
  m_palette->setItemWidget(item, 1, line);
  line->setFocus();
  connect(line, &QLineEdit::editingFinished, this, [this, line, name, category] {
    const QString text = line->text();
    line->deleteLater();
    editRow(name, text, category);
  });
}

bool PaletteWindow::editRow(const QString& name, const QString& text, const QString& category) {
  kdapp::EditValue edit;
  edit.kind = kdapp::EditValue::kText;
  edit.text = text.toStdString();
  return apply(name, category, edit);
}

bool PaletteWindow::chooseRow(const QString& name, long tag, const QString& category) {
  kdapp::EditValue edit;
  edit.kind = kdapp::EditValue::kChoice;
  edit.text = std::to_string(tag);
  return apply(name, category, edit);
}

// The setter of the row on every selected object; the drawing as it was
// before goes on the undo stack only when something changed.
bool PaletteWindow::apply(const QString& name, const QString& category, const kdapp::EditValue& edit) {
  if (!m_db || m_selection.empty()) return false;
  const std::string before = odDxfWriteString(m_db.get());
  kdcli::Options o;
  o.name = name.toStdString();
  o.category = category.toStdString();
  o.edit = edit;
  o.haveValue = true;
  kdcli::EditOutcome outcome;
  try {
    outcome = kdcli::applyEdit(m_db.get(), m_selection, o);
  } catch (const std::exception& e) {
    showMessage(tr("Error"), QString::fromUtf8(e.what()));
    refresh();
    return false;
  }
  for (const CKdMessageRecord& m : GetKdSystemServices()->Messages()) showMessage(qs(m.title), qs(m.text));
  GetKdSystemServices()->ClearRecords();
  if (!outcome.anyAccepted()) {
    refresh();
    return false;
  }
  m_undo.push_back(before);
  m_redo.clear();
  m_modified = true;
  updateTitle();
  fillPlan();
  refresh();
  return true;
}

void PaletteWindow::restore(const std::string& text) {
  const std::vector<std::string> selected = m_selection;
  m_scene->clear();
  m_palette->clear();
  m_selection.clear();
  OdDbDatabasePtr restored = odDxfReadString(text, m_path.toStdString());
  SetActiveKdDocument(restored.get());
  m_db = restored;
  fillLists();
  fillPlan();
  select(selected);
}

bool PaletteWindow::undo() {
  if (m_undo.empty()) return false;
  m_redo.push_back(odDxfWriteString(m_db.get()));
  restore(m_undo.back());
  m_undo.pop_back();
  m_modified = !m_undo.empty();
  updateTitle();
  return true;
}

bool PaletteWindow::redo() {
  if (m_redo.empty()) return false;
  m_undo.push_back(odDxfWriteString(m_db.get()));
  restore(m_redo.back());
  m_redo.pop_back();
  m_modified = true;
  updateTitle();
  return true;
}

void PaletteWindow::setLanguage(const QString& language) {
  QString error;
  if (!kdapp::useLanguage(language, error)) showMessage(tr("Language"), error);
  refresh();
}

}  // namespace kdpalette
