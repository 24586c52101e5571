// Every fixed text of a run, as CP932 bytes. The comment above each one
// shows it in readable form.
#pragma once

#include <string_view>

namespace velmora::messages {

// ﾌｧｲﾙが見つかりません — code 2: the file does not exist
inline constexpr std::string_view kFileNotFound = "\xcc\xa7\xb2\xd9\x82\xaa\x8c\xa9\x82\xc2\x82\xa9\x82\xe8\x82\xdc\x82\xb9\x82\xf1";

// 不正なﾌｧｲﾙ名です — code 3: a folder on the path does not exist
inline constexpr std::string_view kPathNotFound = "\x95s\x90\xb3\x82\xc8\xcc\xa7\xb2\xd9\x96\xbc\x82\xc5\x82\xb7";

// ｵｰﾌﾟﾝしたﾌｧｲﾙが多すぎます — code 4: too many files open
inline constexpr std::string_view kTooManyOpenFiles = "\xb5\xb0\xcc\xdf\xdd\x82\xb5\x82\xbd\xcc\xa7\xb2\xd9\x82\xaa\x91\xbd\x82\xb7\x82\xac\x82\xdc\x82\xb7";

// ﾌｧｲﾙへのｱｸｾｽが拒否されました — code 5: access denied
inline constexpr std::string_view kAccessDenied = "\xcc\xa7\xb2\xd9\x82\xd6\x82\xcc\xb1\xb8\xbe\xbd\x82\xaa\x8b\x91\x94\xdb\x82\xb3\x82\xea\x82\xdc\x82\xb5\x82\xbd";

// ﾌｧｲﾙの末尾以降を読み込みました — code 100: read beyond the end of a file
inline constexpr std::string_view kReadBeyondEnd = "\xcc\xa7\xb2\xd9\x82\xcc\x96\x96\x94\xf6\x88\xc8\x8d~\x82\xf0\x93\xc7\x82\xdd\x8d\x9e\x82\xdd\x82\xdc\x82\xb5\x82\xbd";

// ﾃﾞｨｽｸがいっぱいです — code 101: disk write failure
inline constexpr std::string_view kDiskWriteFailure = "\xc3\xde\xa8\xbd\xb8\x82\xaa\x82\xa2\x82\xc1\x82\xcf\x82\xa2\x82\xc5\x82\xb7";

// 入力値が数値ではありません — code 106: input is not a number
inline constexpr std::string_view kNotANumber = "\x93\xfc\x97\xcd\x92l\x82\xaa\x90\x94\x92l\x82\xc5\x82\xcd\x82\xa0\x82\xe8\x82\xdc\x82\xb9\x82\xf1";

// I/O ｴﾗｰ ( — any other code n: this, n in decimal, then ")"
inline constexpr std::string_view kIoErrorPrefix = "I/O \xb4\xd7\xb0 (";

// 浮動小数点数のｵｰﾊﾞｰﾌﾛｰ — a number too large to hold
inline constexpr std::string_view kFloatOverflow = "\x95\x82\x93\xae\x8f\xac\x90\x94\x93_\x90\x94\x82\xcc\xb5\xb0\xca\xde\xb0\xcc\xdb\xb0";

// 数値入力エラー1 — a bound text that is not a number
inline constexpr std::string_view kNumberTextError = "\x90\x94\x92l\x93\xfc\x97\xcd\x83G\x83\x89\x81[1";

// 数値入力エラー — a bound outside its range, or bounds in the wrong order
inline constexpr std::string_view kNumberRangeError = "\x90\x94\x92l\x93\xfc\x97\xcd\x83G\x83\x89\x81[";

// 出力形式を選んでください — no output format chosen
inline constexpr std::string_view kNoFormatChosen = "\x8fo\x97\xcd\x8c`\x8e\xae\x82\xf0\x91I\x82\xf1\x82\xc5\x82\xad\x82\xbe\x82\xb3\x82\xa2";

// 処理終了しました。 — the last line of a completed run
inline constexpr std::string_view kRunFinished = "\x8f\x88\x97\x9d\x8fI\x97\xb9\x82\xb5\x82\xdc\x82\xb5\x82\xbd\x81" "B";

}  // namespace velmora::messages
