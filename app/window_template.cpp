#include "app/window_template.h"

namespace {

using enum ControlKind;

constexpr ControlTemplate kControls[] = {
    {1000, DropDownList, "", 75, 10, 150, 315, kTabStop},
    {1001, PushButton, "接続", 175, 25, 50, 14, kTabStop},
    {1003, DropDown, "", 80, 92, 48, 242, kTabStop},
    {1004, AutoRadioButton, "8bit", 80, 110, 27, 10, kGroup | kTabStop},
    {1005, AutoRadioButton, "7bit", 110, 110, 27, 10, 0},
    {1006, AutoRadioButton, "なし", 80, 125, 27, 10, kGroup | kTabStop},
    {1007, AutoRadioButton, "奇数", 110, 125, 30, 10, 0},
    {1008, AutoRadioButton, "偶数", 140, 125, 30, 10, 0},
    {1009, AutoRadioButton, "1bit", 80, 140, 27, 10, kGroup | kTabStop},
    {1010, AutoRadioButton, "2bit", 110, 140, 27, 10, 0},
    {1049, AutoRadioButton, "なし", 80, 155, 30, 10, kGroup | kTabStop},
    {1022, AutoRadioButton, "RTS-CTS", 110, 155, 45, 10, 0},
    {1036, AutoRadioButton, "Xon-Xoff", 155, 155, 45, 10, 0},
    {1038, Edit, "", 90, 170, 20, 14, kTabStop},
    {1040, Edit, "", 170, 170, 20, 14, kTabStop},
    {1012, DropDown, "", 80, 219, 48, 242, kTabStop},
    {1013, AutoRadioButton, "8bit", 80, 235, 27, 10, kGroup | kTabStop},
    {1014, AutoRadioButton, "7bit", 110, 235, 27, 10, 0},
    {1015, AutoRadioButton, "なし", 80, 251, 27, 10, kGroup | kTabStop},
    {1016, AutoRadioButton, "奇数", 110, 251, 30, 10, 0},
    {1017, AutoRadioButton, "偶数", 140, 251, 30, 10, 0},
    {1018, AutoRadioButton, "1bit", 80, 265, 27, 10, kGroup | kTabStop},
    {1019, AutoRadioButton, "2bit", 110, 265, 27, 10, 0},
    {1050, AutoRadioButton, "なし", 80, 280, 30, 10, kGroup | kTabStop},
    {1043, AutoRadioButton, "RTS-CTS", 110, 280, 45, 10, 0},
    {1044, AutoRadioButton, "Xon-Xoff", 155, 280, 42, 10, 0},
    {1046, Edit, "", 90, 295, 20, 14, kTabStop},
    {1048, Edit, "", 170, 295, 20, 14, kTabStop},
    {1033, PushButton, "設定", 175, 330, 50, 14, kTabStop},
    {1011, StaticText, "bps", 130, 95, 75, 8, kGroup},
    {kNoControlId, StaticText, "USB接続 COMポート:", 10, 12, 62, 8, kGroup},
    {1002, StaticText, "", 20, 50, 205, 8, kGroup},
    {kNoControlId, EtchedHorzLine, "", 15, 70, 210, 1, kGroup},
    {1027, StaticText, "ポートA", 25, 80, 22, 8, kGroup},
    {1023, StaticText, "通信速度:", 30, 95, 30, 8, kGroup},
    {1024, StaticText, "データビット:", 30, 110, 31, 8, kGroup},
    {1025, StaticText, "パリティ:", 30, 125, 21, 8, kGroup},
    {1026, StaticText, "ストップビット:", 30, 140, 34, 8, kGroup},
    {1035, StaticText, "フロー制御:", 30, 155, 31, 8, kGroup},
    {1037, StaticText, "Xon (HEX指定):", 40, 172, 46, 8, kGroup},
    {1039, StaticText, "Xoff (HEX指定):", 120, 172, 47, 8, kGroup},
    {kNoControlId, EtchedHorzLine, "", 15, 195, 210, 1, kGroup},
    {1028, StaticText, "ポートB", 25, 205, 22, 8, kGroup},
    {1029, StaticText, "通信速度:", 30, 221, 30, 8, kGroup},
    {1030, StaticText, "データビット:", 30, 235, 31, 8, kGroup},
    {1031, StaticText, "パリティ:", 30, 251, 21, 8, kGroup},
    {1032, StaticText, "ストップビット:", 30, 265, 34, 8, kGroup},
    {1020, StaticText, "bps", 130, 221, 75, 8, kGroup},
    {kNoControlId, EtchedHorzLine, "", 15, 320, 210, 1, kGroup},
    {1034, StaticText, "", 15, 335, 135, 8, kGroup},
    {1041, StaticText, "フロー制御:", 30, 280, 31, 8, kGroup},
    {1045, StaticText, "Xon (HEX指定):", 40, 297, 46, 8, kGroup},
    {1047, StaticText, "Xoff (HEX指定):", 120, 297, 47, 8, kGroup},
};

constexpr WindowTemplate kMainWindow = {239, 358, "TQ-73set", kControls};

} // namespace

const WindowTemplate& MainWindowTemplate() {
    return kMainWindow;
}
