// The palette window on the offscreen platform: selecting in the list and
// in the plan, reading rows, edits that derived rows follow, a refusal
// shown in a message box that the test answers, undo and redo, "*VARIES*"
// across a selection, saving, a file that does not open, a class without
// its own extension, and the language switched while running.
#include <QApplication>
#include <QGraphicsItem>
#include <QGraphicsScene>
#include <QMessageBox>
#include <QTimer>
#include <QTreeWidget>
#include <QtTest>
#include <cmath>

#include "Db/DbDeclaredClasses.h"
#include "Db/DbLine.h"
#include "Dxf/DxfFile.h"
#include "KdLanguage.h"
#include "KdModuleLocator.h"
#include "Rx/RxModule.h"
#include "palette/KdPaletteWindow.h"

using kdpalette::PaletteWindow;

class PaletteTest : public QObject {
  Q_OBJECT
  OdRxModule* m_module = nullptr;
  std::unique_ptr<PaletteWindow> w;

  QString row(const char* name) const {
    for (const PaletteWindow::ShownRow& r : w->shownRows())
      if (r.nameSource == name) return r.value;
    return "<none>";
  }
  std::string handleOf(const char* dxfType, int nth = 0) const {  // by the type the list shows
    for (int i = 0; i < w->objectList()->topLevelItemCount(); ++i) {
      QTreeWidgetItem* item = w->objectList()->topLevelItem(i);
      if ((item->text(0) == dxfType || (QString(dxfType) == "Dimension" && item->text(0).endsWith("Dimension"))) && nth-- == 0)
        return item->text(1).toStdString();
    }
    return std::string();
  }

private slots:
  void initTestCase() {
    m_module = odrxDynamicLinker()->loadModule(kdapp::modulePath());
    QVERIFY(m_module);
  }
  void init() {
    w = std::make_unique<PaletteWindow>();
    QVERIFY(w->openDrawing(QString()));
  }
  void cleanup() { w.reset(); }
  void cleanupTestCase() { odrxDynamicLinker()->unloadModule(m_module); }

  void selectingInTheListAndInThePlan() {
    const std::string line = handleOf("Line");
    for (int i = 0; i < w->objectList()->topLevelItemCount(); ++i)
      if (w->objectList()->topLevelItem(i)->text(1).toStdString() == line) w->objectList()->topLevelItem(i)->setSelected(true);
    QCOMPARE(w->selection(), std::vector<std::string>{line});
    QCOMPARE(row("Start X"), QString("1.0000"));
    QVERIFY(w->listingText().contains("from point"));
    // A click in the plan picks the circle instead.
    const std::string circle = handleOf("Circle");
    w->planScene()->clearSelection();
    for (QGraphicsItem* item : w->planScene()->items())
      if (item->data(0).toString().toStdString() == circle) item->setSelected(true);
    QCOMPARE(w->selection(), std::vector<std::string>{circle});
    QVERIFY(row("Radius") != "<none>");
  }

  void anEditIsFollowedByTheDerivedRowsAndUndone() {
    const std::string line = handleOf("Line");
    w->select({line});
    const QString before = row("Length");
    QVERIFY(w->editRow("Start X", "2"));
    QCOMPARE(row("Start X"), QString("2.0000"));
    // From (2, 1) to (7, 4): the square root of 34.
    QCOMPARE(row("Length"), QString::number(std::sqrt(34.0), 'f', 4));
    QVERIFY(w->isModified());
    QVERIFY(w->windowTitle().contains("*"));
    QVERIFY(w->undo());
    QCOMPARE(row("Length"), before);
    QCOMPARE(row("Start X"), QString("1.0000"));
    QVERIFY(!w->isModified());
    QVERIFY(w->redo());
    QCOMPARE(row("Start X"), QString("2.0000"));

    // Saved and read back.
    const QString path = QDir::temp().filePath("kdpalette_test_saved.dxf");
    QVERIFY(w->saveAs(path));
    QVERIFY(!w->isModified());
    OdDbDatabasePtr back = odDxfReadFile(path.toStdString());
    OdDbLinePtr l = OdDbLine::cast(back->getOdDbObjectId(OdDbHandle(OdString::fromUtf8(line))).openObject());
    QVERIFY(!l.isNull());
    QCOMPARE(l->startPoint().x, 2.0);
    QFile::remove(path);
  }

