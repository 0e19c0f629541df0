#include "Unit1.h"

#include <commctrl.h>

#include <exception>

#include "centre_on_screen.h"
#include "choose_folder.h"
#include "collection_run.h"
#include "compose_script.h"
#include "dpi.h"
#include "shell.h"
#include "show_notice.h"
#include "win32_collection_platform.h"

namespace {

constexpr char kClassName[] = "TForm1";
constexpr UINT_PTR kEdit1Subclass = 1;

constexpr char kStartupWarning[] =
    "敬告：本软件在运行过程中会被部分杀毒软件误报，请运行软件前关闭杀毒软件等安全软件。"
    "如果你也怀疑本软件有病毒，可以断开网络，在本程序使用完毕后进行全盘查杀后联网。"
    "运行采集后请勿操作电脑，采集完毕后会自动弹出结果。";
constexpr char kUsage[] =
    "点击运行采集后软件开始采集，采集中请勿进行其他操作，采集完毕后会自动弹出采集结果。"
    "结果可以导入excel表格中进行汇总分类统计。如果统计结果不令你满意，你可以联系我们为你定做。";
constexpr char kChooseFolderPrompt[] = "请指定文件夹";

// Runs an event handler; an error that escapes it is shown, and the program goes on.
template <typename Handler>
void Guarded(Handler handler) {
    try {
        handler();
    } catch (const std::exception& error) {
        ShowNotice(error.what());
    }
}

void RegisterFormClass(HINSTANCE instance, WNDPROC windowProc) {
    WNDCLASSEXA windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = windowProc;
    windowClass.hInstance = instance;
    windowClass.hIcon = LoadIconA(instance, "MAINICON");
    windowClass.hIconSm = static_cast<HICON>(
        LoadImageA(instance, "MAINICON", IMAGE_ICON, GetSystemMetrics(SM_CXSMICON),
                   GetSystemMetrics(SM_CYSMICON), LR_DEFAULTCOLOR));
    windowClass.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    windowClass.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
    windowClass.lpszClassName = kClassName;
    RegisterClassExA(&windowClass);
}

// The system's message font at the designed height.
HFONT CreateFormFont(int designHeight, UINT dpi) {
    NONCLIENTMETRICSA metrics{};
    metrics.cbSize = sizeof metrics;
    SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
    LOGFONTA font = metrics.lfMessageFont;
    font.lfHeight = Scaled(designHeight, dpi);
    font.lfWidth = 0;
    return CreateFontIndirectA(&font);
}

}  // namespace

TForm1::TForm1(HINSTANCE instance) : layout_(LoadFormLayout()) {
    Memo1 = LoadDesignLines(IDS_MEMO1_LINE0);
    Memo2 = LoadDesignLines(IDS_MEMO2_LINE0);
    MainMenu1 = LoadMenuA(instance, MAKEINTRESOURCEA(IDR_MAINMENU1));

    RegisterFormClass(instance, WindowProc);
    // Resizable frame, system menu and minimise box; no maximise box.
    const DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_MINIMIZEBOX;
    CreateWindowExA(0, kClassName, LoadDesignString(IDS_FORM1_CAPTION).c_str(), style,
                    CW_USEDEFAULT, CW_USEDEFAULT, layout_.outerWidth, layout_.outerHeight, nullptr,
                    MainMenu1, instance, this);
    CreateControls(instance);

    const UINT dpi = WindowDpi(handle_);
    LayOutControls(dpi);
    SetWindowPos(handle_, nullptr, 0, 0, Scaled(layout_.outerWidth, dpi),
                 Scaled(layout_.outerHeight, dpi), SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);

    FormCreate();
}

TForm1::~TForm1() {
    if (handle_) DestroyWindow(handle_);
    if (font_) DeleteObject(font_);
}

void TForm1::CreateControls(HINSTANCE instance) {
    const auto control = [&](DWORD exStyle, const char* className, const std::string& text,
                             DWORD style, int id) {
        return CreateWindowExA(exStyle, className, text.c_str(), WS_CHILD | WS_VISIBLE | style, 0,
                               0, 0, 0, handle_, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                               instance, nullptr);
    };
    Label1 = control(0, WC_STATICA, LoadDesignString(IDS_LABEL1_CAPTION), SS_LEFT | SS_NOPREFIX,
                     IDC_LABEL1);
    Edit1 = control(WS_EX_CLIENTEDGE, WC_EDITA, LoadDesignString(IDS_EDIT1_TEXT),
                    WS_TABSTOP | ES_AUTOHSCROLL | ES_READONLY, IDC_EDIT1);
    Button5 = control(0, WC_BUTTONA, LoadDesignString(IDS_BUTTON5_CAPTION),
                      WS_TABSTOP | BS_PUSHBUTTON, IDC_BUTTON5);
    SetWindowSubclass(Edit1, Edit1Proc, kEdit1Subclass, reinterpret_cast<DWORD_PTR>(this));

    tooltip_ =
        CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr,
                        WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT, CW_USEDEFAULT,
                        CW_USEDEFAULT, CW_USEDEFAULT, handle_, nullptr, instance, nullptr);
    std::string hint = LoadDesignString(IDS_EDIT1_HINT);
    TOOLINFOA tool{};
    tool.cbSize = sizeof tool;
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = handle_;
    tool.uId = reinterpret_cast<UINT_PTR>(Edit1);
    tool.lpszText = hint.data();  // the tooltip keeps its own copy
    SendMessageA(tooltip_, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
}

