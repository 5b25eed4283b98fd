#pragma once

#include <cstdio>
#include <string>

// Every text the program shows to the user, byte for byte. Format texts keep their printf conversions.
namespace msg {

inline constexpr char kOpenFailed[] = "指定のCOMポートに接続できませんでした。\ncode: %d";
inline constexpr char kNotConnected[] = "接続していません。";
inline constexpr char kNothingReceived[] = "受信できませんでした。";
inline constexpr char kExchangeFailed[] = "送受信に失敗しました。\ncode: %d";
inline constexpr char kUnsupportedDevice[] = "対応していないデバイスです。";
inline constexpr char kRateNotDigits[] = "通信速度に数字以外は指定できません。";
inline constexpr char kRateOutOfRange[] = "通信速度は %d - %d の範囲で設定してください。";
inline constexpr char kFlowCharNotHex[] = "XON、XOFFに16進数文字以外は指定できません。";
inline constexpr char kFlowCharOutOfRange[] = "XON、XOFFは00-FFの範囲で指定してください。";
inline constexpr char kSevenNoneOneRefused[] =
    "データビット 7、パリティ なし、ストップビット 1bit の設定はできません。";
inline constexpr char kSettingsApplied[] = "設定しました。";
inline constexpr char kCaptionConnect[] = "接続";
inline constexpr char kCaptionDisconnect[] = "切断";
inline constexpr char kHelpFailed[] = "ヘルプの起動に失敗しました。";
inline constexpr char kVersionLine[] = "Version %d.%d%d";
inline constexpr char kVersionLineWithRevision[] = "Version %d.%d%d%d";

// A format text with its int conversions filled in.
template <typename... Ints> std::string Format(const char* format, Ints... values) {
    const int length = std::snprintf(nullptr, 0, format, static_cast<int>(values)...);
    std::string text(static_cast<std::size_t>(length), '\0');
    std::snprintf(text.data(), text.size() + 1, format, static_cast<int>(values)...);
    return text;
}

} // namespace msg
