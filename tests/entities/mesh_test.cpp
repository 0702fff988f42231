// Meshes through their extensions: the vertex lists and their rebuild, a
// vertex at a time (never past the last, never a face record), polygon
// meshes' closure, densities and kind, subdivision meshes' counts and
// vertex replacement, and the three listings.
#include <string>

#include "KdModuleTest.h"
#include "Db/DbMesh.h"
#include "Dxf/DxfFile.h"

using namespace kdtest;

namespace {
CKdVariant pointList(std::initializer_list<OdGePoint3d> points) {
  CKdVariantCollection list;
  long i = 0;
  for (const OdGePoint3d& p : points) list.Add(CKdVariantCollectionElement(CKdVariant(p), CKdVariant(i++)));
  return CKdVariant(list);
}
std::vector<OdGePoint3d> shown(const OdDbObject* mesh) {
  std::vector<OdGePoint3d> out;
  const CKdVariantCollection list = get(mesh, "Vertex").GetCollection();
  for (int i = 0; i < list.GetCount(); ++i) out.push_back(list.GetAt(i).GetValue().GetPoint3d());
  return out;
}

struct Meshes : ::testing::Test {
  Drawing drawing;
  OdDbPolyFaceMeshPtr faces;
  OdDbPolygonMeshPtr grid;
  void SetUp() override {
    faces = drawing.add(OdDbPolyFaceMesh::createObject());
    for (const OdGePoint3d& p : {OdGePoint3d(0, 0, 0), OdGePoint3d(1, 0, 0), OdGePoint3d(1, 1, 0), OdGePoint3d(0, 1, 1)}) {
      OdDbPolyFaceMeshVertexPtr v = OdDbPolyFaceMeshVertex::createObject();
      v->setPosition(p);
      faces->appendVertex(v);
    }
    OdDbFaceRecordPtr face = OdDbFaceRecord::createObject();
    for (int c = 0; c < 4; ++c) face->setVertexAt(c, OdInt16(c == 3 ? -4 : c + 1));
    faces->appendFaceRecord(face);

    grid = drawing.add(OdDbPolygonMesh::createObject());
    grid->setMSize(2);
    grid->setNSize(3);
    for (int m = 0; m < 2; ++m)
      for (int n = 0; n < 3; ++n) {
        OdDbPolygonMeshVertexPtr v = OdDbPolygonMeshVertex::createObject();
        v->setPosition(OdGePoint3d(m, n, m + n));
        grid->appendVertex(v);
      }
  }
};

TEST_F(Meshes, SettingTheShownListRebuildsTheSameVerticesWithNewHandles) {
  const std::vector<OdGePoint3d> before = shown(faces);
  ASSERT_EQ(before.size(), 4u);
  OdDbObjectIdArray old;
  faces->subEntityIds(old);
  EXPECT_EQ(set(faces, "Vertex", get(faces, "Vertex")), 5100);
  EXPECT_EQ(shown(faces), before);
  OdDbObjectIdArray now;
  faces->subEntityIds(now);
  ASSERT_EQ(now.size(), old.size());
  // The face record stays; every vertex is new.
  int kept = 0;
  for (const OdDbObjectId& id : now) kept += old.contains(id) ? 1 : 0;
  EXPECT_EQ(kept, 1);
  EXPECT_EQ(get(faces, "Number of vertices").GetInt32(), 4);
  EXPECT_EQ(get(faces, "Number of faces").GetInt32(), 1);
  // The vertices stay before the face record in the file.
  OdDbDatabasePtr back = odDxfReadString(odDxfWriteString(drawing.db), "faces.dxf");
  OdDbPolyFaceMeshPtr read = OdDbPolyFaceMesh::cast(back->getOdDbObjectId(faces->objectId().getHandle()).openObject());
  ASSERT_FALSE(read.isNull());
  EXPECT_EQ(shown(read), before);
  EXPECT_EQ(read->numFaces(), 1);
}

TEST_F(Meshes, ListsOfTheWrongSizeOrWithoutPointsAreRefusedWhole) {
  // The face names vertex 4: three vertices cannot serve it.
  EXPECT_EQ(set(faces, "Vertex", pointList({{0, 0, 0}, {1, 0, 0}, {2, 0, 0}})), -5001);
  EXPECT_EQ(set(grid, "Vertex", pointList({{0, 0, 0}})), -5001);  // 2 x 3 needs six
  CKdVariantCollection mixed;
  mixed.Add(CKdVariantCollectionElement(CKdVariant(2.0, true), CKdVariant(0L)));
  EXPECT_EQ(set(faces, "Vertex", CKdVariant(mixed)), -5001);
  EXPECT_EQ(shown(faces).size(), 4u);
  EXPECT_EQ(shown(grid)[5], OdGePoint3d(1, 2, 3));
  // Five points for the polyface: the fifth is a new vertex.
  EXPECT_EQ(set(faces, "Vertex", pointList({{0, 0, 0}, {1, 0, 0}, {1, 1, 0}, {0, 1, 1}, {5, 5, 5}})), 5100);
  EXPECT_EQ(get(faces, "Number of vertices").GetInt32(), 5);
}

TEST_F(Meshes, AVertexAtATimeNeverReachesPastTheLastOrAFaceRecord) {
  const CKdVariant third(2L);
  EXPECT_EQ(get(faces, "Vertex Z", CKdVariant(3L)).GetDouble(), 1.0);
  EXPECT_EQ(set(faces, "Vertex Y", CKdVariant(7.0, true), third), 5100);
  EXPECT_EQ(shown(faces)[2], OdGePoint3d(1, 7, 0));
  // Index 4 is the face record, 9 lies past everything, -1 names nothing.
  for (long index : {4L, 9L, -1L}) {
    EXPECT_TRUE(get(faces, "Vertex X", CKdVariant(index)).IsEmpty()) << index;
    EXPECT_EQ(set(faces, "Vertex X", CKdVariant(1.0, true), CKdVariant(index)), -5001) << index;
  }
  EXPECT_TRUE(get(grid, "Vertex X", CKdVariant(6L)).IsEmpty());
  EXPECT_EQ(get(grid, "Vertex Z", CKdVariant(5L)).GetDouble(), 3.0);
}

TEST_F(Meshes, PolygonMeshesCloseDensifyAndSmooth) {
  EXPECT_EQ(get(grid, "M vertex count").GetInt32(), 2);
  EXPECT_EQ(get(grid, "N vertex count").GetInt32(), 3);
  EXPECT_EQ(set(grid, "M closed", choice(1)), 5100);
  EXPECT_TRUE(grid->isMClosed());
  EXPECT_FALSE(grid->isNClosed());
  EXPECT_EQ(set(grid, "N closed", choice(3)), 5100);  // other tags change nothing
  EXPECT_FALSE(grid->isNClosed());
  EXPECT_EQ(set(grid, "M density", CKdVariant(12)), 5100);
  EXPECT_EQ(grid->mSurfaceDensity(), 12);
  EXPECT_EQ(set(grid, "N density", CKdVariant(3.0, false)), -5001);
  EXPECT_EQ(selected(grid, "Fit/Smooth"), 0);
  EXPECT_EQ(set(grid, "Fit/Smooth", choice(8)), 5100);
  EXPECT_EQ(grid->polyMeshType(), OdDb::kBezierSurfaceMesh);

  // Closed in M only: "M-Closed ", after the size.
  auto listing = list(grid);
  EXPECT_EQ(item(*listing, "2x3 Mesh").text, CKdString(L"M-Closed "));
  EXPECT_EQ(item(*listing, "at point").point, OdGePoint3d(0, 0, 0));
  grid->makeNClosed();
  EXPECT_EQ(item(*list(grid), "2x3 Mesh").text, CKdString(L"N-Closed M-Closed "));

  OdDbDatabasePtr back = odDxfReadString(odDxfWriteString(drawing.db), "grid.dxf");
  OdDbPolygonMeshPtr read = OdDbPolygonMesh::cast(back->getOdDbObjectId(grid->objectId().getHandle()).openObject());
  ASSERT_FALSE(read.isNull());
  EXPECT_TRUE(read->isMClosed() && read->isNClosed());
  EXPECT_EQ(read->polyMeshType(), OdDb::kBezierSurfaceMesh);
  EXPECT_EQ(read->mSurfaceDensity(), 12);
}

TEST_F(Meshes, ThePolyfaceListingNamesVerticesAndFaces) {
  auto listing = list(faces);
  EXPECT_TRUE(hasItem(*listing, "Polyface mesh"));
  EXPECT_EQ(item(*listing, "Face vertices").text, CKdString(L"1 2 3 -4 "));
  int vertices = 0;
  for (const CKdPrintRecord& r : listing->Records()) vertices += r.label == CKdString(L"Polyface vertex") ? 1 : 0;
  EXPECT_EQ(vertices, 4);
}

TEST(SubDMeshes, ShowFacesAndVerticesAndReplaceTheIndexedVertex) {
  Drawing drawing;
  OdDbSubDMeshPtr tent = drawing.add(OdDbSubDMesh::createObject());
  OdGePoint3dArray points;
  for (const OdGePoint3d& p : {OdGePoint3d(0, 0, 0), OdGePoint3d(4, 0, 0), OdGePoint3d(4, 4, 0), OdGePoint3d(0, 4, 0),
                               OdGePoint3d(2, 2, 3)})
    points.push_back(p);
  ASSERT_EQ(tent->setSubDMesh(points, {{0, 1, 4}, {1, 2, 4}, {2, 3, 4}, {3, 0, 4}, {0, 3, 2, 1}}, 1), eOk);
  EXPECT_EQ(tent->numOfEdges(), 8);
  // Faces under "M vertex count", vertices under "N vertex count".
  tent->setSubDMesh(points, {{0, 1, 4}, {1, 2, 4}, {2, 3, 4}}, 1);
  EXPECT_EQ(get(tent, "M vertex count").GetInt32(), 3);
  EXPECT_EQ(get(tent, "N vertex count").GetInt32(), 5);
  EXPECT_TRUE(isReadOnly(tent, "Vertex X"));
  EXPECT_EQ(get(tent, "Vertex Z", CKdVariant(4L)).GetDouble(), 3.0);
  EXPECT_TRUE(get(tent, "Vertex Z", CKdVariant(5L)).IsEmpty());

  CKdVariantCollection vertices = get(tent, "Vertex").GetCollection();
  CKdVariantCollection edited;
  for (int i = 0; i < vertices.GetCount(); ++i)
    edited.Add(CKdVariantCollectionElement(i == 4 ? CKdVariant(OdGePoint3d(2, 2, 5)) : vertices.GetAt(i).GetValue(),
                                           vertices.GetAt(i).GetTag()));
  EXPECT_EQ(set(tent, "Vertex", CKdVariant(edited), CKdVariant(4L)), 5100);
  EXPECT_EQ(get(tent, "Vertex Z", CKdVariant(4L)).GetDouble(), 5.0);
  // An index past the list, or past the mesh's vertices, changes nothing.
  EXPECT_EQ(set(tent, "Vertex", CKdVariant(edited), CKdVariant(7L)), -5001);
  edited.Add(CKdVariantCollectionElement(CKdVariant(OdGePoint3d(9, 9, 9)), CKdVariant(5L)));
  EXPECT_EQ(set(tent, "Vertex", CKdVariant(edited), CKdVariant(5L)), -5001);

  auto listing = list(tent);
  EXPECT_EQ(item(*listing, "Number of faces").text, CKdString(L"3"));
  EXPECT_EQ(item(*listing, "Bounding Box lower corner").text, CKdString(L"X = 0, Y = 0, Z = 0"));
  EXPECT_EQ(item(*listing, "Bounding Box upper corner").text, CKdString(L"X = 4, Y = 4, Z = 5"));

  OdDbDatabasePtr back = odDxfReadString(odDxfWriteString(drawing.db), "tent.dxf");
  OdDbSubDMeshPtr read = OdDbSubDMesh::cast(back->getOdDbObjectId(tent->objectId().getHandle()).openObject());
  ASSERT_FALSE(read.isNull());
  EXPECT_EQ(read->numOfFaces(), 3);
  EXPECT_EQ(read->smoothLevel(), 1);
  OdGePoint3d top;
  ASSERT_EQ(read->getVertexAt(4, top), eOk);
  EXPECT_EQ(top, OdGePoint3d(2, 2, 5));
}
}  // namespace
