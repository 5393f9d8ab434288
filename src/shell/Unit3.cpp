#include "shell/Unit3.h"

TForm3* Form3 = nullptr;

namespace {

// The support window's layout, at 96 dots per inch. Controls are listed in tab order within
// their parent; Edit_Addons lies inside GroupBox1 and is placed relative to it.
constexpr ui::FormSpec kForm3{"TForm3", "For support", 692, 142, ui::BorderStyle::Dialog};
// clang-format off
//                                       left top width height text
constexpr ui::ControlSpec kButton_OK   = {592, 96,  81, 33, "OK"};
constexpr ui::ControlSpec kGroupBox1   = { 16, 16, 657, 65, " Velport installation folder "};
constexpr ui::ControlSpec kEdit_Addons = { 16, 24, 625, 20, ""};
constexpr ui::ControlSpec kPanel1      = { 16, 96, 497, 33, ""};
// clang-format on

}  // namespace

TForm3::TForm3(ui::Form& owner, const std::string& addonPath)
    : ui::Form(kForm3, &owner),
      Button_OK(*this, kButton_OK),
      GroupBox1(*this, kGroupBox1),
      Edit_Addons(GroupBox1, kEdit_Addons),
      Panel1(*this, kPanel1) {
    Button_OK.OnClick = [this] { Button_OKClick(); };
    Edit_Addons.SetEnabled(false);
    Edit_Addons.SetTabStop(false);
    Edit_Addons.SetText(addonPath);
}

void TForm3::Button_OKClick() {
    SetModalResult(ui::kModalOk);
}
