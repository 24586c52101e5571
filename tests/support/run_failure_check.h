// Checks that a call ends with ERunFailure of a given code and exact message.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "host/cp932.h"
#include "run/run_failure.h"

namespace velmora::test {

// The message of a failure as readable text, for failure output.
inline std::string Readable(const std::string& cp932) { return Cp932ToUtf8(cp932); }

// Runs `call`; succeeds when it throws ERunFailure with `code` and the CP932
// form of `utf8Message`.
template <typename Call>
::testing::AssertionResult ThrowsRunFailure(Call&& call, int code, const std::string& utf8Message) {
  try {
    call();
  } catch (const ERunFailure& failure) {
    const std::string expected = Utf8ToCp932(utf8Message).value_or("<not CP932>");
    if (failure.code() == code && failure.message() == expected)
      return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure()
           << "ERunFailure(" << failure.code() << ", \"" << Readable(failure.message())
           << "\"), expected (" << code << ", \"" << utf8Message << "\")";
  }
  return ::testing::AssertionFailure() << "no ERunFailure was thrown";
}

}  // namespace velmora::test