void TForm1::LayOutControls(UINT dpi) {
    const HFONT oldFont = font_;
    font_ = CreateFormFont(layout_.fontHeight, dpi);
    for (const ControlPlace& place : layout_.controls) {
        const HWND child = GetDlgItem(handle_, place.id);
        SetWindowPos(child, nullptr, Scaled(place.left, dpi), Scaled(place.top, dpi),
                     Scaled(place.width, dpi), Scaled(place.height, dpi),
                     SWP_NOZORDER | SWP_NOACTIVATE);
        SendMessageA(child, WM_SETFONT, reinterpret_cast<WPARAM>(font_), TRUE);
    }
    if (oldFont) DeleteObject(oldFont);
}

void TForm1::Show(int showCommand) {
    CentreOnScreen(handle_);
    ShowWindow(handle_, showCommand);
    UpdateWindow(handle_);
}

void TForm1::FormCreate() { ShowNotice(kStartupWarning); }

void TForm1::Edit1DblClick() {
    const std::optional<std::string> folder = ChooseFolder(handle_, kChooseFolderPrompt);
    if (!folder) return;
    SetWindowTextA(Edit1, folder->c_str());
    EnableWindow(Button5, TRUE);

    const int length = GetWindowTextLengthA(Edit1);
    std::string text(static_cast<std::size_t>(length) + 1, '\0');
    text.resize(static_cast<std::size_t>(GetWindowTextA(Edit1, text.data(), length + 1)));
    ComposeScript(Memo1, Memo2, text);
}

void TForm1::Button5Click() {
    Win32CollectionPlatform platform(Button5);
    RunCollection(platform, Memo1);
    // The run disabled the button; keyboard focus must not stay on a disabled control.
    if (GetFocus() == Button5) SetFocus(Edit1);
}

void TForm1::N1Click() { ShellOpenAddress(handle_, LoadDesignString(IDS_MAKER_PAGE)); }

void TForm1::N2Click() { ShowNotice(kUsage); }

LRESULT CALLBACK TForm1::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* form = static_cast<TForm1*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
        form->handle_ = window;
        SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(form));
    }
    auto* form = reinterpret_cast<TForm1*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (message == WM_NCDESTROY && form) {
        // The window's last message: from here on the form has no window.
        SetWindowLongPtrA(window, GWLP_USERDATA, 0);
        form->handle_ = nullptr;
        form = nullptr;
    }
    if (!form) return DefWindowProcA(window, message, wParam, lParam);
    return form->HandleMessage(message, wParam, lParam);
}

LRESULT CALLBACK TForm1::Edit1Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                   UINT_PTR, DWORD_PTR form) {
    if (message == WM_NCDESTROY) RemoveWindowSubclass(window, Edit1Proc, kEdit1Subclass);
    const LRESULT result = DefSubclassProc(window, message, wParam, lParam);
    if (message == WM_LBUTTONDBLCLK) {
        Guarded([&] { reinterpret_cast<TForm1*>(form)->Edit1DblClick(); });
    }
    return result;
}

LRESULT TForm1::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_COMMAND:
            switch (LOWORD(wParam)) {
                case IDC_BUTTON5:
                    if (HIWORD(wParam) == BN_CLICKED) Guarded([&] { Button5Click(); });
                    return 0;
                case N1:
                    Guarded([&] { N1Click(); });
                    return 0;
                case N2:
                    Guarded([&] { N2Click(); });
                    return 0;
            }
            break;
        case WM_CTLCOLORSTATIC:
            // A read-only field is drawn like a static by default; keep it looking like the
            // field it is, inviting the double-click.
            if (reinterpret_cast<HWND>(lParam) == Edit1) {
                const HDC dc = reinterpret_cast<HDC>(wParam);
                SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
                SetBkColor(dc, GetSysColor(COLOR_WINDOW));
                return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_WINDOW));
            }
            break;
        case WM_DPICHANGED: {
            LayOutControls(HIWORD(wParam));
            const RECT& suggested = *reinterpret_cast<const RECT*>(lParam);
            SetWindowPos(handle_, nullptr, suggested.left, suggested.top,
                         suggested.right - suggested.left, suggested.bottom - suggested.top,
                         SWP_NOZORDER | SWP_NOACTIVATE);
            return 0;
        }
        case WM_ACTIVATE:
            // Keyboard focus returns to the control that had it when the window was left.
            if (LOWORD(wParam) == WA_INACTIVE) focus_ = GetFocus();
            return 0;
        case WM_SETFOCUS:
            SetFocus(focus_ && IsWindowEnabled(focus_) ? focus_ : Edit1);
            return 0;
        case WM_DESTROY:
            PostQuitMessage(0);
            return 0;
    }
    return DefWindowProcA(handle_, message, wParam, lParam);
}
