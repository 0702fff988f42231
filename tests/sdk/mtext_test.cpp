// The text metric of multiline text: the lines its contents show, wrapping
// at a width, extents and corners for every attachment.
#include <gtest/gtest.h>
#include "Db/DbMText.h"
#include "Db/DbTextMetrics.h"

namespace {
std::vector<std::wstring> lines(const wchar_t* contents) { return odDbMTextLines(OdString(contents)); }
}  // namespace

TEST(MTextMetric, FormattingCodesShowNothingAndBrokenCodesShowAsTheyCome) {
  EXPECT_EQ(lines(L"{\\fArial|b1;Plan}\\PGround\\~floor"), (std::vector<std::wstring>{L"Plan", L"Ground floor"}));
  EXPECT_EQ(lines(L"\\A1;\\C3;\\H2.5x;\\Q15;\\T1.2;\\W0.8;\\Lunder\\l \\Oover\\o"), (std::vector<std::wstring>{L"under over"}));
  EXPECT_EQ(lines(L"1\\S1/32;\" and \\S12^;"), (std::vector<std::wstring>{L"132\" and 12"}));
  EXPECT_EQ(lines(L"a\\\\b \\{c\\} d"), (std::vector<std::wstring>{L"a\\b {c} d"}));
  // Unbalanced braces, a code without its end, an unknown code, a final backslash.
  EXPECT_EQ(lines(L"{{open}"), (std::vector<std::wstring>{L"open"}));
  EXPECT_EQ(lines(L"x\\H2"), (std::vector<std::wstring>{L"x"}));
  EXPECT_EQ(lines(L"\\Zzz\\"), (std::vector<std::wstring>{L"\\Zzz\\"}));
  EXPECT_EQ(lines(L"one\ntwo\\Pthree").size(), 3u);
  EXPECT_EQ(lines(L"").size(), 1u);
}

TEST(MTextMetric, WrappingBreaksAtSpacesAndKeepsLongWordsWhole) {
  // 0.6 x 1 per character: a width of 6 holds 10 characters.
  const std::vector<std::wstring> wrapped = odDbWrapLines({L"aaaa bbbb cccc", L"dddddddddddddd e"}, 6.0, 1.0);
  EXPECT_EQ(wrapped, (std::vector<std::wstring>{L"aaaa bbbb", L"cccc", L"dddddddddddddd", L"e"}));
  EXPECT_EQ(odDbWrapLines({L"aaaa bbbb cccc"}, 0.0, 1.0).size(), 1u);
}

TEST(MTextMetric, CornersFollowTheAttachmentInTheTextsPlane) {
  OdDbMTextPtr t = OdDbMText::createObject();
  t->setContents(L"abcd\\Pab");  // 4 characters wide, two lines
  t->setTextHeight(1.0);
  t->setLineSpacingFactor(1.5);
  t->setNormal(OdGeVector3d(0, 0, -1));  // seen from below: the text's Y axis is world Y, its X axis world -X
  EXPECT_NEAR(t->actualWidth(), 2.4, 1e-12);
  EXPECT_NEAR(t->actualHeight(), 1.0 + 1.5 * 5.0 / 3.0, 1e-12);
  t->setLocation(OdGePoint3d(10, 10, 0));
  const double w = 2.4, h = 3.5;
  const OdGeVector3d x = t->direction(), y = t->normal().crossProduct(x);
  EXPECT_TRUE(x.isEqualTo(OdGeVector3d(-1, 0, 0)));
  for (int a = 1; a <= 9; ++a) {
    SCOPED_TRACE(a);
    t->setAttachment(OdDbMText::AttachmentPoint(a));
    OdArray<OdGePoint3d> b;
    t->getBoundingPoints(b);
    ASSERT_EQ(b.size(), 4u);
    // The attachment point of the box is the location.
    const double fx = ((a - 1) % 3) * 0.5, fy = ((a - 1) / 3) * 0.5;
    const OdGePoint3d at = b[0] + x * (w * fx) - y * (h * fy);
    EXPECT_TRUE(at.isEqualTo(t->location(), OdGeTol(1e-12)));
    EXPECT_TRUE((b[1] - b[0]).isEqualTo(x * w, OdGeTol(1e-12)));
    EXPECT_TRUE((b[0] - b[2]).isEqualTo(y * h, OdGeTol(1e-12)));
    EXPECT_TRUE((b[3] - b[2]).isEqualTo(x * w, OdGeTol(1e-12)));
  }
  // Refused values change nothing.
  EXPECT_EQ(t->setLineSpacingFactor(4.0001), eInvalidInput);
  EXPECT_EQ(t->setTextHeight(0.0), eInvalidInput);
  EXPECT_EQ(t->setAttachment(OdDbMText::AttachmentPoint(10)), eInvalidInput);
  EXPECT_EQ(t->setDirection(OdGeVector3d(0, 0, 5)), eInvalidInput);  // along the normal: no direction in the plane
  EXPECT_EQ(t->lineSpacingFactor(), 1.5);
  EXPECT_TRUE(t->direction().isEqualTo(x));
}
