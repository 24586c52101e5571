// Validation of the inputs as typed, and the messages that end a run early.
#include "run/validation.h"

#include <gtest/gtest.h>

#include <string>

#include "host/cp932.h"
#include "support/run_failure_check.h"

namespace velmora {
namespace {

TRunRequest Defaults() {
  TRunRequest r;
  r.dataRoot = "D:";
  r.baseName = "File name";
  r.Y_min = "26.056649";
  r.Y_max = "26.881738";
  r.X_min = "127.619553";
  r.X_max = "128.357271";
  r.format = TOutputFormat::ofXyzText;
  return r;
}

// The message of a validation, readable; "" when it passed.
std::string Outcome(const TRunRequest& r) {
  const TValidation v = ValidateRunRequest(r);
  if (const auto* message = std::get_if<std::string>(&v)) return Cp932ToUtf8(*message);
  return "";
}

TEST(ValidateRunRequest, DefaultsPassAndAreCopied) {
  TRunRequest r = Defaults();
  r.dataRoot = " E:\\";
  r.baseName = "";
  const TValidation v = ValidateRunRequest(r);
  ASSERT_TRUE(std::holds_alternative<TRunParams>(v));
  const auto& p = std::get<TRunParams>(v);
  EXPECT_EQ(p.dataRoot, " E:\\");
  EXPECT_EQ(p.baseName, "");
  EXPECT_EQ(p.Y_min, 26.056649);
  EXPECT_EQ(p.Y_max, 26.881738);
  EXPECT_EQ(p.X_min, 127.619553);
  EXPECT_EQ(p.X_max, 128.357271);
  EXPECT_EQ(p.format, TOutputFormat::ofXyzText);
}

TEST(ValidateRunRequest, Messages) {
  const std::string kText = "数値入力エラー1", kRange = "数値入力エラー", kFormat = "出力形式を選んでください";
  const struct {
    std::string TRunRequest::*field;
    std::string text;
    std::string outcome;
  } cases[] = {
      {&TRunRequest::Y_min, " 26.5", ""},
      {&TRunRequest::Y_min, "26.5 ", kText},
      {&TRunRequest::Y_min, "26,5", kText},
      {&TRunRequest::Y_min, "", kText},
      {&TRunRequest::Y_min, "\x82\x51\x82\x55", kText},  // full-width 26
      {&TRunRequest::Y_min, ".", ""},
      {&TRunRequest::Y_min, "E5", ""},
      {&TRunRequest::X_min, ".", kRange},
      {&TRunRequest::Y_min, "-0", ""},
      {&TRunRequest::Y_min, "-1e-40", ""},  // held as 0
      {&TRunRequest::Y_min, "-0.1", kRange},
      {&TRunRequest::Y_max, "90", ""},
      {&TRunRequest::Y_max, "90.0000001", kRange},
      {&TRunRequest::X_max, "180", ""},
      {&TRunRequest::X_max, "180.0001", kRange},
      {&TRunRequest::X_min, "89.9", kRange},
      {&TRunRequest::Y_min, "26.881738", ""},   // zero height
      {&TRunRequest::X_min, "128.357271", ""},  // zero width
      {&TRunRequest::Y_min, "27", kRange},      // south above north
      {&TRunRequest::X_min, "129", kRange},     // west east of east
      {&TRunRequest::X_max, "1e38", kRange},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE("text \"" + c.text + "\"");
    TRunRequest r = Defaults();
    r.*c.field = c.text;
    EXPECT_EQ(Outcome(r), c.outcome);
  }
}

// The number tests come before the format test; the overflow comes first of all.
TEST(ValidateRunRequest, OrderOfTests) {
  TRunRequest r = Defaults();
  r.format.reset();
  EXPECT_EQ(Outcome(r), "出力形式を選んでください");
  r.Y_min = "x";
  EXPECT_EQ(Outcome(r), "数値入力エラー1");
  r.Y_min = "91";
  EXPECT_EQ(Outcome(r), "数値入力エラー");

  r = Defaults();
  r.Y_min = "bad";
  r.Y_max = "1e39";
  EXPECT_TRUE(test::ThrowsRunFailure([&] { ValidateRunRequest(r); }, 0, "浮動小数点数のｵｰﾊﾞｰﾌﾛｰ"));
  r = Defaults();
  r.X_max = std::string(39, '9') + " ";  // rejected, but its digits alone overflow
  EXPECT_TRUE(test::ThrowsRunFailure([&] { ValidateRunRequest(r); }, 0, "浮動小数点数のｵｰﾊﾞｰﾌﾛｰ"));
}

}  // namespace
}  // namespace velmora