  void aRefusedValueIsShownInAMessageBoxAndChangesNothing() {
    w->showMessage = [this](const QString& title, const QString& text) { QMessageBox::warning(w.get(), title, text); };
    // A circle takes a negative radius as its size; a dimension's text height is refused.
    const std::string dimension = handleOf("Dimension");
    w->select({dimension});
    const QString height = row("Text height");
    QString seen, seenTitle;
    QTimer::singleShot(0, [&] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      if (!box) return;
      seen = box->text();
      seenTitle = box->windowTitle();
      box->accept();
    });
    QVERIFY(!w->editRow("Text height", "-1"));
    QCOMPARE(seenTitle, QString("Error"));
    QCOMPARE(seen, QString("Value must be positive"));
    QCOMPARE(row("Text height"), height);
    QVERIFY(!w->isModified());
    QVERIFY(!w->undo());
  }

  void coloursByIndexLayerBlockAndTrueColour() {
    w->select({handleOf("Line")});
    QVERIFY(w->editRow("LineColor", "200"));
    QVERIFY(w->editRow("LineColor", "byblock"));
    QCOMPARE(row("LineColor"), QString("ByBlock"));
    QVERIFY(w->editRow("LineColor", "rgb:10,20,30"));
    QCOMPARE(row("LineColor"), QString("10,20,30"));
    QVERIFY(w->undo());
    QCOMPARE(row("LineColor"), QString("ByBlock"));
  }

  void aSelectionOfDifferentObjectsShowsVaries() {
    w->select({handleOf("Line", 0), handleOf("Line", 1), handleOf("Circle")});
    QCOMPARE(w->selection().size(), size_t(3));
    bool varies = false;
    for (const PaletteWindow::ShownRow& r : w->shownRows()) varies = varies || (r.varies && r.value == "*VARIES*");
    QVERIFY(varies);
    QCOMPARE(row("Start X"), QString("<none>"));  // not common to all
    QVERIFY(w->listingText().count("Handle") >= 3);
  }

  void aFileThatDoesNotOpenLeavesTheWindowAsItWas() {
    QString said;
    w->showMessage = [&](const QString&, const QString& text) { said = text; };
    OdDbDatabase* before = w->database();
    QVERIFY(!w->openDrawing("/nonexistent/drawing.dxf"));
    QVERIFY(said.contains("drawing.dxf"));
    QCOMPARE(w->database(), before);
  }

  void aClassWithoutItsOwnExtensionShowsTheGeneralRows() {
    OdDbBlockTableRecordPtr ms = w->database()->getModelSpaceId().safeOpenObject(OdDb::kForWrite);
    const OdDbObjectId id = ms->appendOdDbEntity(OdDbUnknownEntity::createObject());
    ms = nullptr;
    w->select({id.getHandle().ascii().toUtf8()});
    QCOMPARE(w->shownRows().size(), size_t(8));
    QVERIFY(w->listingText().contains("Handle"));
  }

  void theLanguageSwitchesWhileRunning() {
    w->select({handleOf("Line")});
    w->setLanguage("de");
    bool farbe = false;
    for (const PaletteWindow::ShownRow& r : w->shownRows()) farbe = farbe || (r.name == "Farbe" && r.nameSource == "LineColor");
    QVERIFY(farbe);
    QVERIFY(w->listingText().contains("Länge"));
    w->setLanguage("en");
    QCOMPARE(w->shownRows().front().name, QString("LineColor"));
    QVERIFY(w->listingText().contains("Length"));
  }
};

QTEST_MAIN(PaletteTest)
#include "palette_test.moc"
