// Meshes as ezdxf writes them: counts and vertices as ezdxf made them, one
// vertex of each kind moved through kdprops and the meshes read back by
// ezdxf with their faces, edges and flags kept.
#include "CliTest.h"

TEST_F(Cli, MeshesOfEzdxfKeepTheirFacesWhenVerticesMove) {
  if (!haveEzdxf()) GTEST_SKIP() << "python3-ezdxf is not installed";
  const std::string drawing = file("meshes.dxf");
  Result made = run(python("ezdxf_mesh_check.py", "make " + drawing) + " 2>/dev/null");
  ASSERT_EQ(made.status, 0) << made.out;
  const json h = json::parse(made.out);
  const std::string faces = h["faces"], grid = h["grid"], tent = h["tent"];
  const json before = json::parse(run(python("ezdxf_mesh_check.py", "read " + drawing)).out);

  json f = jsonOf("props " + drawing + " --handle " + faces + " --json");
  EXPECT_EQ(f["displayName"], "PolyFaceMesh");
  EXPECT_EQ(rowOf(f, "Number of vertices")["value"]["value"], before[faces]["vertices"].size());
  EXPECT_EQ(rowOf(f, "Number of faces")["value"]["value"], before[faces]["faces"].size());
  json g = jsonOf("props " + drawing + " --handle " + grid + " --json");
  EXPECT_EQ(rowOf(g, "M vertex count")["value"]["value"], 3);
  EXPECT_EQ(rowOf(g, "N vertex count")["value"]["value"], 4);
  EXPECT_EQ(rowOf(g, "M closed")["value"]["selected"], 0);  // "Yes"
  json t = jsonOf("props " + drawing + " --handle " + tent + " --json");
  EXPECT_EQ(rowOf(t, "M vertex count")["value"]["value"], before[tent]["faces"].size());
  EXPECT_EQ(rowOf(t, "N vertex count")["value"]["value"], before[tent]["vertices"].size());

  const std::string edited = file("meshes-edited.dxf");
  ASSERT_EQ(run(kdprops("set " + drawing + " --handle " + faces + " --name \"Vertex Z\" --value 4 --index 2 -o " + edited)).status, 0);
  ASSERT_EQ(run(kdprops("set " + edited + " --handle " + grid + " --name \"Vertex X\" --value -1 --index 11 --in-place")).status, 0);
  ASSERT_EQ(run(kdprops("set " + edited + " --handle " + grid + " --name \"N closed\" --choice 1 --in-place")).status, 0);
  ASSERT_EQ(run(kdprops("set " + edited + " --handle " + grid + " --name \"Fit/Smooth\" --choice 8 --in-place")).status, 0);
  // The polyface's face records follow its vertices: index 6 is one.
  Result face = run(kdprops("set " + edited + " --handle " + faces + " --name \"Vertex X\" --value 9 --index 6 --in-place"));
  EXPECT_NE(face.out.find("-5001"), std::string::npos) << face.out;

  const json after = json::parse(run(python("ezdxf_mesh_check.py", "read " + edited)).out);
  json expectFaces = before[faces];
  expectFaces["vertices"][2][2] = 4.0;
  EXPECT_EQ(after[faces]["vertices"], expectFaces["vertices"]);
  EXPECT_EQ(after[faces]["faces"], before[faces]["faces"]);
  EXPECT_EQ(after[grid]["vertices"][11], json::array({-1.0, 3.0, 3.0}));
  EXPECT_EQ(after[grid]["flags"].get<int>() & (1 | 32 | 16), 1 | 32 | 16);
  EXPECT_EQ(after[grid]["smooth"], 8);
  EXPECT_EQ(after[tent], before[tent]);
}
