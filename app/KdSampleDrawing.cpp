#include "KdSampleDrawing.h"

#include <array>
#include <cmath>

#include "CKdUtils.h"
#include "Db/Db2dPolyline.h"
#include "Db/Db3dPolyline.h"
#include "Db/DbArc.h"
#include "Db/DbAttribute.h"
#include "Db/DbBlockReference.h"
#include "Db/DbDynBlock.h"
#include "Db/DbLeader.h"
#include "Db/DbLight.h"
#include "Db/DbTable.h"
#include "Db/DbOle2Frame.h"
#include "Db/DbLayout.h"
#include "Db/DbRasterImage.h"
#include "Db/DbUnderlay.h"
#include "Db/DbViewport.h"
#include "Db/DbMesh.h"
#include "Db/DbModelerEntities.h"
#include "CKdCloudBase.h"
#include "Db/DbCircle.h"
#include "Db/DbDeclaredClasses.h"
#include "Db/DbEllipse.h"
#include "Db/DbLine.h"
#include "Db/DbMText.h"
#include "Db/DbMline.h"
#include "Db/DbArcAlignedText.h"
#include "Db/DbDimStyleTableRecord.h"
#include "Db/DbDimension.h"
#include "Db/DbDimensionKinds.h"
#include "Db/DbCorners.h"
#include "Db/DbShape.h"
#include "Db/DbSpline.h"
#include "Db/DbHelix.h"
#include "Db/DbHatch.h"
#include "CKdHatchPatterns.h"
#include "Db/DbDictionary.h"
#include "Db/DbPoint.h"
#include "Db/DbPolyline.h"
#include "Db/DbRay.h"
#include "Db/DbSymbolTable.h"
#include "Db/DbText.h"
#include "Db/DbTextStyleTableRecord.h"
#include "Db/DbXline.h"
#include "Ge/GeConst.h"

