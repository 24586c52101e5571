// Output files byte for byte: the line writer, the MIF/MID objects and the
// x,y,z lines.
#include <gtest/gtest.h>

#include <string>

#include "output/mif_writer.h"
#include "output/text_line_writer.h"
#include "output/xyz_writer.h"
#include "support/run_failure_check.h"
#include "support/tiny_disc.h"

namespace velmora {
namespace {

class WritersTest : public ::testing::Test {
 protected:
  std::string Path(const std::string& name) const { return (folder_.path() / name).string(); }
  std::string Bytes(const std::string& name) const { return test::ReadFile(folder_.path() / name); }

  test::TTempFolder folder_;
  // Row 1, column 1 of sheet 392754, h = 12.3.
  const TGridCell cell_{(127.5 + dlon * 0) + dlon / 2, (26.5 - dlat * 0) - dlat / 2, 12.3};
};

TEST_F(WritersTest, LineWriterBytes) {
  TTextLineWriter w;
  w.Create(Path("a.txt"));
  w.Close();
  EXPECT_EQ(Bytes("a.txt"), "");

  w.Create(Path("b.txt"));
  w.WriteLine();
  w.Close();
  EXPECT_EQ(Bytes("b.txt"), "\r\n");

  w.Create(Path("c.txt"));
  w.WriteText("\x82\xa0");
  w.WriteFixed(1.25, 6, 1);
  w.WriteFixed(-2, 0, 0);
  w.WriteLine("x");
  w.Close();
  EXPECT_EQ(Bytes("c.txt"), "\x82\xa0   1.3-2x\r\n");
}

// Texts larger than the write block, and many small writes, arrive whole and in order.
TEST_F(WritersTest, LargeOutputsArriveWhole) {
  std::string expected;
  TTextLineWriter w;
  w.Create(Path("big.txt"));
  const std::string chunk(1 << 20, 'z');
  w.WriteText(chunk);
  expected += chunk;
  for (int i = 0; i < 100000; ++i) {
    w.WriteFixed(i / 10.0, 6, 1);
    w.WriteLine();
    expected += FormatFixed(i / 10.0, 6, 1) + "\r\n";
  }
  w.Close();
  EXPECT_TRUE(Bytes("big.txt") == expected);
}

// Creating empties an existing file at once; a missing folder or a folder of
// the name fails and leaves nothing behind.
TEST_F(WritersTest, CreateEmptiesOrFails) {
  test::WriteFile(folder_.path() / "old.txt", "old content");
  TTextLineWriter w;
  w.Create(Path("old.txt"));
  EXPECT_EQ(Bytes("old.txt"), "");
  w.Close();

  EXPECT_TRUE(test::ThrowsRunFailure([&] { TTextLineWriter().Create(Path("no/such.txt")); }, 3,
                                     "不正なﾌｧｲﾙ名です"));
  std::filesystem::create_directory(folder_.path() / "dir.mif");
  EXPECT_TRUE(test::ThrowsRunFailure([&] { TTextLineWriter().Create(Path("dir.mif")); }, 5,
                                     "ﾌｧｲﾙへのｱｸｾｽが拒否されました"));
  EXPECT_TRUE(std::filesystem::is_directory(folder_.path() / "dir.mif"));
}

TEST_F(WritersTest, MifHeaderIs113Bytes) {
  TTextLineWriter mif;
  mif.Create(Path("h.mif"));
  WriteMifHeader(mif);
  mif.Close();
  const std::string expected =
      "Version 300\r\nCharset \r\n\"WindowsJapanese\"\r\nCoordSys Earth Projection 1, 0\r\n"
      "Columns 1\r\n  h Decimal(10, 1)\r\nData\r\n\r\n";
  EXPECT_EQ(Bytes("h.mif"), expected);
  EXPECT_EQ(expected.size(), 113u);
}

TEST_F(WritersTest, PointObject) {
  TTextLineWriter mif, mid;
  mif.Create(Path("p.mif"));
  mid.Create(Path("p.mid"));
  WritePointObject(mif, mid, cell_);
  WritePointObject(mif, mid, {127.5003125, 26.4997917, -0.5});
  mif.Close();
  mid.Close();
  EXPECT_EQ(Bytes("p.mid"), "  12.3\r\n  -0.5\r\n");
  EXPECT_EQ(Bytes("p.mif"),
            "Point \r\n 127.5003125  26.4997917\r\n    Symbol (34,0,9) \r\n"
            "Point \r\n 127.5003125  26.4997917\r\n    Symbol (34,0,9) \r\n");
}

TEST_F(WritersTest, RegionObject) {
  TTextLineWriter mif, mid;
  mif.Create(Path("r.mif"));
  mid.Create(Path("r.mid"));
  WriteRegionObject(mif, mid, cell_);
  mif.Close();
  mid.Close();
  EXPECT_EQ(Bytes("r.mid"), "  12.3\r\n");
  EXPECT_EQ(Bytes("r.mif"),
            "Region  1\r\n  5\r\n"
            " 127.5000000  26.4995833\r\n 127.5006250  26.4995833\r\n"
            " 127.5006250  26.5000000\r\n 127.5000000  26.5000000\r\n"
            " 127.5000000  26.4995833\r\n"
            "    Pen (1,2,0) \r\n    Brush (1,0,16777215)\r\n");
}

TEST_F(WritersTest, XyzLines) {
  TTextLineWriter txt;
  txt.Create(Path("z.txt"));
  for (double h : {12.3, -0.5, 1234.5, 12345.6}) WriteXyzLine(txt, {cell_.x, cell_.y, h});
  txt.Close();
  EXPECT_EQ(Bytes("z.txt"),
            " 127.5003125,  26.4997917,  12.3\r\n"
            " 127.5003125,  26.4997917,  -0.5\r\n"
            " 127.5003125,  26.4997917,1234.5\r\n"
            " 127.5003125,  26.4997917,12345.6\r\n");
}

}  // namespace
}  // namespace velmora
