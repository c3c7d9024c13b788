#include "toolkit/win/controls/MediaPlayer.h"

#include "toolkit/core/ClassBuilder.h"
#include "toolkit/core/ScopeGuard.h"
#include "toolkit/win/window/Application.h"

#include <mmsystem.h>

#include <algorithm>
#include <atomic>
#include <cstdlib>
#include <vector>

namespace fw {

using namespace mpbtn;

const TClassInfo& TMediaPlayer::StaticClassInfo() {
    using M = TMediaPlayer;
    const int32_t all = static_cast<int32_t>(AllButtons().Bits());
    static const TClassInfo info = TClassBuilder<M, TCustomControl>()
                                       .Prop("AutoEnable", &M::AutoEnable, &M::SetAutoEnable).Default(true)
                                       .Prop("AutoOpen", &M::AutoOpen, &M::SetAutoOpen).Default(false)
                                       .Prop("AutoRewind", &M::AutoRewind, &M::SetAutoRewind).Default(true)
                                       .Prop("ColoredButtons", &M::ColoredButtons, &M::SetColoredButtons).Default(all)
                                       .Prop("DeviceType", &M::DeviceType, &M::SetDeviceType).Default(dtAutoSelect)
                                       .Prop("Display", &M::Display, &M::SetDisplay)
                                       .Prop("EnabledButtons", &M::EnabledButtons, &M::SetEnabledButtons).Default(all)
                                       .Prop("FileName", &M::FileName, &M::SetFileName)
                                       .Prop("Shareable", &M::Shareable, &M::SetShareable).Default(false)
                                       .Prop("TabStop", &M::TabStop, &M::SetTabStop).Default(true)
                                       .Prop("VisibleButtons", &M::VisibleButtons, &M::SetVisibleButtons).Default(all)
                                       .Prop("OnClick", &M::OnClick, &M::OnClick)
                                       .Prop("OnNotify", &M::OnNotify, &M::OnNotify)
                                       .Prop("OnPostClick", &M::OnPostClick, &M::OnPostClick)
                                       .Build();
    return info;
}

TMediaPlayer::TMediaPlayer(TComponent* owner) : TCustomControl(owner) {
    // Clicks are reported per button (OnClick with the button), not for the
    // control as a whole; the bar has no caption of its own.
    SetControlStyle((ControlStyle() | csOpaque) & ~static_cast<uint32_t>(csClickEvents | csSetCaption));
    SetBounds(0, 0, 253, 30);
    SetTabStop(true);
}

TMediaPlayer::~TMediaPlayer() {
    try {
        Close();
    } catch (...) {
        // A device that will not close goes with the player all the same.
    }
    SetDisplay(nullptr);
}

void TMediaPlayer::SetVisibleButtons(TButtonSet v) {
    v = v * AllButtons();
    if (FVisibleButtons == v) return;
    EndPress();
    FVisibleButtons = v;
    if (!FVisibleButtons.Contains(FFocusButton) || !ButtonsEnabledNow().Contains(FFocusButton)) MoveFocusButton(1);
    Invalidate();
}

void TMediaPlayer::SetEnabledButtons(TButtonSet v) {
    v = v * AllButtons();
    if (FEnabledButtons == v) return;
    EndPress();
    FEnabledButtons = v;
    if (!FVisibleButtons.Contains(FFocusButton) || !ButtonsEnabledNow().Contains(FFocusButton)) MoveFocusButton(1);
    Invalidate();
}

void TMediaPlayer::SetAutoEnable(bool v) {
    if (FAutoEnable == v) return;
    FAutoEnable = v;
    Invalidate();
}

TButtonSet TMediaPlayer::ButtonsEnabledNow() const {
    if (!DeviceOpen() || !FAutoEnable) return FEnabledButtons;
    return FModeButtons;
}

void TMediaPlayer::UpdateModeButtons() {
    std::string mode;
    try {
        mode = Mode();
    } catch (const EMCIDeviceError&) {
    }
    if (mode == "playing" || mode == "recording" || mode == "seeking")
        FModeButtons = AllButtons() - TButtonSet{btPlay, btRecord};
    else if (mode == "paused")
        FModeButtons = AllButtons() - TButtonSet{btRecord};
    else // stopped, open, not ready, or no answer
        FModeButtons = AllButtons() - TButtonSet{btPause, btStop};
    if (FPressing && !ButtonsEnabledNow().Contains(FPressedButton)) EndPress();
    if (!ButtonsEnabledNow().Contains(FFocusButton)) MoveFocusButton(1);
    Invalidate();
}

void TMediaPlayer::SetColoredButtons(TButtonSet v) {
    v = v * AllButtons();
    if (FColoredButtons == v) return;
    FColoredButtons = v;
    Invalidate();
}

void TMediaPlayer::SetDisplay(TWinControl* v) {
    if (v == this) v = nullptr;
    if (FDisplay == v) return;
    if (FDisplay) FDisplay->RemoveFreeNotification(this);
    FDisplay = v;
    if (v) v->FreeNotification(this);
    if (DeviceOpen()) AttachDisplay();
}

void TMediaPlayer::Notification(TComponent* component, TOperation operation) {
    TCustomControl::Notification(component, operation);
    if (operation == TOperation::opRemove && component == FDisplay) {
        FDisplay = nullptr;
        if (DeviceOpen()) AttachDisplay();
    }
}

void TMediaPlayer::Loaded() {
    TCustomControl::Loaded();
    if (!FAutoOpen || Designing()) return;
    // A device that cannot be opened is reported; the form loads all the same.
    try {
        Open();
    } catch (...) {
        Application().HandleException(std::current_exception());
    }
}

// --- the device ------------------------------------------------------------------

namespace {

const char* const kDeviceTypeNames[] = {"",          "avivideo",  "cdaudio", "dat",       "digitalvideo",
                                        "mmmovie",   "other",     "overlay", "scanner",   "sequencer",
                                        "vcr",       "videodisc", "waveaudio"};

std::string MciErrorText(MCIERROR error) {
    wchar_t buf[256] = {};
    if (!mciGetErrorStringW(error, buf, 256) || !buf[0]) return "The device reported error " + std::to_string(error);
    return win::Narrow(buf);
}

// Sends one command string; raises EMCIDeviceError on failure.
std::string Send(const std::string& command, HWND callback) {
    wchar_t answer[256] = {};
    MCIERROR e = mciSendStringW(win::Wide(command).c_str(), answer, 256, callback);
    if (e != 0) throw EMCIDeviceError(MciErrorText(e));
    return win::Narrow(answer);
}

} // namespace

void TMediaPlayer::Open() {
    if (DeviceOpen()) Close();
    if (FFileName.empty() && FDeviceType == dtAutoSelect)
        throw EMCIDeviceError("No file name or device type given: there is no device to open");
    // A quote would end the file name inside the command string.
    if (FFileName.find('"') != std::string::npos) throw EMCIDeviceError("A file name cannot contain a quote");
    static std::atomic<int> counter{0};
    std::string alias = "fwmp" + std::to_string(++counter);
    std::string command = "open ";
    if (!FFileName.empty()) {
        command += '"' + FFileName + '"';
        if (FDeviceType != dtAutoSelect) command += std::string(" type ") + kDeviceTypeNames[FDeviceType];
    } else {
        command += kDeviceTypeNames[FDeviceType];
    }
    command += " alias " + alias;
    if (FShareable) command += " shareable";
    Send(command + " wait", nullptr);
    FAlias = alias;
    AttachDisplay();
    UpdateModeButtons();
}

void TMediaPlayer::Close() {
    if (!DeviceOpen()) return;
    std::string alias = std::move(FAlias);
    FAlias.clear();
    if (!ButtonsEnabledNow().Contains(FFocusButton)) MoveFocusButton(1);
    Invalidate();
    Send("close " + alias + " wait", nullptr);
}

void TMediaPlayer::AttachDisplay() {
    // Devices without pictures refuse the window command: nothing to show then.
    try {
        if (FDisplay) Command("window", "handle " + std::to_string(reinterpret_cast<uintptr_t>(FDisplay->Handle())));
        else Command("window", "handle default");
    } catch (const Exception&) {
    }
}

void TMediaPlayer::RequireOpen() const {
    if (!DeviceOpen()) throw EMCIDeviceError("The media player has no open device");
}

std::string TMediaPlayer::Command(const std::string& verb, const std::string& args, bool notify) {
    RequireOpen();
    std::string command = verb + " " + FAlias;
    if (!args.empty()) command += " " + args;
    HWND callback = nullptr;
    if (notify && HandleAllocated()) {
        command += " notify";
        callback = Handle();
    } else {
        command += " wait";
    }
    return Send(command, callback);
}

std::string TMediaPlayer::Mode() { return DeviceOpen() ? Command("status", "mode") : std::string(); }

void TMediaPlayer::Play() {
    RequireOpen();
    if (FAutoRewind) {
        // At the end already: start again from the beginning.
        std::string position = Command("status", "position"), length = Command("status", "length");
        if (!position.empty() && position == length) Command("seek", "to start");
    }
    Command("play", {}, true);
}

void TMediaPlayer::Pause() {
    if (Mode() == "paused") {
        try {
            Command("resume");
        } catch (const EMCIDeviceError&) {
            Command("play", {}, true); // devices without resume play on from where they are
        }
        return;
    }
    Command("pause");
}

void TMediaPlayer::Stop() { Command("stop"); }
void TMediaPlayer::Next() { Command("seek", "to end"); }
void TMediaPlayer::Previous() { Command("seek", "to start"); }
void TMediaPlayer::Step() { Command("step", "by 1"); }
void TMediaPlayer::Back() { Command("step", "reverse by 1"); }
void TMediaPlayer::StartRecording() { Command("record", {}, true); }
void TMediaPlayer::Eject() { Command("set", "door open"); }

void TMediaPlayer::DoAction(TMPBtnType button) {
    switch (button) {
    case btPlay: Play(); break;
    case btPause: Pause(); break;
    case btStop: Stop(); break;
    case btNext: Next(); break;
    case btPrev: Previous(); break;
    case btStep: Step(); break;
    case btBack: Back(); break;
    case btRecord: StartRecording(); break;
    case btEject: Eject(); break;
    }
}

int TMediaPlayer::VisibleCount() const {
    int n = 0;
    for (int i = 0; i < ButtonCount; ++i)
        if (FVisibleButtons.Contains(static_cast<TMPBtnType>(i))) ++n;
    return n;
}

RECT TMediaPlayer::ButtonRect(TMPBtnType button) const {
    int n = VisibleCount();
    if (n == 0 || !FVisibleButtons.Contains(button)) return {0, 0, 0, 0};
    int slot = 0;
    for (int i = 0; i < button; ++i)
        if (FVisibleButtons.Contains(static_cast<TMPBtnType>(i))) ++slot;
    int w = ClientWidth() / n;
    return {slot * w, 0, (slot + 1) * w, ClientHeight()};
}

bool TMediaPlayer::ButtonAt(int32_t x, int32_t y, TMPBtnType& button) const {
    POINT p{x, y};
    for (int i = 0; i < ButtonCount; ++i) {
        auto b = static_cast<TMPBtnType>(i);
        RECT r = ButtonRect(b);
        if (PtInRect(&r, p)) {
            button = b;
            return true;
        }
    }
    return false;
}

bool TMediaPlayer::ButtonUsable(TMPBtnType button) const {
    return Enabled() && FVisibleButtons.Contains(button) && ButtonsEnabledNow().Contains(button);
}

void TMediaPlayer::ClickButton(TMPBtnType button) {
    if (!ButtonUsable(button)) return;
    bool doDefault = true;
    OnClick(this, button, doDefault);
    if (!doDefault) return;
    // Without an open device there is nothing to play, stop or eject.
    if (DeviceOpen()) {
        // The buttons follow the device's mode, also after an action that failed.
        TScopeExit update([this] { UpdateModeButtons(); });
        DoAction(button);
    }
    OnPostClick(this, button);
}

void TMediaPlayer::MoveFocusButton(int step) {
    auto takes = [this](int k) {
        auto b = static_cast<TMPBtnType>(k);
        return FVisibleButtons.Contains(b) && ButtonsEnabledNow().Contains(b);
    };
    // The next button that way; the ends do not wrap round.
    for (int k = FFocusButton + step; k >= 0 && k < ButtonCount; k += step)
        if (takes(k)) {
            FFocusButton = static_cast<TMPBtnType>(k);
            Invalidate();
            return;
        }
    // The button the keyboard had is gone: the first one that takes clicks.
    if (!takes(FFocusButton))
        for (int k = 0; k < ButtonCount; ++k)
            if (takes(k)) {
                FFocusButton = static_cast<TMPBtnType>(k);
                Invalidate();
                return;
            }
}

void TMediaPlayer::EndPress() {
    if (!FPressing) return;
    FPressing = false;
    FKeyPress = false;
    FPressedShown = false;
    if (HandleAllocated() && GetCapture() == Handle()) ReleaseCapture();
    Invalidate();
}

void TMediaPlayer::CreateParams(TCreateParams& p) {
    TCustomControl::CreateParams(p);
    // The buttons' widths follow the control's width: a resize repaints all.
    p.ClassStyle |= CS_HREDRAW | CS_VREDRAW;
}

void TMediaPlayer::WndProc(TMessage& m) {
    switch (m.Msg) {
    case WM_GETDLGCODE: m.Result = DLGC_WANTARROWS; return;
    case WM_ERASEBKGND: m.Result = 1; return; // Paint covers the whole client area
    case MM_MCINOTIFY:
        FNotifyValue = static_cast<uint32_t>(m.WParam);
        if (DeviceOpen()) UpdateModeButtons();
        OnNotify(this);
        return;
    case WM_CAPTURECHANGED:
        if (FPressing && !FKeyPress && reinterpret_cast<HWND>(m.LParam) != Handle()) EndPress();
        break;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
        if (m.Msg == WM_KILLFOCUS && FKeyPress) EndPress();
        Invalidate(); // the focus outline comes and goes
        break;
    default: break;
    }
    TCustomControl::WndProc(m);
}

void TMediaPlayer::MouseDown(TMouseButton button, TShiftState shift, int32_t x, int32_t y) {
    TMPBtnType b;
    if (button == mbLeft && !Designing() && !FPressing && ButtonAt(x, y, b) && ButtonUsable(b)) {
        if (CanFocus() && HandleAllocated() && GetFocus() != Handle()) SetFocus();
        FPressing = true;
        FKeyPress = false;
        FPressedButton = b;
        FPressedShown = true;
        FFocusButton = b;
        SetCapture(Handle());
        Invalidate();
    }
    TCustomControl::MouseDown(button, shift, x, y);
}

void TMediaPlayer::MouseMove(TShiftState shift, int32_t x, int32_t y) {
    if (FPressing && !FKeyPress) {
        RECT r = ButtonRect(FPressedButton);
        bool over = PtInRect(&r, POINT{x, y}) != 0;
        if (over != FPressedShown) {
            FPressedShown = over;
            Invalidate();
        }
    }
    TCustomControl::MouseMove(shift, x, y);
}

void TMediaPlayer::MouseUp(TMouseButton button, TShiftState shift, int32_t x, int32_t y) {
    if (button == mbLeft && FPressing && !FKeyPress) {
        RECT r = ButtonRect(FPressedButton);
        bool over = PtInRect(&r, POINT{x, y}) != 0;
        TMPBtnType b = FPressedButton;
        EndPress();
        if (over) ClickButton(b);
    }
    TCustomControl::MouseUp(button, shift, x, y);
}

void TMediaPlayer::KeyDown(int32_t& key, TShiftState shift) {
    TCustomControl::KeyDown(key, shift);
    switch (key) {
    case VK_LEFT:
    case VK_UP:
        MoveFocusButton(-1);
        key = 0;
        break;
    case VK_RIGHT:
    case VK_DOWN:
        MoveFocusButton(1);
        key = 0;
        break;
    case VK_SPACE:
        if (!FPressing && ButtonUsable(FFocusButton)) {
            FPressing = true;
            FKeyPress = true;
            FPressedButton = FFocusButton;
            FPressedShown = true;
            Invalidate();
        }
        key = 0;
        break;
    default: break;
    }
}

void TMediaPlayer::KeyUp(int32_t& key, TShiftState shift) {
    TCustomControl::KeyUp(key, shift);
    if (key == VK_SPACE && FPressing && FKeyPress) {
        TMPBtnType b = FPressedButton;
        EndPress();
        ClickButton(b);
        key = 0;
    }
}

// --- drawing ---------------------------------------------------------------------

namespace {

// The glyph colour of each button when drawn in colour.
TColor GlyphColor(TMPBtnType b) {
    switch (b) {
    case btPlay: return 0x00A000;                  // green
    case btPause: return 0x00B0B0;                 // dark yellow
    case btStop: return clRed;
    case btNext:
    case btPrev: return clNavy;
    case btStep:
    case btBack: return clTeal;
    case btRecord: return clRed;
    case btEject: return clPurple;
    }
    return clBlack;
}

// Filled shapes in one colour; the pen matches the fill so edges are crisp.
class TGlyphPainter {
public:
    TGlyphPainter(HDC dc, TColor color) : FDC(dc) {
        COLORREF c = ColorToRGB(color);
        FBrush = CreateSolidBrush(c);
        FPen = CreatePen(PS_SOLID, 1, c);
        FOldBrush = SelectObject(dc, FBrush);
        FOldPen = SelectObject(dc, FPen);
    }
    ~TGlyphPainter() {
        SelectObject(FDC, FOldBrush);
        SelectObject(FDC, FOldPen);
        DeleteObject(FBrush);
        DeleteObject(FPen);
    }
    TGlyphPainter(const TGlyphPainter&) = delete;
    TGlyphPainter& operator=(const TGlyphPainter&) = delete;

