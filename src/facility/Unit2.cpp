#include "facility/Unit2.h"

#include <array>
#include <string>

#include "ui/Application.h"
#include "ui/Font.h"

TForm2* Form2 = nullptr;

namespace {

// The dialog's layout, at 96 dots per inch. Controls are listed in tab order.
constexpr ui::FormSpec kForm2{"TForm2", "Select the airport", 313, 214, ui::BorderStyle::Dialog};
// clang-format off
//                                         left  top width height text
constexpr ui::ControlSpec kButton_OK     = {216,  16,  81,  33, "OK"};
constexpr ui::ControlSpec kButton_Cancel = {216,  64,  81,  33, "Cancel"};
constexpr ui::ControlSpec kCheck_All     = {216, 120,  81,  17, " All Check"};
constexpr ui::ControlSpec kCheck_Airport = { 16,  16, 185, 137, ""};
constexpr ui::ControlSpec kLabel_Msg     = { 16, 168, 281,  33, "Message"};
// clang-format on
constexpr int kItemHeight = 12;

constexpr std::array<const char*, facility::kAirportCount> kAirports = {
    "RJBB - Kansai Intl", "RJBD - Nanki-Shirahama", "RJBT - Tajima",
    "RJOK - Kochi",       "RJBH - Hiroshimanishi",
};

// The prompt names the running command by its verb: "... which registers AFCAD file."
constexpr const char* kPromptBeforeVerb = "Please choose the airport which ";
constexpr const char* kPromptAfterVerb = " AFCAD file.";

constexpr int kFontHeight = 12;  // character height in pixels at 96 dots per inch

// True only while Check_AirportClick brings Check_All up to date: Check_AllClick then leaves
// the items alone.
bool Updating = false;

int ScreenDpi() {
    const HDC screen = GetDC(nullptr);
    if (screen == nullptr)
        return 96;
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return dpi > 0 ? dpi : 96;
}

ui::FormSpec ScaledForm() {
    const int dpi = ScreenDpi();
    ui::FormSpec spec = kForm2;
    spec.clientWidth = MulDiv(spec.clientWidth, dpi, 96);
    spec.clientHeight = MulDiv(spec.clientHeight, dpi, 96);
    return spec;
}

}  // namespace

TForm2::Scaling::Scaling() : dpi_(ScreenDpi()) {
    font_ = ui::CreateProgramFont((*this)(kFontHeight));
}

TForm2::Scaling::~Scaling() {
    if (font_ != nullptr)
        DeleteObject(font_);
}

int TForm2::Scaling::operator()(int pixels) const {
    return MulDiv(pixels, dpi_, 96);
}

ui::ControlSpec TForm2::Scaling::operator()(const ui::ControlSpec& spec) const {
    return {(*this)(spec.left), (*this)(spec.top), (*this)(spec.width), (*this)(spec.height),
            spec.text};
}

TForm2::TForm2(ui::Form& owner)
    : ui::Form(ScaledForm(), &owner),
      Button_OK(*this, scale_(kButton_OK)),
      Button_Cancel(*this, scale_(kButton_Cancel)),
      Check_All(*this, scale_(kCheck_All)),
      Check_Airport(*this, scale_(kCheck_Airport), scale_(kItemHeight)),
      Label_Msg(*this, scale_(kLabel_Msg)) {
    for (const char* airport : kAirports)
        Check_Airport.AddItem(airport);
    OnShow = [this] { FormOnShow(); };
    Button_OK.OnClick = [this] { Button_OKClick(); };
    Button_Cancel.OnClick = [this] { Button_CancelClick(); };
    Check_All.OnClick = [this] { Check_AllClick(); };
    Check_Airport.OnClick = [this] { Check_AirportClick(); };
}

int TForm2::ShowModal(facility::AfdWork& work) {
    work_ = &work;
    const int result = ui::Form::ShowModal();
    work_ = nullptr;
    return result;
}

void TForm2::FormOnShow() {
    Check_Airport.SetItemIndex(-1);
    // When it was checked, this runs Check_AllClick, which unticks the items.
    Check_All.SetChecked(false);
    Check_AllClick();
    const std::string verb = work_ != nullptr ? work_->verb : std::string();
    Label_Msg.SetText(kPromptBeforeVerb + verb + kPromptAfterVerb);
}

void TForm2::Check_AllClick() {
    if (Updating)
        return;
    const bool all = Check_All.Checked();
    for (int i = 0; i < Check_Airport.Count(); ++i)
        Check_Airport.SetChecked(i, all);
    ui::Application::Instance().ProcessMessages();
}

void TForm2::Check_AirportClick() {
    int ticked = 0;
    for (int i = 0; i < Check_Airport.Count(); ++i)
        ticked += Check_Airport.Checked(i) ? 1 : 0;
    Updating = true;
    Check_All.SetChecked(ticked == facility::kAirportCount);
    Updating = false;
    ui::Application::Instance().ProcessMessages();
}

void TForm2::Button_OKClick() {
    if (work_ != nullptr) {
        for (int i = 0; i < facility::kAirportCount; ++i)
            work_->selected[i] = Check_Airport.Checked(i) ? 1 : 0;
    }
    SetModalResult(ui::kModalOk);
}

void TForm2::Button_CancelClick() {
    SetModalResult(ui::kModalCancel);
}