namespace kdapp {
namespace {
OdDbObjectId addLayer(OdDbDatabase* db, const wchar_t* name, OdInt16 color) {
  OdDbSymbolTablePtr layers = db->getLayerTableId().safeOpenObject(OdDb::kForWrite);
  OdDbLayerTableRecordPtr layer = OdDbLayerTableRecord::createObject();
  layer->setName(name);
  layer->setColor(OdCmColor::fromIndex(color));
  layer->setLinetypeObjectId(db->getLinetypeContinuousId());
  return layers->add(layer);
}

OdDbObjectId addLinetype(OdDbDatabase* db, const wchar_t* name, const wchar_t* comments, double dash, double gap) {
  OdDbSymbolTablePtr linetypes = db->getLinetypeTableId().safeOpenObject(OdDb::kForWrite);
  OdDbLinetypeTableRecordPtr linetype = OdDbLinetypeTableRecord::createObject();
  linetype->setName(name);
  linetype->setComments(comments);
  OdArray<double> dashes;
  dashes.append(dash);
  dashes.append(-gap);
  linetype->setDashes(dashes);
  return linetypes->add(linetype);
}

template <class T>
OdSmartPtr<T> add(OdDbDatabase* db, OdSmartPtr<T> entity, OdDbObjectId layer) {
  OdDbBlockTableRecordPtr ms = db->getModelSpaceId().safeOpenObject(OdDb::kForWrite);
  ms->appendOdDbEntity(entity);
  entity->setLayer(layer);
  return entity;
}

// A block definition of the drawing, with its units and scaling rule.
OdDbBlockTableRecordPtr addBlock(OdDbDatabase* db, const wchar_t* name, OdDb::UnitsValue units,
                                 OdDb::BlockScaling scaling) {
  OdDbSymbolTablePtr blocks = db->getBlockTableId().safeOpenObject(OdDb::kForWrite);
  OdDbBlockTableRecordPtr block = OdDbBlockTableRecord::createObject();
  block->setName(name);
  block->setBlockInsertUnits(units);
  block->setBlockScaling(scaling);
  blocks->add(block);
  return block;
}

OdDbAttributeDefinitionPtr addDefinition(OdDbBlockTableRecord* block, const wchar_t* tag, const wchar_t* prompt,
                                         const wchar_t* value, const OdGePoint3d& at) {
  OdDbAttributeDefinitionPtr def = OdDbAttributeDefinition::createObject();
  block->appendOdDbEntity(def);
  def->setTag(tag);
  def->setPrompt(prompt);
  def->setTextString(value);
  def->setPosition(at);
  def->setHeight(0.18);
  return def;
}

// A reference with an attribute for every definition of its block, holding the values given in order.
OdDbBlockReferencePtr insert(OdDbDatabase* db, OdDbObjectId block, const OdGePoint3d& at, double scale,
                             double rotation, OdDbObjectId layer, std::initializer_list<const wchar_t*> values) {
  OdDbBlockReferencePtr ref = add(db, OdDbBlockReference::createObject(), layer);
  ref->setBlockTableRecord(block);
  ref->setPosition(at);
  ref->setScaleFactors(OdGeScale3d(scale));
  ref->setRotation(rotation);
  OdDbBlockTableRecordPtr record = block.safeOpenObject();
  auto value = values.begin();
  for (const OdDbObjectId& id : record->entityIds()) {
    OdDbAttributeDefinitionPtr def = OdDbAttributeDefinition::cast(id.openObject());
    if (def.isNull()) continue;
    OdDbAttributePtr attribute = OdDbAttribute::createObject();
    ref->appendAttribute(attribute);
    attribute->setAttributeFromBlock(def, ref->blockTransform());
    if (value != values.end()) attribute->setTextString(*value++);
  }
  return ref;
}
}  // namespace

OdDbDatabasePtr makeSampleDrawing() {
  OdDbDatabasePtr db(new OdDbDatabase, kOdRxObjAttach);
  db->header().acadver = L"AC1027";
  db->newRegApp(CKdUtils::HyperlinkApp());
  const OdDbObjectId walls = addLayer(db, L"Walls", 1);
  const OdDbObjectId axes = addLayer(db, L"Axes", 5);
  addLayer(db, L"SITE|Survey", 3);  // a layer of an external reference
  const OdDbObjectId dashed = addLinetype(db, L"DASHED", L"Dashed __ __ __", 0.5, 0.25);

  OdDbLinePtr line = add(db.get(), OdDbLine::createObject(), walls);
  line->setStartPoint(OdGePoint3d(1, 1, 0));
  line->setEndPoint(OdGePoint3d(7, 4, 0));
  line->setColor(OdCmColor::fromIndex(2));
  CKdUtils::SetHyperLink(line, L"https://example.org/walls/north");

  OdDbLinePtr riser = add(db.get(), OdDbLine::createObject(), walls);
  riser->setStartPoint(OdGePoint3d(7, 4, 0));
  riser->setEndPoint(OdGePoint3d(7, 4, 3));
  riser->setThickness(0.2);
  riser->setLinetype(dashed);

  OdDbRayPtr ray = add(db.get(), OdDbRay::createObject(), axes);
  ray->setBasePoint(OdGePoint3d(0, 0, 0));
  ray->setUnitDir(OdGeVector3d(1, 1, 0));

  OdDbXlinePtr xline = add(db.get(), OdDbXline::createObject(), axes);
  xline->setBasePoint(OdGePoint3d(2, -1, 0));
  xline->setUnitDir(OdGeVector3d(0, 1, 0));
  OdCmTransparency half;
  half.setAlpha(128);
  xline->setTransparency(half);

  OdDbPointPtr point = add(db.get(), OdDbPoint::createObject(), walls);
  point->setPosition(OdGePoint3d(0, 5, 0));
  point->setThickness(1.5);

  OdDbCirclePtr circle = add(db.get(), OdDbCircle::createObject(), walls);
  circle->setCenter(OdGePoint3d(4, 2, 0));
  circle->setRadius(1.25);

  OdDbArcPtr arc = add(db.get(), OdDbArc::createObject(), walls);
  arc->setCenter(OdGePoint3d(10, 2, 0));
  arc->setRadius(2.0);
  arc->setStartAngle(OdaPI / 6);
  arc->setEndAngle(OdaPI);
  arc->setThickness(0.5);

  OdDbEllipsePtr ellipse = add(db.get(), OdDbEllipse::createObject(), axes);
  ellipse->set(OdGePoint3d(15, 2, 0), OdGeVector3d::kZAxis, OdGeVector3d(3, 0, 0), 0.5);

  OdDbObjectId narrow;
  {
    OdDbSymbolTablePtr styles = db->getTextStyleTableId().safeOpenObject(OdDb::kForWrite);
    OdDbTextStyleTableRecordPtr style = OdDbTextStyleTableRecord::createObject();
    style->setName(L"Narrow");
    style->setFileName(L"arialn.ttf");
    style->setXScale(0.8);
    style->setObliquingAngle(OdaPI / 12);
    narrow = styles->add(style);
    style->setTypeface(L"Arial Narrow");
  }
  struct SampleText {
    const wchar_t* text;
    OdDb::TextHorzMode horz;
    OdDb::TextVertMode vert;
    OdGePoint3d at;
  };
  const SampleText texts[] = {{L"North wall", OdDb::kTextLeft, OdDb::kTextBase, OdGePoint3d(1, 6, 0)},
                              {L"Room 1.04", OdDb::kTextRight, OdDb::kTextTop, OdGePoint3d(12, 6, 0)},
                              {L"Axis A", OdDb::kTextCenter, OdDb::kTextVertMid, OdGePoint3d(4, -2, 0)}};
  for (const SampleText& st : texts) {
    OdDbTextPtr text = add(db.get(), OdDbText::createObject(), walls);
    text->setTextString(st.text);
    text->setHeight(0.35);
    text->setHorizontalMode(st.horz);
    text->setVerticalMode(st.vert);
    text->setPosition(st.at);
    text->setAlignmentPoint(st.at);
    text->adjustAlignment();
  }
  OdDbTextPtr aligned = add(db.get(), OdDbText::createObject(), axes);
  aligned->setTextString(L"Section B-B");
  aligned->setTextStyle(narrow);
  aligned->setPosition(OdGePoint3d(0, 10, 0));
  aligned->setAlignmentPoint(OdGePoint3d(6, 12, 0));
  aligned->setHorizontalMode(OdDb::kTextAlign);
  aligned->adjustAlignment();

  OdDbEllipsePtr ellipticalArc = add(db.get(), OdDbEllipse::createObject(), axes);
  ellipticalArc->set(OdGePoint3d(15, 8, 0), OdGeVector3d::kZAxis, OdGeVector3d(0, 2, 0), 0.6, 0.0, OdaPI);
  // A room outline with a bay window (a half circle) and a wider threshold segment.
  OdDbPolylinePtr room = add(db.get(), OdDbPolyline::createObject(), walls);
  const double outline[][3] = {{20, 0, 0}, {28, 0, 0}, {28, 6, 0}, {26, 6, 1}, {22, 6, 0}, {20, 6, 0}};
  for (const auto& v : outline) room->addVertexAt(room->numVerts(), OdGePoint2d(v[0], v[1]), v[2]);
  room->setClosed(true);
  room->setWidthsAt(0, 0.2, 0.2);
  room->setPlinegen(true);

  // A garden path: a 2D polyline 0.8 wide, smoothed by curve fitting.
  OdDb2dPolylinePtr path = add(db.get(), OdDb2dPolyline::createObject(), axes);
  const double pathPoints[][2] = {{0, -6}, {5, -4}, {9, -7}, {14, -5}};
  for (const auto& p : pathPoints) {
    OdDb2dVertexPtr vertex = OdDb2dVertex::createObject();
    vertex->setPosition(OdGePoint3d(p[0], p[1], 0));
    vertex->setStartWidth(0.8);
    vertex->setEndWidth(0.8);
    OdDbObjectId id;
    path->appendVertex(id, vertex);
  }
  path->curveFit();

  // A cable run rising along a wall: a 3D polyline.
  OdDb3dPolylinePtr cable = add(db.get(), OdDb3dPolyline::createObject(), walls);
  const OdGePoint3d cablePoints[] = {{20, 0, 0}, {20, 0, 2.5}, {28, 0, 2.5}, {28, 6, 2.5}};
  for (const OdGePoint3d& p : cablePoints) {
    OdDb3dPolylineVertexPtr vertex = OdDb3dPolylineVertex::createObject();
    vertex->setPosition(p);
    OdDbObjectId id;
    cable->appendVertex(id, vertex);
  }

  // A note with paragraphs and formatting codes, wrapped at its width.
  OdDbMTextPtr note = add(db.get(), OdDbMText::createObject(), walls);
  note->setLocation(OdGePoint3d(20, 10, 0));
  note->setTextHeight(0.35);
  note->setWidth(6.0);
  note->setContents(LR"({\fArial|b1;Room 1.04}\PFloor area 48 m², height {\H0.8x;2.60}\Pwalls plastered and painted white)");
  note->setLineSpacingFactor(1.2);
  note->setLineSpacingStyle(OdDb::kExactly);
  note->setTextStyle(narrow);

  // A cavity wall: a multiline of three elements along the east side.
  OdDbObjectId wallStyle;
  {
    OdDbDictionaryPtr nod = db->getNamedObjectsDictionaryId().safeOpenObject(OdDb::kForWrite);
    OdDbDictionaryPtr styles = OdDbDictionary::createObject();
    nod->setAt(L"ACAD_MLINESTYLE", styles);
    OdDbMlineStylePtr style = OdDbMlineStyle::createObject();
    style->setName(L"Cavity wall");
    style->setDescription(L"Brick, cavity, block");
    style->addElement(0.15, 1, L"BYLAYER");
    style->addElement(0.0, 8, L"BYLAYER");
    style->addElement(-0.15, 5, L"BYLAYER");
    wallStyle = styles->setAt(style->name(), style);
  }
  OdDbMlinePtr wall = add(db.get(), OdDbMline::createObject(), walls);
  wall->setStyle(wallStyle);
  wall->setJustification(Mline::kZero);
  wall->setScale(2.0);
  for (const OdGePoint3d& p : {OdGePoint3d(30, 0, 0), OdGePoint3d(34, 0, 0), OdGePoint3d(34, 5, 0), OdGePoint3d(38, 8, 0)})
    wall->appendSeg(p);

  // A name plate along the rim of a round table: text on an arc.
  OdDbArcAlignedTextPtr plate = add(db.get(), OdDbArcAlignedText::createObject(), axes);
  plate->setTextString(L"Conference room");
  plate->setCenter(OdGePoint3d(10, 16, 0));
  plate->setRadius(2.5);
  plate->setStartAngle(0.5235987755982988);
  plate->setEndAngle(2.6179938779914944);
  plate->setTextSize(0.4);
  plate->setOffsetFromArc(0.2);
  plate->setAlignment(OdDb::kCenter);
  plate->setTextStyle(narrow);

  // Dimensions of the east wall: a style for the drawing's scale, the
  // wall's length along X and the slanted run measured along itself.
  OdDbObjectId plan;
  {
    OdDbSymbolTablePtr styles = db->getDimStyleTableId().safeOpenObject(OdDb::kForWrite);
    OdDbDimStyleTableRecordPtr style = OdDbDimStyleTableRecord::createObject();
    style->setName(L"Plan 1-50");
    plan = styles->add(style);
    style->setDimasz(0.25);
    style->setDimtxt(0.3);
    style->setDimgap(0.1);
    style->setDimdec(2);
    style->setDimtxsty(narrow);
  }
  OdDbRotatedDimensionPtr length = add(db.get(), OdDbRotatedDimension::createObject(), walls);
  length->setDimensionStyle(plan);
  length->setXLine1Point(OdGePoint3d(30, 0, 0));
  length->setXLine2Point(OdGePoint3d(34, 0, 0));
  length->setDimLinePoint(OdGePoint3d(34, -1.5, 0));
  length->setTextPosition(OdGePoint3d(32, -1.5, 0));
  OdDbAlignedDimensionPtr run = add(db.get(), OdDbAlignedDimension::createObject(), walls);
  run->setDimensionStyle(plan);
  run->setXLine1Point(OdGePoint3d(34, 5, 0));
  run->setXLine2Point(OdGePoint3d(38, 8, 0));
  run->setDimLinePoint(OdGePoint3d(37.4, 9.8, 0));
  run->setTextPosition(OdGePoint3d(35.4, 8.3, 0));
  run->setDimtxt(0.35);  // this dimension's own text height
  length->recomputeDimBlock();
  run->recomputeDimBlock();

  // The corner of the east wall (two lines), the arc's opening at its
  // centre and its length, the column's radius and diameter, a large
  // radius for the curved path, and the cable's corner from the origin.
  OdDb2LineAngularDimensionPtr corner = add(db.get(), OdDb2LineAngularDimension::createObject(), walls);
  corner->setDimensionStyle(plan);
  corner->setXLine1Start(OdGePoint3d(34, 0, 0));
  corner->setXLine1End(OdGePoint3d(30, 0, 0));
  corner->setXLine2Start(OdGePoint3d(34, 0, 0));
  corner->setXLine2End(OdGePoint3d(34, 5, 0));
  corner->setArcPoint(OdGePoint3d(33, 1, 0));
  corner->setTextPosition(OdGePoint3d(32.8, 1.2, 0));
  OdDb3PointAngularDimensionPtr opening = add(db.get(), OdDb3PointAngularDimension::createObject(), walls);
  opening->setDimensionStyle(plan);
  opening->setCenterPoint(OdGePoint3d(10, 2, 0));
  opening->setXLine1Point(OdGePoint3d(10 + 2 * std::cos(OdaPI / 6), 2 + 2 * std::sin(OdaPI / 6), 0));
  opening->setXLine2Point(OdGePoint3d(8, 2, 0));
  opening->setArcPoint(OdGePoint3d(10, 3, 0));
  opening->setTextPosition(OdGePoint3d(10, 3.3, 0));
  OdDbArcDimensionPtr along = add(db.get(), OdDbArcDimension::createObject(), walls);
  along->setDimensionStyle(plan);
  along->setCenterPoint(OdGePoint3d(10, 2, 0));
  along->setXLine1Point(OdGePoint3d(10 + 2 * std::cos(OdaPI / 6), 2 + 2 * std::sin(OdaPI / 6), 0));
  along->setXLine2Point(OdGePoint3d(8, 2, 0));
  along->setArcPoint(OdGePoint3d(10, 4.8, 0));
  along->setTextPosition(OdGePoint3d(10, 5.1, 0));
  OdDbRadialDimensionPtr radius = add(db.get(), OdDbRadialDimension::createObject(), walls);
  radius->setDimensionStyle(plan);
  radius->setCenter(OdGePoint3d(4, 2, 0));
  radius->setChordPoint(OdGePoint3d(4 + 1.25 * std::cos(OdaPI / 4), 2 + 1.25 * std::sin(OdaPI / 4), 0));
  radius->setTextPosition(OdGePoint3d(5.5, 3.5, 0));
  OdDbDiametricDimensionPtr diameter = add(db.get(), OdDbDiametricDimension::createObject(), walls);
  diameter->setDimensionStyle(plan);
  diameter->setChordPoint(OdGePoint3d(5.25, 2, 0));
  diameter->setFarChordPoint(OdGePoint3d(2.75, 2, 0));
  diameter->setTextPosition(OdGePoint3d(4, 2.3, 0));
  OdDbRadialDimensionLargePtr bend = add(db.get(), OdDbRadialDimensionLarge::createObject(), axes);
  bend->setDimensionStyle(plan);
  bend->setCenter(OdGePoint3d(7, -40, 0));
  bend->setChordPoint(OdGePoint3d(7, -5, 0));
  bend->setOverrideCenter(OdGePoint3d(7, -9, 0));
  bend->setJogPoint(OdGePoint3d(7, -7, 0));
  bend->setTextPosition(OdGePoint3d(7.3, -6, 0));
  OdDbOrdinateDimensionPtr rise = add(db.get(), OdDbOrdinateDimension::createObject(), walls);
  rise->setDimensionStyle(plan);
  rise->setOrigin(OdGePoint3d(0, 0, 0));
  rise->setDefiningPoint(OdGePoint3d(28, 6, 0));
  rise->setLeaderEndPoint(OdGePoint3d(30, 7.5, 0));
  rise->useXAxis();
  rise->setTextPosition(OdGePoint3d(30, 8, 0));
  for (OdDbDimension* d : {(OdDbDimension*)corner.get(), (OdDbDimension*)opening.get(), (OdDbDimension*)along.get(),
                           (OdDbDimension*)radius.get(), (OdDbDimension*)diameter.get(), (OdDbDimension*)bend.get(),
                           (OdDbDimension*)rise.get()})
    d->recomputeDimBlock();

  // A wide stroke of the path's edge (a trace), a filled door swing leaf (a
  // solid), a sloped roof panel (a 3D face with a hidden seam) and a north
  // arrow from a shape file.
  OdDbTracePtr stroke = add(db.get(), OdDbTrace::createObject(), axes);
  const OdGePoint3d strokeCorners[] = {{0, -8, 0}, {0, -8.4, 0}, {6, -8, 0}, {6, -8.4, 0}};
  for (int i = 0; i < 4; ++i) stroke->setPointAt(i, strokeCorners[i]);
  OdDbSolidPtr leaf = add(db.get(), OdDbSolid::createObject(), walls);
  const OdGePoint3d leafCorners[] = {{22, 6, 0}, {23, 6, 0}, {22, 6.1, 0}, {23, 6.1, 0}};
  for (int i = 0; i < 4; ++i) leaf->setPointAt(i, leafCorners[i]);
  leaf->setThickness(2.1);
  OdDbFacePtr roof = add(db.get(), OdDbFace::createObject(), walls);
  const OdGePoint3d roofCorners[] = {{20, 0, 2.5}, {28, 0, 2.5}, {28, 3, 4.0}, {20, 3, 4.0}};
  for (int i = 0; i < 4; ++i) roof->setVertexAt(i, roofCorners[i]);
  roof->makeEdgeInvisibleAt(2);
  {
    OdDbSymbolTablePtr styles = db->getTextStyleTableId().safeOpenObject(OdDb::kForWrite);
    OdDbTextStyleTableRecordPtr symbols = OdDbTextStyleTableRecord::createObject();
    symbols->setName(L"Plan symbols");
    symbols->setFileName(L"plansymb.shx");
    symbols->setIsShapeFile(true);
    styles->add(symbols);
  }
  OdDbShapePtr north = add(db.get(), OdDbShape::createObject(), axes);
  north->setName(L"NORTH");
  north->setPosition(OdGePoint3d(-3, 12, 0));
  north->setSize(1.5);
  north->setRotation(-OdaPI / 12);

  // The curved edge of a flower bed, drawn through five points, leaving the
  // path square to it.
  OdDbSplinePtr bed = add(db.get(), OdDbSpline::createObject(), axes);
  bed->setFitData({OdGePoint3d(0, -10, 0), OdGePoint3d(3, -11.5, 0), OdGePoint3d(6, -11, 0), OdGePoint3d(9, -12.5, 0),
                   OdGePoint3d(12, -12, 0)},
                  3, 0.0, OdGeVector3d(0, -1, 0), OdGeVector3d(1, 0, 0));

  // A spiral stair: three and a half turns up the storey height, narrowing a little.
  OdDbHelixPtr stair = add(db.get(), OdDbHelix::createObject(), walls);
  stair->setAxisPoint(OdGePoint3d(-6, 4, 0));
  stair->setBaseRadius(1.2);
  stair->setTopRadius(1.0);
  stair->setConstrain(OdDbHelix::kHeight);
  stair->setTurns(3.5);
  stair->setHeight(2.8);

  // A hatched floor with a column left out, and a gradient over the bay.
  {
    OdDbHatchPtr floor = add(db.get(), OdDbHatch::createObject(), walls);
    CKdString full;
    OdHatchPattern tiles;
    GetKdHatchPatterns()->GetPattern(CKdHatchPatterns::kPredefined, CKdString(L"NET"), 0, full, tiles);
    floor->setPattern(OdDbHatch::kPreDefined, full.toOdString(), 0.0, 2.0, tiles, OdGePoint2d());
    OdDbHatch::Loop outer;
    outer.type = OdDbHatch::kPolyline | OdDbHatch::kExternal;
    outer.vertices = {OdGePoint2d(20, 0), OdGePoint2d(26, 0), OdGePoint2d(26, 4), OdGePoint2d(20, 4)};
    outer.bulges.assign(4, 0.0);
    floor->appendLoop(outer);
    OdDbHatch::Loop column;
    column.type = OdDbHatch::kOutermost;
    OdDbHatch::Edge ring;
    ring.kind = OdDbHatch::Edge::kCirArc;
    ring.center = OdGePoint2d(23, 2);
    ring.radius = 0.5;
    ring.endAngle = OdaPI * 2;
    column.edges.push_back(ring);
    floor->appendLoop(column);

    OdDbHatchPtr glow = add(db.get(), OdDbHatch::createObject(), walls);
    glow->setGradient(L"LINEAR");
    glow->setGradientAngle(OdaPI / 4);
    OdDbHatch::Loop bay;
    bay.type = OdDbHatch::kPolyline | OdDbHatch::kExternal;
    bay.vertices = {OdGePoint2d(20, 6), OdGePoint2d(26, 6), OdGePoint2d(26, 8), OdGePoint2d(20, 8)};
    bay.bulges = {0.0, 0.0, 0.0, 0.0};
    glow->appendLoop(bay);
  }

  // Blocks: a door tag with attributes, a north arrow drawn in metres in this
  // millimetre drawing, a site plan from another drawing, a revision cloud.
  db->header().insunits = OdDb::kUnitsMillimeters;
  OdDbBlockTableRecordPtr door = addBlock(db, L"Door tag", OdDb::kUnitsMillimeters, OdDb::kAny);
  OdDbCirclePtr ring = OdDbCircle::createObject();
  door->appendOdDbEntity(ring);
  ring->setRadius(0.4);
  addDefinition(door, L"NUMBER", L"Door number", L"D-01", OdGePoint3d(-0.25, -0.09, 0));
  OdDbAttributeDefinitionPtr rating = addDefinition(door, L"FIRE", L"Fire rating", L"EI30", OdGePoint3d(-0.25, -0.6, 0));
  rating->setInvisible(true);
  rating->setPreset(true);
  insert(db.get(), door->objectId(), OdGePoint3d(4, 0.5, 0), 1.0, 0.0, walls, {L"D-12", L"EI60"});

  OdDbBlockTableRecordPtr arrow = addBlock(db, L"North arrow", OdDb::kUnitsMeters, OdDb::kUniform);
  OdDbLinePtr shaft = OdDbLine::createObject();
  arrow->appendOdDbEntity(shaft);
  shaft->setEndPoint(OdGePoint3d(0, 0.001, 0));
  insert(db.get(), arrow->objectId(), OdGePoint3d(14, 12, 0), 1000.0, OdaPI / 12, axes, {});

  // Parking bays: the door tag's ring repeated as a grid.
  OdDbMInsertBlockPtr bays = add(db.get(), OdDbMInsertBlock::createObject(), axes);
  bays->setBlockTableRecord(door->objectId());
  bays->setPosition(OdGePoint3d(30, 0, 0));
  bays->setColumns(4);
  bays->setRows(2);
  bays->setColumnSpacing(2.5);
  bays->setRowSpacing(5.0);

  OdDbBlockTableRecordPtr site = addBlock(db, L"SITE", OdDb::kUnitsMillimeters, OdDb::kAny);
  site->setBlockFlags(4);
  site->setPathName(L"site-survey.dxf");
  insert(db.get(), site->objectId(), OdGePoint3d(0, 0, 0), 1.0, 0.0, axes, {});

  OdDbBlockReferencePtr cloud = add(db.get(), OdDbBlockReference::createObject(), walls);
  cloud->setBlockTableRecord(door->objectId());
  cloud->setPosition(OdGePoint3d(2, 6, 0));
  {
    db->newRegApp(L"PE_CLOUD");
    OdDb3dPolylinePtr outline = OdDb3dPolyline::createObject();
    db->addOdDbObject(outline);
    for (const OdGePoint3d& p : {OdGePoint3d(2, 6, 0), OdGePoint3d(6, 6, 0), OdGePoint3d(6, 8, 0), OdGePoint3d(2, 8, 0)}) {
      OdDb3dPolylineVertexPtr v = OdDb3dPolylineVertex::createObject();
      v->setPosition(p);
      OdDbObjectId id;
      outline->appendVertex(id, v);
    }
    outline->makeClosed();
    CLOUDLINE_COMMAND_DATA data;
    data.radius = 0.5;
    data.layer = walls;
    CKdCloudBase generator(db);
    generator.setBaseCurve(outline);
    generator.setCloudSetting(data);
    generator.cloudBaseMain(false);
    generator.convertToBlock(generator.getObjIdArrArc(), data, cloud->position(), cloud);
    for (OdDbObjectIteratorPtr it = outline->vertexIterator(); !it->done(); it->step())
      OdDbObjectPtr(it->objectId().openObject(OdDb::kForWrite))->erase();
    outline->erase();
  }

  // A dynamic gate: a leaf that flips to the other hinge, a width chosen
  // among three, and a look with or without its swing arc. One reference
  // shows the definition, the other a state of its own.
  OdDbBlockTableRecordPtr gate = addBlock(db, L"Gate", OdDb::kUnitsMillimeters, OdDb::kAny);
  OdDbLinePtr gateLeaf = OdDbLine::createObject();
  gateLeaf->setEndPoint(OdGePoint3d(1.0, 0, 0));
  const OdDbObjectId leafId = gate->appendOdDbEntity(gateLeaf);
  OdDbArcPtr swing = OdDbArc::createObject();
  swing->setRadius(1.0);
  swing->setEndAngle(OdaPI2);
  const OdDbObjectId swingId = gate->appendOdDbEntity(swing);
  {
    OdDbEvalGraphPtr graph = odDbCreateEvalGraph(*gate);
    OdDbBlockFlipParameterPtr hinge = OdDbBlockFlipParameter::createObject();
    hinge->setName(L"Flip");
    hinge->setPoints(OdGePoint3d(0.5, 0, 0), OdGePoint3d(0.5, 1, 0));
    hinge->data.name[0] = L"Hinge";
    hinge->data.description[0] = L"Which side the gate hangs on";
    graph->addNode(hinge);
    OdDbBlockFlipActionPtr turn = OdDbBlockFlipAction::createObject();
    turn->setName(L"Flip1");
    turn->setParameterNode(hinge->nodeId());
    OdDbObjectIdArray both;
    both.append(leafId);
    both.append(swingId);
    turn->setSelection(both);
    graph->addNode(turn);
    OdDbBlockLinearParameterPtr width = OdDbBlockLinearParameter::createObject();
    width->setName(L"Linear");
    width->setPoints(OdGePoint3d(0, 0, 0), OdGePoint3d(1.0, 0, 0));
    width->data.name[0] = L"Width";
    width->data.values[0].values = {0.9, 1.0, 1.2};
    graph->addNode(width);
    OdDbBlockVisibilityParameterPtr look = OdDbBlockVisibilityParameter::createObject();
    look->setName(L"Visibility");
    look->data.name[0] = L"Look";
    look->data.entities = both;
    OdDbBlockVisibilityState open{L"With swing", both, {}}, closed{L"Leaf only", {}, {}};
    closed.entities.append(leafId);
    look->data.states = {open, closed};
    graph->addNode(look);
  }
  insert(db.get(), gate->objectId(), OdGePoint3d(8, 0, 0), 1.0, 0.0, walls, {});
  OdDbBlockReferencePtr side = insert(db.get(), gate->objectId(), OdGePoint3d(11, 0, 0), 1.0, 0.0, walls, {});
  for (const OdDbDynBlockReferencePropertyPtr& p : OdDbDynBlockReference(side->objectId()).getBlockProperties()) {
    if (p->propertyName() == L"Hinge") p->setValue(*OdResBuf::newRb(70, OdInt32(1)));
    if (p->propertyName() == L"Look") p->setValue(*OdResBuf::newRb(1, OdString(L"Leaf only")));
  }

  // A spotlight over the stair, aimed at its foot; a pasted picture of the
  // site; a survey mark of a tool the drawing's program does not have.
  OdDbLightPtr spot = add(db.get(), OdDbLight::createObject(), axes);
  spot->setName(L"Stair spot");
  spot->setLightType(OdDbLight::kSpotLight);
  spot->setPosition(OdGePoint3d(20, 8, 2.8));
  spot->setTargetLocation(OdGePoint3d(20, 8, 0));
  spot->setHotspotAndFalloff(OdaPI / 4, OdaPI / 3);
  spot->setTargeted(true);
  OdDbOle2FramePtr picture = add(db.get(), OdDbOle2Frame::createObject(), axes);
  picture->setData(L"Paintbrush Picture", OdDbOle2Frame::kEmbedded, std::string("site photo"));
  picture->setPosition({OdGePoint3d(-6, 10, 0), OdGePoint3d(-2, 10, 0), OdGePoint3d(-2, 7, 0), OdGePoint3d(-6, 7, 0)});
  OdDbDatabase::DxfClass mark;
  mark.dxfName = L"KD_SURVEY_MARK";
  mark.className = L"KdSurveyMark";
  mark.appName = L"Survey tools";
  mark.proxyFlags = OdDbProxyEntity::kEraseAllowed | OdDbProxyEntity::kColorChangeAllowed | OdDbProxyEntity::kLayerChangeAllowed;
  mark.entity = true;
  db->setDxfClasses({mark});
  OdDbProxyEntityPtr proxy = add(db.get(), OdDbProxyEntity::createObject(), axes);
  proxy->setOriginalClassId(500);

  // A leader from the note to the door, and the flatness asked of the floor slab.
  OdDbLeaderPtr pointer = add(db.get(), OdDbLeader::createObject(), axes);
  for (const OdGePoint3d& p : {OdGePoint3d(4.2, 0.7, 0), OdGePoint3d(5.5, 2.5, 0), OdGePoint3d(7, 2.5, 0)})
    pointer->appendVertex(p);
  OdDbFcfPtr flatness = add(db.get(), OdDbFcf::createObject(), axes);
  flatness->setText(L"{\\Fgdt;c}5{\\Fgdt;m}");
  flatness->setLocation(OdGePoint3d(9, -3, 0));

  // A door schedule: a title row and two rows of two columns, drawn by its own block.
  OdDbDictionaryPtr named = OdDbDictionary::cast(db->getNamedObjectsDictionaryId().openObject(OdDb::kForWrite));
  OdDbDictionaryPtr tableStyles = OdDbDictionary::cast(named->getAt(L"ACAD_TABLESTYLE").openObject(OdDb::kForWrite));
  if (tableStyles.isNull()) {
    tableStyles = OdDbDictionary::createObject();
    named->setAt(L"ACAD_TABLESTYLE", tableStyles);
  }
  OdDbTableStylePtr schedule = OdDbTableStyle::createObject();
  schedule->addCellStyle(L"Data", 5, OdCmColor::fromIndex(0), OdCmColor(OdCmEntityColor::kNone), 0.25);
  schedule->addCellStyle(L"Title", 5, OdCmColor::fromIndex(0), OdCmColor(OdCmEntityColor::kNone), 0.35);
  schedule->addCellStyle(L"Header", 5, OdCmColor::fromIndex(0), OdCmColor(OdCmEntityColor::kNone), 0.3);
  tableStyles->setAt(L"Schedule", schedule);
  OdDbBlockTableRecordPtr drawn = addBlock(db, L"*T1", OdDb::kUnitsMillimeters, OdDb::kAny);
  drawn->setBlockFlags(1);
  for (double y : {0.0, -1.0, -1.8, -2.6}) {
    OdDbLinePtr rule = OdDbLine::createObject();
    rule->setStartPoint(OdGePoint3d(0, y, 0));
    rule->setEndPoint(OdGePoint3d(5, y, 0));
    drawn->appendOdDbEntity(rule);
  }
  OdDbTablePtr doors = add(db.get(), OdDbTable::createObject(), axes);
  doors->setBlockTableRecord(drawn->objectId());
  doors->setPosition(OdGePoint3d(-8, -2, 0));
  doors->setTableStyle(schedule->objectId());
  doors->setSize({1.0, 0.8, 0.8}, {2.0, 3.0});

  // A photo of the site beside the plan (100 pixels to the inch), a wipeout
  // masking the hatch's corner under the door tag, the surveyor's PDF sheet
  // and the old site model (DGN) underlaid. The sheets' sizes are what the
  // documents give (an A3 landscape page; a 60 x 40 model): the files
  // themselves do not travel with the sample.
  {
    OdDbDictionaryPtr images = OdDbRasterImageDef::createImageDictionary(db).safeOpenObject(OdDb::kForWrite);
    OdDbRasterImageDefPtr photo = OdDbRasterImageDef::createObject();
    photo->setSourceFileName(L"photos/site-north.jpg");
    photo->setImage(OdGeVector2d(640, 480), OdGeVector2d(0.01, 0.01), OdDbRasterImageDef::kInch);
    images->setAt(L"site-north", photo);
    photo->addPersistentReactor(images->objectId());
    OdDbRasterImagePtr image = add(db.get(), OdDbRasterImage::createObject(), axes);
    image->setImageDefId(photo->objectId());
    image->setOrientation(OdGePoint3d(10, -6, 0), OdGeVector3d(8, 0, 0), OdGeVector3d(0, 6, 0));
    image->setFade(20);

    OdDbWipeoutPtr mask = add(db.get(), OdDbWipeout::createObject(), axes);
    OdGePoint3dArray corner;
    for (const OdGePoint3d& p : {OdGePoint3d(2, 2, 0), OdGePoint3d(3.5, 2, 0), OdGePoint3d(3.5, 3, 0), OdGePoint3d(2, 3, 0)})
      corner.push_back(p);
    mask->setFrom(corner);

    auto underlay = [&](OdDbUnderlayDefinitionPtr def, OdDbUnderlayReferencePtr ref, const wchar_t* key,
                        const wchar_t* file, const wchar_t* item, double w, double h) {
      OdDbDictionaryPtr defs = OdDbDictionary::cast(named->getAt(def->dictionaryKey()).openObject(OdDb::kForWrite));
      if (defs.isNull()) {
        defs = OdDbDictionary::createObject();
        named->setAt(def->dictionaryKey(), defs);
      }
      def->setSourceFileName(file);
      def->setItemName(item);
      defs->setAt(key, def);
      def->addPersistentReactor(defs->objectId());
      auto sheet = std::make_shared<OdDbUnderlayItem>();
      sheet->maxPoint = OdGePoint2d(w, h);
      sheet->name = item;
      def->setUnderlayItem(sheet);
      add(db.get(), ref, axes);
      ref->setDefinitionId(def->objectId());
    };
    OdDbPdfReferencePtr survey = OdDbPdfReference::createObject();
    underlay(OdDbPdfDefinition::createObject(), survey, L"survey - 1", L"survey.pdf", L"1", 16.5354, 11.6929);
    survey->setPosition(OdGePoint3d(-30, -20, 0));
    survey->setIsAdjustedForBackground(true);
    OdDbDgnReferencePtr model = OdDbDgnReference::createObject();
    underlay(OdDbDgnDefinition::createObject(), model, L"site-model-Default", L"site-model.dgn", L"Default", 60, 40);
    model->setPosition(OdGePoint3d(-60, -40, 0));
    model->setScaleFactors(OdGeScale3d(0.5));
    model->setRotation(OdaPI / 12);
  }

  // Terrain and a canopy: a polyface mesh of the site's two slopes, a
  // 3 x 4 polygon mesh of the ground closed along M and smoothed cubic, and
  // a subdivision mesh of a tent roof smoothed twice.
  {
    OdDbPolyFaceMeshPtr slopes = add(db.get(), OdDbPolyFaceMesh::createObject(), axes);
    for (const OdGePoint3d& p : {OdGePoint3d(20, 0, 0), OdGePoint3d(24, 0, 0), OdGePoint3d(24, 3, 1),
                                 OdGePoint3d(20, 3, 1), OdGePoint3d(28, 0, 0.5)}) {
      OdDbPolyFaceMeshVertexPtr v = OdDbPolyFaceMeshVertex::createObject();
      v->setPosition(p);
      slopes->appendVertex(v);
    }
    for (const std::array<OdInt16, 4>& corners : {std::array<OdInt16, 4>{1, 2, 3, 4}, std::array<OdInt16, 4>{2, 5, -3, 0}}) {
      OdDbFaceRecordPtr f = OdDbFaceRecord::createObject();
      for (int c = 0; c < 4; ++c) f->setVertexAt(c, corners[size_t(c)]);
      slopes->appendFaceRecord(f);
    }
    OdDbPolygonMeshPtr ground = add(db.get(), OdDbPolygonMesh::createObject(), axes);
    ground->setMSize(3);
    ground->setNSize(4);
    for (int m = 0; m < 3; ++m)
      for (int n = 0; n < 4; ++n) {
        OdDbPolygonMeshVertexPtr v = OdDbPolygonMeshVertex::createObject();
        v->setPosition(OdGePoint3d(20 + m, 5 + n, 0.25 * m * n));
        ground->appendVertex(v);
      }
    ground->makeMClosed();
    ground->setPolyMeshType(OdDb::kCubicSurfaceMesh);
    ground->setMSurfaceDensity(6);
    ground->setNSurfaceDensity(6);
    OdDbSubDMeshPtr roof = add(db.get(), OdDbSubDMesh::createObject(), axes);
    OdGePoint3dArray corners;
    for (const OdGePoint3d& p : {OdGePoint3d(30, 0, 2), OdGePoint3d(34, 0, 2), OdGePoint3d(34, 4, 2),
                                 OdGePoint3d(30, 4, 2), OdGePoint3d(32, 2, 4)})
      corners.push_back(p);
    roof->setSubDMesh(corners, {{0, 1, 4}, {1, 2, 4}, {2, 3, 4}, {3, 0, 4}}, 2);
  }

  // Modelled shapes beside the site: a plinth (solid) and a step (body) as
  // boxes, a base plate with a bolt hole (region), and one surface of each
  // kind, flat so that their areas can be checked by hand. Newer drawings
  // keep such data apart from the objects, in binary form.
  {
    typedef OdDbModelerBuilder B;
    const bool binary = db->header().acadver.compare(L"AC1027") >= 0;
    auto boxData = [&](const OdGePoint3d& lo, const OdGePoint3d& hi) {
      B b;
      b.addBox(lo, hi);
      return b.build(true, binary);
    };
    // A flat face through the points in order, straight sides.
    auto flat = [&](std::initializer_list<OdGePoint3d> points, const OdGeVector3d& normal) {
      B b;
      B::Loop loop;
      std::vector<int> ids;
      for (const OdGePoint3d& p : points) ids.push_back(b.addPoint(p));
      for (size_t i = 0; i < ids.size(); ++i) loop.push_back({ids[i], ids[(i + 1) % ids.size()], false, {}, false});
      b.addFace(*points.begin(), normal, {loop});
      return b.build(false, binary);
    };
    OdDb3dSolidPtr plinth = add(db.get(), OdDb3dSolid::createObject(), axes);
    plinth->setModelerData(boxData(OdGePoint3d(40, 0, 0), OdGePoint3d(44, 2, 1)));
    OdDbBodyPtr step = add(db.get(), OdDbBody::createObject(), axes);
    step->setModelerData(boxData(OdGePoint3d(40, 3, 0), OdGePoint3d(42, 4, 0.5)));
    {
      // 6 x 4 with a hole of radius 1: 24 - pi in area, 20 + 2 pi round.
      B b;
      const int p0 = b.addPoint(OdGePoint3d(40, 6, 0)), p1 = b.addPoint(OdGePoint3d(46, 6, 0));
      const int p2 = b.addPoint(OdGePoint3d(46, 10, 0)), p3 = b.addPoint(OdGePoint3d(40, 10, 0));
      const int h = b.addPoint(OdGePoint3d(44, 8, 0));
      b.addFace(OdGePoint3d(40, 6, 0), OdGeVector3d::kZAxis,
                {{{p0, p1, false, {}, false}, {p1, p2, false, {}, false}, {p2, p3, false, {}, false}, {p3, p0, false, {}, false}},
                 {{h, h, true, OdGePoint3d(43, 8, 0), true}}});
      OdDbRegionPtr plate = add(db.get(), OdDbRegion::createObject(), axes);
      plate->setModelerData(b.build(false, binary));
    }
    OdDbPlaneSurfacePtr pad = add(db.get(), OdDbPlaneSurface::createObject(), axes);
    pad->setModelerData(flat({OdGePoint3d(48, 0, 0), OdGePoint3d(51, 0, 0), OdGePoint3d(51, 2, 0), OdGePoint3d(48, 2, 0)},
                             OdGeVector3d::kZAxis));
    pad->setUIsolineDensity(4);
    pad->setVIsolineDensity(4);
    // A kerb line 3 long raised 2: a wall.
    OdDbExtrudedSurfacePtr wall = add(db.get(), OdDbExtrudedSurface::createObject(), axes);
    wall->setModelerData(flat({OdGePoint3d(52, 0, 0), OdGePoint3d(55, 0, 0), OdGePoint3d(55, 0, 2), OdGePoint3d(52, 0, 2)},
                              -OdGeVector3d::kYAxis));
    wall->setSweepVec(OdGeVector3d(0, 0, 2));
    {
      // A line from radius 1 to 2 turned a quarter about the vertical through (56, 0).
      B b;
      const OdGePoint3d c(56, 0, 0);
      const int a0 = b.addPoint(OdGePoint3d(57, 0, 0)), a1 = b.addPoint(OdGePoint3d(58, 0, 0));
      const int a2 = b.addPoint(OdGePoint3d(56, 2, 0)), a3 = b.addPoint(OdGePoint3d(56, 1, 0));
      b.addFace(c, OdGeVector3d::kZAxis,
                {{{a0, a1, false, {}, false}, {a1, a2, true, c, false}, {a2, a3, false, {}, false}, {a3, a0, true, c, true}}});
      OdDbRevolvedSurfacePtr fan = add(db.get(), OdDbRevolvedSurface::createObject(), axes);
      fan->setModelerData(b.build(false, binary));
      fan->setAxisPnt(c);
      fan->setAxisVec(OdGeVector3d::kZAxis);
      fan->setRevolveAngle(OdaPI / 2);
    }
    // A 2 long edge swept 3 along a straight path: a strip, scaled and twisted not at all.
    OdDbSweptSurfacePtr strip = add(db.get(), OdDbSweptSurface::createObject(), axes);
    strip->setModelerData(flat({OdGePoint3d(60, 0, 0), OdGePoint3d(63, 0, 0), OdGePoint3d(63, 2, 0), OdGePoint3d(60, 2, 0)},
                               OdGeVector3d::kZAxis));
    // Lofted from a 2 long edge to a 3 long one, 3 apart.
    OdDbLoftedSurfacePtr ramp = add(db.get(), OdDbLoftedSurface::createObject(), axes);
    ramp->setModelerData(flat({OdGePoint3d(66, 0, 0), OdGePoint3d(69, 0, 0), OdGePoint3d(69, 3, 0), OdGePoint3d(66, 2, 0)},
                              OdGeVector3d::kZAxis));
    // A surface of no particular making: a sloping triangular canopy.
    OdDbSurfacePtr canopy = add(db.get(), OdDbSurface::createObject(), axes);
    canopy->setModelerData(flat({OdGePoint3d(72, 0, 0), OdGePoint3d(75, 0, 0), OdGePoint3d(73.5, 2, 1)},
                                OdGeVector3d(0, -3, 6)));
  }

  // A sheet (an A3 layout in paper space) with its own viewport and one on
  // the plan at 1:50, drawn with the drawing's named scales.
  {
    OdDbScale::createScaleList(db);
    OdDbDictionaryPtr layouts = OdDbDictionary::createObject();
    named->setAt(L"ACAD_LAYOUT", layouts);
    OdDbLayoutPtr modelLayout = OdDbLayout::createObject();
    modelLayout->setLayoutName(L"Model");
    modelLayout->setBlockTableRecordId(db->getModelSpaceId());
    layouts->setAt(L"Model", modelLayout);
    OdDbLayoutPtr sheet = OdDbLayout::createObject();
    sheet->setLayoutName(L"A3 Plan");
    sheet->setBlockTableRecordId(db->getPaperSpaceId());
    layouts->setAt(L"A3 Plan", sheet);
    OdDbBlockTableRecordPtr paper = db->getPaperSpaceId().safeOpenObject(OdDb::kForWrite);
    OdDbViewportPtr whole = OdDbViewport::createObject();
    paper->appendOdDbEntity(whole);
    whole->setNumber(1);
    whole->setCenterPoint(OdGePoint3d(210, 148.5, 0));
    whole->setWidth(420);
    whole->setHeight(297);
    whole->setViewCenter(OdGePoint2d(210, 148.5));
    whole->setViewHeight(297);
    OdDbViewportPtr plan = OdDbViewport::createObject();
    paper->appendOdDbEntity(plan);
    plan->setNumber(2);
    plan->setCenterPoint(OdGePoint3d(180, 150, 0));
    plan->setWidth(300);
    plan->setHeight(200);
    plan->setViewCenter(OdGePoint2d(0, 0));
    plan->setCustomScale(1.0 / 50);
    plan->setLayer(axes);
  }
  return db;
}
}  // namespace kdapp