    void Poly(std::vector<POINT> pts) { ::Polygon(FDC, pts.data(), static_cast<int>(pts.size())); }
    void Box(int l, int t, int r, int b) { ::Rectangle(FDC, l, t, r, b); }
    void Round(int l, int t, int r, int b) { ::Ellipse(FDC, l, t, r, b); }

private:
    HDC FDC;
    HBRUSH FBrush;
    HPEN FPen;
    HGDIOBJ FOldBrush, FOldPen;
};

// Draws a button's glyph centred on (cx, cy); a is half the glyph's height.
void DrawGlyph(HDC dc, TMPBtnType b, int cx, int cy, int a, TColor color) {
    TGlyphPainter g(dc, color);
    int h = std::max(a * 4 / 5, 1); // a smaller half-size for two-part glyphs
    // A triangle pointing right (dir 1) or left (dir -1) whose base is at x.
    auto triangle = [&](int x, int dir, int half, int length) {
        g.Poly({{x, cy - half}, {x, cy + half}, {x + dir * length, cy}});
    };
    switch (b) {
    case btPlay: triangle(cx - a * 3 / 4, 1, a, a * 3 / 2); break;
    case btPause:
        g.Box(cx - a + a / 4, cy - a, cx - a / 4, cy + a + 1);
        g.Box(cx + a / 4 + 1, cy - a, cx + a - a / 4 + 1, cy + a + 1);
        break;
    case btStop: g.Box(cx - a + 1, cy - a + 1, cx + a, cy + a); break;
    case btNext:
        triangle(cx - a + 1, 1, a, a);
        g.Box(cx + a / 2 + 1, cy - a, cx + a / 2 + std::max(a / 3, 2) + 1, cy + a + 1);
        break;
    case btPrev:
        triangle(cx + a - 1, -1, a, a);
        g.Box(cx - a / 2 - std::max(a / 3, 2), cy - a, cx - a / 2, cy + a + 1);
        break;
    case btStep:
        triangle(cx - 2 * h, 1, h, 2 * h);
        triangle(cx, 1, h, 2 * h);
        break;
    case btBack:
        triangle(cx + 2 * h, -1, h, 2 * h);
        triangle(cx, -1, h, 2 * h);
        break;
    case btRecord: g.Round(cx - a + 1, cy - a + 1, cx + a, cy + a); break;
    case btEject:
        g.Poly({{cx - a, cy + a / 4}, {cx + a, cy + a / 4}, {cx, cy - a}});
        g.Box(cx - a, cy + a / 2 + 1, cx + a + 1, cy + a + 1);
        break;
    }
}

} // namespace

void TMediaPlayer::DrawButton(HDC dc, TMPBtnType b, const RECT& r) {
    bool pushed = ButtonPushed(b);
    RECT face = r;
    Canvas()->Brush()->SetColor(Color());
    Canvas()->FillRect(face);
    DrawEdge(dc, &face, pushed ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT | BF_ADJUST);
    int cx = (r.left + r.right) / 2, cy = (r.top + r.bottom) / 2;
    if (pushed) {
        ++cx;
        ++cy;
    }
    // Half the glyph's height: about a third of the button's smaller side.
    int side = std::min(r.right - r.left, r.bottom - r.top);
    int a = std::clamp(side / 5, 2, 12);
    int saved = SaveDC(dc);
    IntersectClipRect(dc, face.left, face.top, face.right, face.bottom);
    if (!Enabled() || !ButtonsEnabledNow().Contains(b)) {
        // Disabled: an engraved shape, highlight under shadow.
        DrawGlyph(dc, b, cx + 1, cy + 1, a, clBtnHighlight);
        DrawGlyph(dc, b, cx, cy, a, clBtnShadow);
    } else {
        DrawGlyph(dc, b, cx, cy, a, FColoredButtons.Contains(b) ? GlyphColor(b) : clBlack);
    }
    RestoreDC(dc, saved);
    if (b == FFocusButton && HandleAllocated() && Focused()) {
        RECT f = face;
        InflateRect(&f, -2, -2);
        if (f.right > f.left && f.bottom > f.top) {
            SetTextColor(dc, ColorToRGB(clBlack));
            SetBkColor(dc, ColorToRGB(clWhite));
            ::DrawFocusRect(dc, &f);
        }
    }
}

void TMediaPlayer::Paint() {
    HDC dc = PaintDC();
    RECT client = ClientRect();
    Canvas()->Brush()->SetColor(Color());
    Canvas()->FillRect(client);
    for (int i = 0; i < ButtonCount; ++i) {
        auto b = static_cast<TMPBtnType>(i);
        if (FVisibleButtons.Contains(b)) DrawButton(dc, b, ButtonRect(b));
    }
}

} // namespace fw
